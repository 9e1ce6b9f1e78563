// The commands of the Options and Help menus that run a dialog: the options and About.
// (The appearance command lives with the desk pictures it changes, in DeskMenu.cpp.)
#include <QCheckBox>

#include "SoundPlayer.h"
#include "TColBtn.h"
#include "TForm1.h"
#include "THotCard.h"
#include "TKuvTrack.h"
#include "TOKDlg.h"
#include "TRubDlg.h"
#include "WinColor.h"

namespace durak {

// The options command: load the dialog, and on OK put the choices into the game. Hot cards,
// their colour, speed and hand order act at once; the variant and several-card leads wait
// for the next deal, which latches them.
void TForm1::N3Click() {
  TGame& g = *Engine;
  const int32_t oldOptions = g.Options;
  const int32_t oldHotColor = Settings.HotColor;
  const int oldVidSort = g.VidSort;

  TRubDlg& d = *RubDlg;
  d.CheckBox1->setChecked(oldOptions & arHotCards);
  d.CheckBox2->setChecked(oldOptions & arMultiLead);
  d.CheckBox3->setEnabled(SoundPlayer::HasAudioOutput());
  d.CheckBox3->setChecked(oldOptions & arSound);
  d.DP->SetItemIndex((oldOptions & arTransfer) ? 1 : 0);
  const int oldOpponent = Settings.Opponent;
  d.OG->SetItemIndex(oldOpponent == 1 ? 1 : 0);
  d.ColBtn1->SetBtnColor(ColorFromWin(oldHotColor));
  d.CheckBox1Click();
  d.ASpeed = g.ASpeed;
  d.VidSort = g.VidSort;
  if (d.exec() != QDialog::Accepted) return;

  auto setBit = [&g](int32_t bit, bool on) {
    g.Options = on ? (g.Options | bit) : (g.Options & ~bit);
  };
  Settings.HotColor = KeepWinColor(oldHotColor, d.ColBtn1->BtnColor());
  setBit(arHotCards, d.CheckBox1->isChecked());
  setBit(arSound, d.CheckBox3->isChecked());
  if (Settings.HotColor != oldHotColor)
    for (THotCard* card : Cards) card->SetHotMouseColor(ColorFromWin(Settings.HotColor));
  if ((g.Options ^ oldOptions) & arHotCards) g.MarkHot(g.PlayMode);

  g.ASpeed = d.TrackBar1->value();
  g.VidSort = d.SG->ItemIndex() < 0 ? oldVidSort : d.SG->ItemIndex();
  if (g.VidSort != oldVidSort)
    g.PlaceCards(g.Layout.PlayerHandLeft, g.Layout.HandRight, g.Layout.PlayerHandTop, g.VidSort,
                 g.PlayerHand);

  setBit(arTransfer, d.DP->ItemIndex() == 1);
  setBit(arMultiLead, d.CheckBox2->isChecked());
  Settings.Opponent = d.OG->ItemIndex() == 1 ? 1 : 0;
  // The opponent, like the rules, is chosen at the deal.
  const bool rulesChanged = ((g.Options ^ oldOptions) & (arTransfer | arMultiLead)) != 0 ||
                            Settings.Opponent != oldOpponent;
  if (rulesChanged && !g.ButtonVisible[durak::Button2]) ShowMessage(Texts[kRulesNextDealText]);
}

// The About command: a dialog with three faint faces drawn at random, its texts in the
// current language, shown over the game window and freed when it closes.
void TForm1::N5Click() {
  std::array<QImage, 3> faces;
  for (QImage& face : faces) face = Cards[Engine->Random.Draw(36)]->FaceImage();
  TOKDlg dialog(this, faces);
  dialog.ApplyTexts(Texts);
  dialog.exec();
}

}  // namespace durak

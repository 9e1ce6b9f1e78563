// The commands of the Options and Help menus that run a dialog: the options and About.
// (The appearance command lives with the desk pictures it changes, in DeskMenu.cpp.)
#include "AboutDialog.h"
#include "CardWidget.h"
#include "MainWindow.h"
#include "OptionsDialog.h"
#include "SoundPlayer.h"
#include "TableWindow.h"
#include "WinColor.h"

namespace durak {

// The options command: load the dialog, and on OK put the choices into the game. Hot cards,
// their colour, speed and hand order act at once; the variant and several-card leads wait
// for the next deal, which latches them.
void TMainWindow::ShowOptions() {
  TGame& g = *Engine;
  const int32_t oldOptions = g.Options;
  const int32_t oldHotColor = Settings.HotColor;
  const int oldVidSort = g.HandOrder;

  const TOpponentLevel oldOpponent = Settings.Opponent;
  TOptionsChoice shown;
  shown.HotCards = oldOptions & arHotCards;
  shown.HotColor = ColorFromWin(oldHotColor);
  shown.MultiLead = oldOptions & arMultiLead;
  shown.Sound = oldOptions & arSound;
  shown.Transfer = oldOptions & arTransfer;
  shown.Opponent = oldOpponent;
  shown.Players = Settings.Players;
  shown.Speed = g.GlideSpeed;
  shown.Sort = g.HandOrder;
  TOptionsDialog& d = *OptionsDialog;
  d.Load(shown, SoundPlayer::HasAudioOutput());
  if (d.exec() != QDialog::Accepted) return;
  const TOptionsChoice chosen = d.Choice();

  auto setBit = [&g](int32_t bit, bool on) {
    g.Options = on ? (g.Options | bit) : (g.Options & ~bit);
  };
  Settings.HotColor = KeepWinColor(oldHotColor, chosen.HotColor);
  setBit(arHotCards, chosen.HotCards);
  setBit(arSound, chosen.Sound);
  if (Settings.HotColor != oldHotColor)
    for (TCardWidget* card : Cards) card->SetHotMouseColor(ColorFromWin(Settings.HotColor));
  if ((g.Options ^ oldOptions) & arHotCards) g.MarkPlayable(g.PlayMode);

  g.GlideSpeed = chosen.Speed;
  g.HandOrder = chosen.Sort < 0 ? oldVidSort : chosen.Sort;
  if (g.HandOrder != oldVidSort)
    g.PlaceCards(g.Layout.PlayerHandLeft, g.Layout.HandRight, g.Layout.PlayerHandTop, g.HandOrder,
                 g.PlayerHand);

  setBit(arTransfer, chosen.Transfer);
  setBit(arMultiLead, chosen.MultiLead);
  Settings.Opponent = chosen.Opponent;
  // The opponent, like the rules, is chosen at the deal.
  const bool rulesChanged = ((g.Options ^ oldOptions) & (arTransfer | arMultiLead)) != 0 ||
                            Settings.Opponent != oldOpponent;
  const bool playersChanged = chosen.Players != Settings.Players;
  Settings.Players = chosen.Players;
  if (TablePlaying()) TableWindow->OptionsChanged();
  // The number of players changes with a new game; the rules and the level with a deal.
  if (playersChanged)
    ShowMessage(Texts[kPlayersNextGameText]);
  else if (rulesChanged &&
           !(TablePlaying() ? TableWindow->BetweenDeals() : g.ButtonVisible[durak::DealButton]))
    ShowMessage(Texts[kRulesNextDealText]);
}

// The About command: a dialog with three faint faces drawn at random, its texts in the
// current language, shown over the game window and freed when it closes.
void TMainWindow::ShowAbout() {
  std::array<QImage, 3> faces;
  for (QImage& face : faces) face = Cards[Engine->Random.Draw(36)]->FaceImage();
  TAboutDialog dialog(this, faces);
  dialog.ApplyTexts(Texts);
  dialog.exec();
}

}  // namespace durak

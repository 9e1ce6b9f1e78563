// The menu commands that run a dialog: the champions table, the statistics, the options
// and About. (The appearance command lives with the desk pictures it changes, in
// DeskMenu.cpp.)
#include <QFile>
#include <QTimer>

#include "AboutDialog.h"
#include "Announcer.h"
#include "CardWidget.h"
#include "ChampionsDialog.h"
#include "HistoryFile.h"
#include "KeyboardAccess.h"
#include "MainWindow.h"
#include "MenuCommands.h"
#include "OptionsDialog.h"
#include "SoundPlayer.h"
#include "StatisticsDialog.h"
#include "TableWindow.h"
#include "WinColor.h"

namespace durak {

void TMenuCommands::ShowChampions() {
  TChampionsDialog& champions = *window_.Champions();
  champions.ChempMode = cmView;
  champions.exec();
  // The row may have changed meanwhile in another copy of the game: the record follows it.
  const TChempRec& cur = champions.CurChemp;
  Game().Record = {cur.Games, cur.Wins, cur.Losses, cur.Rating};
}

bool TMenuCommands::ShowChampionsAfterDeal() {
  TChampionsDialog& champions = *window_.Champions();
  TGame& g = Game();
  // The deal's result goes into the current player's row when the table is shown.
  TChempRec& cur = champions.CurChemp;
  cur.Games = g.Record.Games;
  cur.Wins = g.Record.Wins;
  cur.Losses = g.Record.Losses;
  cur.Rating = g.Record.Rating;
  champions.ChempMode = cmAfterDeal;
  // The end of the deal is said before the table takes the focus.
  window_.Keys().Narrate();
  window_.Keys().Announcer()->Flush();
  champions.ReviewAsked = false;
  const bool ok = champions.exec() == QDialog::Accepted;
  g.Record = {cur.Games, cur.Wins, cur.Losses, cur.Rating};
  // The review opens once the deal's end has run its course.
  if (champions.ReviewAsked) QTimer::singleShot(0, &window_, [this] { OpenDealReview(); });
  return ok;
}

void TMenuCommands::StatisticsClick() {
  const TChampionsDialog* chemp = window_.Champions().IfMade();
  TStatisticsDialog dialog(&window_);
  dialog.Show(
      ReadHistory(QFile::encodeName(window_.KeptFilePath(QStringLiteral("durak-history.jsonl")))
                      .toStdString()),
      chemp ? chemp->CurChemp.NameText() : std::string(), Texts());
  dialog.exec();
}

// The options command: load the dialog, and on OK put the choices into the game. Hot cards,
// their colour, speed and hand order act at once; the variant and several-card leads wait
// for the next deal, which latches them.
void TMenuCommands::ShowOptions() {
  TGame& g = Game();
  const int32_t oldOptions = g.Options;
  const int32_t oldHotColor = Settings().HotColor;
  const int oldVidSort = g.HandOrder;

  const TOpponentLevel oldOpponent = Settings().Opponent;
  TOptionsChoice shown;
  shown.HotCards = oldOptions & arHotCards;
  shown.HotColor = ColorFromWin(oldHotColor);
  shown.MultiLead = oldOptions & arMultiLead;
  shown.Sound = oldOptions & arSound;
  shown.Transfer = oldOptions & arTransfer;
  shown.Opponent = oldOpponent;
  shown.Players = Settings().Players;
  shown.Speed = g.GlideSpeed;
  shown.Sort = g.HandOrder;
  TOptionsDialog& d = *optionsDialog_;
  d.Load(shown, SoundPlayer::HasAudioOutput());
  if (d.exec() != QDialog::Accepted) return;
  const TOptionsChoice chosen = d.Choice();

  auto setBit = [&g](int32_t bit, bool on) {
    g.Options = on ? (g.Options | bit) : (g.Options & ~bit);
  };
  Settings().HotColor = KeepWinColor(oldHotColor, chosen.HotColor);
  setBit(arHotCards, chosen.HotCards);
  setBit(arSound, chosen.Sound);
  if (Settings().HotColor != oldHotColor)
    for (TCardWidget* card : Parts().Cards)
      card->SetHotMouseColor(ColorFromWin(Settings().HotColor));
  if ((g.Options ^ oldOptions) & arHotCards) g.MarkPlayable(g.PlayMode);

  g.GlideSpeed = chosen.Speed;
  g.HandOrder = chosen.Sort < 0 ? oldVidSort : chosen.Sort;
  if (g.HandOrder != oldVidSort)
    g.PlaceCards(g.Layout.PlayerHandLeft, g.Layout.HandRight, g.Layout.PlayerHandTop, g.HandOrder,
                 g.PlayerHand);

  setBit(arTransfer, chosen.Transfer);
  setBit(arMultiLead, chosen.MultiLead);
  Settings().Opponent = chosen.Opponent;
  // The opponent, like the rules, is chosen at the deal.
  const bool rulesChanged = ((g.Options ^ oldOptions) & (arTransfer | arMultiLead)) != 0 ||
                            Settings().Opponent != oldOpponent;
  const bool playersChanged = chosen.Players != Settings().Players;
  Settings().Players = chosen.Players;
  if (window_.TablePlaying()) window_.TableWindow()->OptionsChanged();
  // The number of players changes with a new game; the rules and the level with a deal.
  if (playersChanged)
    window_.ShowMessage(Texts()[kPlayersNextGameText]);
  else if (rulesChanged && !(window_.TablePlaying() ? window_.TableWindow()->BetweenDeals()
                                                    : g.ButtonVisible[durak::DealButton]))
    window_.ShowMessage(Texts()[kRulesNextDealText]);
}

// The About command: a dialog with three faint faces drawn at random, its texts in the
// current language, shown over the game window and freed when it closes.
void TMenuCommands::ShowAbout() {
  std::array<QImage, 3> faces;
  for (QImage& face : faces) face = Parts().Cards[Game().Random.Draw(36)]->FaceImage();
  TAboutDialog dialog(&window_, faces);
  dialog.ApplyTexts(Texts());
  dialog.exec();
}

}  // namespace durak

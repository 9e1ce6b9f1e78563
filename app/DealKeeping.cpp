// The deal kept beyond the window: its number in the caption, the resume file written after
// every move and offered at the next start, the history line once it ends.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <nlohmann/json.hpp>

#include "CardWidget.h"
#include "ChampionsDialog.h"
#include "DealKeeper.h"
#include "DealNumber.h"
#include "EasyPlayer.h"
#include "Headless.h"
#include "HistoryFile.h"
#include "MainWindow.h"
#include "PlainText.h"
#include "RaisedButton.h"
#include "StateJson.h"
#include "StatisticsDialog.h"
#include "StrongChooser.h"
#include "TableWindow.h"

namespace durak {

namespace {

const char* OpponentWord(int level) {
  return level == kOpponentStrong ? "strong" : level == kOpponentEasy ? "easy" : "described";
}

std::string LocalPath(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

// The harness state of the window's game: the engine's lists and modes, and which of the
// player's cards are marked.
nlohmann::ordered_json WindowState(const TGame& game, const std::vector<TCardWidget*>& cards) {
  THeadlessCards marks;
  for (const TCardWidget* card : cards) marks.Cards[card->Tag() - 1]->SetHotMouse(card->HotMouse());
  return SaveState(game, marks);
}

TDealKeeper& KeeperOf(TMainWindow& window) {
  if (!window.Keeper)
    window.Keeper = std::make_unique<TDealKeeper>(
        LocalPath(window.KeptFilePath(QStringLiteral("durak-resume.json"))),
        LocalPath(window.KeptFilePath(QStringLiteral("durak-history.jsonl"))));
  return *window.Keeper;
}

}  // namespace

QString TMainWindow::KeptFilePath(const QString& name) const {
  // Beside durak.r: the program's folder when it plays from there, else the data folder.
  const TChampionsDialog* chemp = ChampionsDialog_.IfMade();
  const QString champions = chemp ? chemp->ChempFile : ChampionsFilePath();
  return QFileInfo(champions).absoluteDir().filePath(name);
}

void TMainWindow::KeepTableDeal(TDealRecord record) {
  const TChampionsDialog* chemp = ChampionsDialog_.IfMade();
  record.Player = chemp ? chemp->CurChemp.NameText() : std::string();
  record.Time = UtcTimeNow();
  record.Opponent =
      OpponentWord(Settings.Opponent == kOpponentStrong ? kOpponentStrong : kOpponentUsual);
  std::string error;
  if (!AppendToHistory(LocalPath(KeptFilePath(QStringLiteral("durak-history.jsonl"))),
                       DealRecordLine(record), kHistoryMaxDeals, &error))
    ShowMessage(Texts[kHistoryNotSavedText] + QLatin1Char('\n') + QString::fromStdString(error));
}

void TMainWindow::ShowDealNumber() {
  QString title = Texts[kWindowTitleText];
  std::optional<uint32_t> deal;
  if (TablePlaying())
    deal = TableWindow->DealNumber();
  else if (Keeper && Keeper->InDeal())
    deal = Keeper->DealNumber();
  if (deal) {
    const QString number = Texts[kDealNumberTitleText].isEmpty() ? QStringLiteral("Deal %1")
                                                                 : Texts[kDealNumberTitleText];
    title += QStringLiteral(" — ") + number.arg(*deal);
  }
  setWindowTitle(title);
}

void TMainWindow::DealCards(std::optional<uint32_t> number) {
  if (Engine->Busy || !Engine->ButtonVisible[durak::DealButton]) return;
  // The opponent chosen in the options plays from this deal on.
  Engine->Chooser = Settings.Opponent == kOpponentStrong ? static_cast<ICompChooser*>(Strong.get())
                    : Settings.Opponent == kOpponentEasy ? Easy.get()
                                                         : nullptr;
  const uint32_t seed = number ? *number : MillisOfDay();
  Strong->Played.clear();
  const TChampionsDialog* chemp = ChampionsDialog_.IfMade();
  KeeperOf(*this).StartDeal(WindowState(*Engine, Cards), seed,
                            chemp ? chemp->CurChemp.NameText() : std::string(),
                            OpponentWord(Settings.Opponent), Engine->Options);
  ShowDealNumber();
  PlayEvent(
      [this, seed] {
        // The shuffle reads the clock: it answers the deal's number while the cards go out.
        DealClock = seed;
        Engine->DealPressed();
        DealClock.reset();
      },
      {{"type", "deal"}, {"seed", seed}});
}

void TMainWindow::PlayEvent(const std::function<void()>& apply, nlohmann::json event) {
  ++EventDepth;
  apply();
  --EventDepth;
  if (!Keeper || !Keeper->InDeal()) return;
  // The pair the menu picked, or the one the engine took without asking.
  if (event["type"] == "click") event["menu"] = Engine->MenuPick;
  if (Engine->Chooser == Strong.get()) Keeper->NoteComputerMoves(Strong->Played);
  const bool written = Keeper->AfterEvent(event, WindowState(*Engine, Cards), Engine->DealResult);
  if (written) return;
  const QString error = QString::fromStdString(Keeper->LastError());
  if (!Keeper->InDeal()) {
    ShowMessage(Texts[kHistoryNotSavedText] + QLatin1Char('\n') + error);
  } else if (!ResumeFailureTold) {
    // Once a run: the game goes on, only a crash would lose the deal.
    ResumeFailureTold = true;
    ShowMessage(Texts[kResumeNotSavedText] + QLatin1Char('\n') + error);
  }
}

void TMainWindow::NewGameClick() {
  StartNewGame();
  if (Keeper) Keeper->Abandon();
  ShowDealNumber();
}

void TMainWindow::DealByNumberClick() {
  // Deals by number are two-player deals.
  if (Engine->Busy || TablePlaying()) return;
  std::optional<QString> typed;
  if (AskDealNumber) {
    typed = AskDealNumber();
  } else {
    bool ok = false;
    QString caption = Texts[kDealByNumberMenuText];
    caption.remove(QChar(0x2026));
    const QString text = QInputDialog::getText(this, caption, Texts[kDealNumberPromptText],
                                               QLineEdit::Normal, QString(), &ok);
    if (ok) typed = text;
  }
  if (!typed) return;
  uint32_t number = 0;
  if (!ParseDealNumber(typed->toStdString(), &number)) {
    ShowMessage(Texts[kDealNumberInvalidText]);
    return;
  }
  // A deal going on is given up as F2 gives it up.
  if (!Engine->ButtonVisible[durak::DealButton]) NewGameClick();
  DealCards(number);
  ForgetHint();
}

void TMainWindow::OfferResume() {
  // A kept deal is a two-player one: at a table of three or four it waits for the next
  // two-player start.
  if (TablePlaying()) return;
  TDealKeeper& keeper = KeeperOf(*this);
  TResumePoint point;
  switch (ReadResumeFile(keeper.ResumePath(), &point)) {
    case TResumeLoad::None:
      return;
    case TResumeLoad::Refused:
      // The table stays as a new game leaves it.
      ShowMessage(Texts[kResumeDamagedText] + QLatin1Char('\n') +
                  QFile::decodeName(SetAsidePath(keeper.ResumePath()).c_str()));
      return;
    case TResumeLoad::Loaded:
      break;
  }
  // Another player's deal waits for that player.
  if (point.Deal.Player != ChampionsDialog_->CurChemp.NameText()) return;
  const QString question = Texts[kResumeQuestionText];
  const bool yes = AskYesNo ? AskYesNo(question)
                            : QMessageBox::question(this, windowTitle(), question,
                                                    QMessageBox::Yes | QMessageBox::No,
                                                    QMessageBox::Yes) == QMessageBox::Yes;
  if (!yes || !RestoreDeal(point)) keeper.Abandon();
}

bool TMainWindow::RestoreDeal(const TResumePoint& point) {
  TGame& g = *Engine;
  // The person's own settings and champions row stay as they are now.
  const int32_t options = g.Options;
  const int32_t sort = g.HandOrder;
  const TRecord record = g.Record;
  THeadlessCards marks;
  try {
    LoadState(point.State, g, marks);
  } catch (const THarnessError&) {
    g.NewGame();
    return false;
  }
  g.Options = options;
  g.HandOrder = sort;
  g.Record = record;
  g.Chooser = point.Deal.Opponent == "strong" ? static_cast<ICompChooser*>(Strong.get())
              : point.Deal.Opponent == "easy" ? Easy.get()
                                              : nullptr;
  // Every card face up and still, off the table unless a list places it below.
  for (TCardWidget* card : Cards) {
    card->SetCardState(1);
    if (card->Turned()) card->Turn();
    card->SetClickable(false);
    card->SetHandCursor(false);
    card->SetHotMouse(marks.Cards[card->Tag() - 1]->HotMouse());
  }
  for (const TCardInfo& k : g.PlayerHand) {
    Cards[k.Tag - 1]->SetClickable(true);
    Cards[k.Tag - 1]->SetHandCursor(true);
  }
  for (const TCardInfo& k : g.CompHand) Cards[k.Tag - 1]->SetCardState(0);
  for (int b = durak::TakeButton; b <= durak::DefendButton; ++b)
    g.SetButton(static_cast<TButton>(b), g.ButtonVisible[b]);
  SetTrumpPicture(g.Trump);
  SetTrumpVisible(true);
  g.ShowScore();
  g.ShowSpeech(sayClear);
  KeeperOf(*this).ResumeDeal(point);
  Strong->Played = point.Deal.Computer;
  // The stock, the hands and the table's pairs where the layout puts them.
  ArrangeTable();
  ShowDealNumber();
  Narrate();
  return true;
}

void TMainWindow::StatisticsClick() {
  const TChampionsDialog* chemp = ChampionsDialog_.IfMade();
  TStatisticsDialog dialog(this);
  dialog.Show(ReadHistory(LocalPath(KeptFilePath(QStringLiteral("durak-history.jsonl")))),
              chemp ? chemp->CurChemp.NameText() : std::string(), Texts);
  dialog.exec();
}

}  // namespace durak

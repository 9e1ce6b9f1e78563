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
#include "KeyboardAccess.h"
#include "MainWindow.h"
#include "PlainText.h"
#include "RaisedButton.h"
#include "StateJson.h"
#include "StrongChooser.h"
#include "TableWindow.h"
#include "WindowTableView.h"

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
  const TChampionsDialog* chemp = championsDialog_.IfMade();
  const QString champions = chemp ? chemp->ChempFile : ChampionsFilePath();
  return QFileInfo(champions).absoluteDir().filePath(name);
}

void TMainWindow::KeepTableDeal(TDealRecord record) {
  const TChampionsDialog* chemp = championsDialog_.IfMade();
  record.Player = chemp ? chemp->CurChemp.NameText() : std::string();
  record.Time = UtcTimeNow();
  record.Opponent =
      OpponentWord(settings_.Opponent == kOpponentStrong ? kOpponentStrong : kOpponentUsual);
  std::string error;
  if (!AppendToHistory(LocalPath(KeptFilePath(QStringLiteral("durak-history.jsonl"))),
                       DealRecordLine(record), kHistoryMaxDeals, &error))
    ShowMessage(texts_[kHistoryNotSavedText] + QLatin1Char('\n') + QString::fromStdString(error));
}

void TMainWindow::ShowDealNumber() {
  QString title = texts_[kWindowTitleText];
  std::optional<uint32_t> deal;
  if (TablePlaying())
    deal = tableWindow_->DealNumber();
  else if (Keeper && Keeper->InDeal())
    deal = Keeper->DealNumber();
  if (deal) {
    const QString number = texts_[kDealNumberTitleText].isEmpty() ? QStringLiteral("Deal %1")
                                                                  : texts_[kDealNumberTitleText];
    title += QStringLiteral(" — ") + number.arg(*deal);
  }
  setWindowTitle(title);
}

void TMainWindow::DealCards(std::optional<uint32_t> number) {
  if (engine_->Busy || !engine_->ButtonVisible[durak::DealButton]) return;
  // The opponent chosen in the options plays from this deal on.
  engine_->Chooser = settings_.Opponent == kOpponentStrong
                         ? static_cast<ICompChooser*>(strong_.get())
                     : settings_.Opponent == kOpponentEasy ? easy_.get()
                                                           : nullptr;
  const uint32_t seed = number ? *number : MillisOfDay();
  strong_->Played.clear();
  const TChampionsDialog* chemp = championsDialog_.IfMade();
  KeeperOf(*this).StartDeal(WindowState(*engine_, parts_.Cards), seed,
                            chemp ? chemp->CurChemp.NameText() : std::string(),
                            OpponentWord(settings_.Opponent), engine_->Options);
  ShowDealNumber();
  PlayEvent(
      [this, seed] {
        // The shuffle reads the clock: it answers the deal's number while the cards go out.
        dealClock_ = seed;
        engine_->DealPressed();
        dealClock_.reset();
      },
      {{"type", "deal"}, {"seed", seed}});
}

void TMainWindow::PlayEvent(const std::function<void()>& apply, nlohmann::json event) {
  ++eventDepth_;
  apply();
  --eventDepth_;
  if (!Keeper || !Keeper->InDeal()) return;
  // The pair the menu picked, or the one the engine took without asking.
  if (event["type"] == "click") event["menu"] = engine_->MenuPick;
  if (engine_->Chooser == strong_.get()) Keeper->NoteComputerMoves(strong_->Played);
  const bool written =
      Keeper->AfterEvent(event, WindowState(*engine_, parts_.Cards), engine_->DealResult);
  if (written) return;
  const QString error = QString::fromStdString(Keeper->LastError());
  if (!Keeper->InDeal()) {
    ShowMessage(texts_[kHistoryNotSavedText] + QLatin1Char('\n') + error);
  } else if (!resumeFailureTold_) {
    // Once a run: the game goes on, only a crash would lose the deal.
    resumeFailureTold_ = true;
    ShowMessage(texts_[kResumeNotSavedText] + QLatin1Char('\n') + error);
  }
}

void TMainWindow::NewGameClick() {
  StartNewGame();
  if (Keeper) Keeper->Abandon();
  ShowDealNumber();
}

void TMainWindow::DealByNumberClick() {
  // Deals by number are two-player deals.
  if (engine_->Busy || TablePlaying()) return;
  std::optional<QString> typed;
  if (AskDealNumber) {
    typed = AskDealNumber();
  } else {
    bool ok = false;
    QString caption = texts_[kDealByNumberMenuText];
    caption.remove(QChar(0x2026));
    const QString text = QInputDialog::getText(this, caption, texts_[kDealNumberPromptText],
                                               QLineEdit::Normal, QString(), &ok);
    if (ok) typed = text;
  }
  if (!typed) return;
  uint32_t number = 0;
  if (!ParseDealNumber(typed->toStdString(), &number)) {
    ShowMessage(texts_[kDealNumberInvalidText]);
    return;
  }
  // A deal going on is given up as F2 gives it up.
  if (!engine_->ButtonVisible[durak::DealButton]) NewGameClick();
  DealCards(number);
  keys_->ForgetHint();
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
      ShowMessage(texts_[kResumeDamagedText] + QLatin1Char('\n') +
                  QFile::decodeName(SetAsidePath(keeper.ResumePath()).c_str()));
      return;
    case TResumeLoad::Loaded:
      break;
  }
  // Another player's deal waits for that player.
  if (point.Deal.Player != championsDialog_->CurChemp.NameText()) return;
  const QString question = texts_[kResumeQuestionText];
  const bool yes = AskYesNo ? AskYesNo(question)
                            : QMessageBox::question(this, windowTitle(), question,
                                                    QMessageBox::Yes | QMessageBox::No,
                                                    QMessageBox::Yes) == QMessageBox::Yes;
  if (!yes || !RestoreDeal(point)) keeper.Abandon();
}

bool TMainWindow::RestoreDeal(const TResumePoint& point) {
  TGame& g = *engine_;
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
  g.Chooser = point.Deal.Opponent == "strong" ? static_cast<ICompChooser*>(strong_.get())
              : point.Deal.Opponent == "easy" ? easy_.get()
                                              : nullptr;
  // Every card face up and still, off the table unless a list places it below.
  for (TCardWidget* card : parts_.Cards) {
    card->SetCardState(1);
    if (card->Turned()) card->Turn();
    card->SetClickable(false);
    card->SetHandCursor(false);
    card->SetHotMouse(marks.Cards[card->Tag() - 1]->HotMouse());
  }
  for (const TCardInfo& k : g.PlayerHand) {
    parts_.Cards[k.Tag - 1]->SetClickable(true);
    parts_.Cards[k.Tag - 1]->SetHandCursor(true);
  }
  for (const TCardInfo& k : g.CompHand) parts_.Cards[k.Tag - 1]->SetCardState(0);
  for (int b = durak::TakeButton; b <= durak::DefendButton; ++b)
    g.SetButton(static_cast<TButton>(b), g.ButtonVisible[b]);
  tableView_->SetTrumpPicture(g.Trump);
  tableView_->SetTrumpVisible(true);
  g.ShowScore();
  g.ShowSpeech(sayClear);
  KeeperOf(*this).ResumeDeal(point);
  strong_->Played = point.Deal.Computer;
  // The stock, the hands and the table's pairs where the layout puts them.
  ArrangeTable();
  ShowDealNumber();
  keys_->Narrate();
  return true;
}

}  // namespace durak

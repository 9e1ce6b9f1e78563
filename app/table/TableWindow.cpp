#include "TableWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QRandomGenerator>
#include <QThread>
#include <algorithm>

#include "CardLists.h"
#include "CardWidget.h"
#include "MainWindow.h"
#include "PaintedPanel.h"
#include "ProgramFonts.h"
#include "RaisedButton.h"
#include "TableDealRecord.h"
#include "TextIds.h"

namespace durak {

using namespace durak::table;

namespace {

// The computer players' level as the table names it.
std::string LevelOf(int opponent) {
  return opponent == kOpponentStrong ? "strong" : opponent == kOpponentEasy ? "easy" : "ordinary";
}

}  // namespace

TTableWindow::TTableWindow(TMainWindow& form) : form_(form) {
  CreateSeatLabels();
}

TTableWindow::~TTableWindow() {
  for (QLabel* l : labels_) delete l;
}

void TTableWindow::CreateSeatLabels() {
  for (int seat = 0; seat < 4; ++seat) {
    auto* label = new QLabel(form_.Parts().TablePanel);
    label->setObjectName(QStringLiteral("SeatLine%1").arg(seat));
    label->setTextFormat(Qt::PlainText);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->hide();
    labels_[static_cast<size_t>(seat)] = label;
  }
}

QString TTableWindow::SeatName(int seat) const {
  const TTextTable& t = form_.Texts();
  if (seat == TTableGame::kPerson) return t[kPersonSeatText];
  // At three the seats are Анна and Борис; at four Анна, Борис and Вера.
  return t[SeatNameText(std::clamp(seat, 1, 3))];
}

void TTableWindow::NewGame(int seats) {
  ++generation_;
  busy_ = false;
  form_.Game().Busy = false;
  seats_ = seats == 4 ? 4 : 3;
  level_ = LevelOf(form_.Settings().Opponent);
  game_ = std::make_unique<TTableGame>(seats_, level_, QRandomGenerator::global()->generate64());
  game_->NewGame();
  dealt_ = false;
  shownTable_.clear();
  shownAttacker_ = shownDefender_ = shownToMove_ = -1;
  personFool_ = personSafe_ = 0;
  form_.Parts().PassButton->hide();
  // The two-player engine sweeps every card off the table and shows "Замесить".
  form_.Game().NewGame();
  form_.TableView().SetLed(ComputerScoreLed, 0);
  form_.TableView().SetLed(PlayerScoreLed, 0);
  for (QLabel* l : labels_) l->hide();
  form_.ArrangeTable();  // the card size and the plan for the table
  form_.ShowDealNumber();
}

void TTableWindow::Leave() {
  ++generation_;
  busy_ = false;
  form_.Game().Busy = false;
  game_.reset();
  seats_ = 0;
  dealt_ = false;
  for (QLabel* l : labels_) l->hide();
  form_.Parts().PassButton->hide();
  for (TCardWidget* c : form_.Parts().Cards)
    if (c->Turned()) c->Turn();
}

bool TTableWindow::BetweenDeals() const {
  return !game_ || !dealt_ || game_->State().Over();
}

void TTableWindow::OptionsChanged() {
  if (dealt_ && !busy_) {
    LayOut();
    ShowPersonTurn();
  }
}

void TTableWindow::ApplyTexts() {
  form_.Parts().PassButton->setText(form_.Texts()[kPassButtonText]);
  const QString letter = form_.Texts()[kPassKeyText];
  form_.Parts().PassButton->SetKeyLetter(letter.size() == 1 ? letter.at(0) : QChar());
  UpdateSeatLabels();
}

void TTableWindow::Deal() {
  if (!game_ || busy_ || !BetweenDeals()) return;
  ++generation_;
  busy_ = true;
  form_.Game().Busy = true;
  // The level chosen in the options plays from this deal on.
  const std::string level = LevelOf(form_.Settings().Opponent);
  if (level != level_) {
    game_->SetLevel(level, QRandomGenerator::global()->generate64());
    level_ = level;
  }
  HideButtons();
  form_.TableView().SetButtonVisible(DealButton, false);
  form_.TableView().SetSpeechText(std::string());
  TTableRules rules;
  rules.Transfer = (form_.Game().Options & arTransfer) != 0;
  rules.MultiLead = (form_.Game().Options & arMultiLead) != 0;
  dealNumber_ = DealNumbers ? DealNumbers() : QRandomGenerator::global()->generate();
  // With fixed numbers the computer players start afresh from the deal's number too.
  if (DealNumbers) game_->SetLevel(level_, dealNumber_);
  const TTableEvents events = game_->Deal(rules, dealNumber_);
  dealt_ = true;
  form_.ShowDealNumber();
  ShowDeal(events);
  Advance();
}

int TTableWindow::Pause() const {
  // The speed setting runs 10 (slow) to 100 (fast).
  const int speed = std::clamp(form_.Game().GlideSpeed, 10, 100);
  return 12000 / (speed + 20);
}

bool TTableWindow::AutoPassDue() const {
  const TTableState& s = game_->State();
  if (s.Phase != tpThrowIn && s.Phase != tpTakeThrowIn) return false;
  if (s.Attacker == TTableGame::kPerson) return false;  // the attacker says "Бито" itself
  TTableMoves moves;
  game_->PersonMoves(moves);
  return moves.Count == 1 && moves.Items[0].Kind == tmPass;
}

void TTableWindow::Advance() {
  const int generation = generation_;
  busy_ = true;
  form_.Game().Busy = true;
  HideButtons();
  for (TCardWidget* c : form_.Parts().Cards)
    if (c->HotMouse()) c->SetHotMouse(false);
  while (generation == generation_ && game_ && !game_->State().Over()) {
    TTableEvents events;
    if (game_->PersonToMove()) {
      if (!AutoPassDue()) break;
      game_->PersonPlays(TTableMove{tmPass, 0, 0}, &events);
      ShowEvents(events);
      continue;
    }
    // A moment to see the last move; the window keeps answering meanwhile.
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < Pause() && generation == generation_) {
      QCoreApplication::processEvents();
      QThread::msleep(10);
    }
    if (generation != generation_) return;
    if (!game_->ComputerPlays(&events)) break;
    ShowEvents(events);
  }
  if (generation != generation_) return;
  busy_ = false;
  form_.Game().Busy = false;
  if (game_->State().Over())
    EndOfDeal();
  else
    ShowPersonTurn();
}

void TTableWindow::PlayPerson(const TTableMove& move) {
  if (!game_ || busy_) return;
  TTableEvents events;
  if (!game_->PersonPlays(move, &events)) return;
  form_.Keys().ForgetHint();
  ShowEvents(events);
  Advance();
}

void TTableWindow::HideButtons() {
  for (TButton b : {TakeButton, ComputerTakesButton, DiscardButton, DefendButton})
    form_.TableView().SetButtonVisible(b, false);
  form_.Parts().PassButton->hide();
  form_.Parts().ArrangeBottomBar();
}

void TTableWindow::ShowPersonTurn() {
  HideButtons();
  if (!game_ || !game_->PersonToMove()) return;
  const TTableState& s = game_->State();
  TTableMoves moves;
  game_->PersonMoves(moves);
  const bool hot = (form_.Game().Options & arHotCards) != 0;
  for (TCardWidget* c : form_.Parts().Cards) {
    if (!PersonHolds(c->Tag())) continue;
    bool playable = false;
    for (const TTableMove& m : moves)
      if (m.Card == c->Tag()) playable = true;
    if (c->HotMouse() != (hot && playable)) c->SetHotMouse(hot && playable);
  }
  bool mayPass = false, mayTake = false;
  for (const TTableMove& m : moves) {
    if (m.Kind == tmPass) mayPass = true;
    if (m.Kind == tmTake) mayTake = true;
  }
  if (mayTake) form_.TableView().SetButtonVisible(TakeButton, true);  // "Беру"
  if (mayPass) {
    if (s.Phase == tpLeadMore)
      form_.TableView().SetButtonVisible(DefendButton, true);  // "Бейся"
    else if (s.Phase == tpTakeThrowIn)
      form_.TableView().SetButtonVisible(ComputerTakesButton, true);  // "Забирай"
    else if (s.Attacker == TTableGame::kPerson)
      form_.TableView().SetButtonVisible(DiscardButton, true);  // "Бито"
    else
      form_.Parts().PassButton->show();  // "Пас"
  }
  form_.Parts().ArrangeBottomBar();
}

void TTableWindow::EndOfDeal() {
  HideButtons();
  const TTableState& s = game_->State();
  if (s.Fool == TTableGame::kPerson)
    ++personFool_;
  else
    ++personSafe_;
  form_.TableView().SetLed(ComputerScoreLed, personFool_);
  form_.TableView().SetLed(PlayerScoreLed, personSafe_);
  form_.TableView().SetButtonVisible(DealButton, true);
  form_.KeepTableDeal(TableDealRecord(*game_, dealNumber_, form_.Game().Options));
}

void TTableWindow::ArrangeTable() {
  if (!game_) return;
  LayOut();
}

}  // namespace durak

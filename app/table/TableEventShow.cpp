// What a move at the table of three or four brought about, shown as it happens: the cards
// glide from and to every seat, each seat's line follows its card count and role, the
// computer players' remarks go to the speech line with the speaker's name, and a screen
// reader hears each move with the name of the seat that made it.
#include <QLabel>
#include <QStringList>
#include <algorithm>

#include "Announcer.h"
#include "CardWidget.h"
#include "LedDisplay.h"
#include "MainWindow.h"
#include "PaintedPanel.h"
#include "TableWindow.h"
#include "TextIds.h"

namespace durak {

using namespace durak::table;

namespace {

QString LowerFirst(QString text) {
  if (!text.isEmpty()) text[0] = text[0].toLower();
  return text;
}

}  // namespace

QString TTableWindow::CardWords(int tag) const {
  const TTextTable& t = form_.Texts();
  if (tag < 1 || tag > 36 || t[kCardNameText].isEmpty()) return {};
  const int rank = RankOf(tag), suit = SuitOf(tag);
  const QString name = t[kCardNameText].arg(t[RankNameText(rank)], t[SuitWordText(suit)]);
  return suit == TrumpSuit() && !t[kTrumpCardText].isEmpty() ? t[kTrumpCardText].arg(name) : name;
}

void TTableWindow::Say(const QString& line) {
  if (!line.isEmpty() && form_.Keys().Announcer()) form_.Keys().Announcer()->Say(line);
}

void TTableWindow::Remark(int seat, const QString& words) {
  const QString& format = form_.Texts()[kRemarkText];
  const QString line = format.isEmpty() ? words : format.arg(SeatName(seat), words);
  form_.TableView().SetSpeechText(line.toStdString());
}

void TTableWindow::GlideTo(TCardWidget* card, QPoint to, bool faceUp) {
  if (card->Turned()) card->Turn();
  card->SetClickable(false);
  card->SetHandCursor(false);
  if (card->HotMouse()) card->SetHotMouse(false);
  card->raise();
  const int step = form_.Game().GlideStep(form_.Game().GlideSpeed);
  if ((card->CardState() == 1) != faceUp)
    card->FlipMoveTo(to.x(), to.y(), 0, step);
  else
    card->MoveTo(to.x(), to.y(), 0, step, false);
}

void TTableWindow::ShowDeal(const TTableEvents& events) {
  const TTableState& s = game_->State();
  form_.TableView().SetTrumpVisible(false);
  LayOut();  // the plan for the current size; the seats' lines wait for the cards
  for (QLabel* l : labels_) l->hide();
  // The whole pack face down in the middle of the table.
  const QPoint middle =
      plan_.PairsArea.center() - QPoint(plan_.CardWidth / 2, plan_.CardHeight / 2);
  for (TCardWidget* c : form_.Parts().Cards) {
    if (c->Turned()) c->Turn();
    c->SetCardState(0);
    if (c->HotMouse()) c->SetHotMouse(false);
    c->SetClickable(false);
    c->SetHandCursor(false);
    c->SetBounds(middle.x(), middle.y(), c->width(), c->height());
  }
  form_.TableView().SetTrumpPicture(s.Trump);
  form_.TableView().ProcessMessages();
  // Six rounds, one card to each seat in turn, the person's face up.
  std::array<std::vector<int>, 4> hands;
  for (int seat = 0; seat < seats_; ++seat)
    for (TCards h = s.Hand[static_cast<size_t>(seat)]; h; h &= h - 1)
      hands[static_cast<size_t>(seat)].push_back(Lowest(h));
  shownCount_.fill(0);
  for (size_t round = 0; round < static_cast<size_t>(kHandSize); ++round) {
    for (int k = 1; k <= seats_; ++k) {
      const int seat = k % seats_;  // the dealer is the person: the deal begins at the left
      const auto& hand = hands[static_cast<size_t>(seat)];
      if (round >= hand.size()) continue;
      GlideTo(CardOf(hand[round]), HandPlaceOf(seat, hand[round]), seat == TTableGame::kPerson);
    }
  }
  // The trump card turned up across the stock's foot.
  if (s.StockCount > 0) {
    TCardWidget* trump = CardOf(s.Stock[0]);
    GlideTo(trump, plan_.StockAt, true);
  }
  form_.TableView().SetTrumpVisible(true);
  LayOut();
  for (const TTableEvent& e : events) {
    if (e.Kind == teDealt && e.Card) Remark(e.Seat, CardWords(e.Card));
  }
  ShowEvents(events);
}

// One pass over the events in the order they happened, kept whole: the glides, the remarks,
// the sounds and the lines for a reader share the state of the bout as it is being shown
// (the draws waiting to be told, whether a lead was beaten, whether the defender takes), and
// split up they would have to pass it around.
void TTableWindow::ShowEvents(const TTableEvents& events) {
  const TTextTable& t = form_.Texts();
  // Cards drawn are told once per seat: the person's by name, the others' by number.
  std::array<QStringList, 4> drawn;
  auto flushDraws = [&] {
    for (int seat = 0; seat < seats_; ++seat) {
      QStringList& cards = drawn[static_cast<size_t>(seat)];
      if (cards.isEmpty()) continue;
      if (seat == TTableGame::kPerson)
        Say(t[kPlayerDrawsText].isEmpty()
                ? QString()
                : t[kPlayerDrawsText].arg(cards.join(QStringLiteral(", "))));
      else if (!t[kSeatDrawsText].isEmpty())
        Say(t[kSeatDrawsText].arg(SeatName(seat)).arg(cards.size()));
      cards.clear();
    }
  };
  bool& boutBeaten = shownBeaten_;
  bool& taking = shownTaking_;
  // The two-player game's sounds, through its engine (idle at the table), which heeds the
  // sound option.
  const auto sound = [this](TSound id) { form_.Game().PlaySoundEffect(id); };
  for (const TTableEvent& e : events) {
    const int seat = e.Seat;  // NOLINT(bugprone-signed-char-misuse): a seat number or -1
    const bool computer = seat > 0 && seat < seats_;
    const size_t slot = std::min<size_t>(e.Slot, 5);
    switch (e.Kind) {
      case tePlay: {
        sound(snPutDown);
        GlideTo(CardOf(e.Card), plan_.AttackAt[slot], true);
        shownTable_.push_back(e.Card);
        shownAttack_[slot] = e.Card;
        --shownCount_[static_cast<size_t>(seat)];
        const bool lead = seat == shownAttacker_ && !boutBeaten &&
                          (e.Slot == 0 || static_cast<int>(shownTable_.size()) == e.Slot + 1);
        if (computer)
          Say((lead ? t[kSeatLeadsText] : t[kSeatThrowsInText])
                  .arg(SeatName(seat), CardWords(e.Card)));
        break;
      }
      case teBeat: {
        sound(snPutDown);
        GlideTo(CardOf(e.Card), plan_.CoverAt[slot], true);
        shownTable_.push_back(e.Card);
        --shownCount_[static_cast<size_t>(seat)];
        boutBeaten = true;
        const int attack = shownAttack_[slot];
        if (computer)
          Say(t[kSeatBeatsText].arg(SeatName(seat), LowerFirst(CardWords(attack)),
                                    LowerFirst(CardWords(e.Card))));
        break;
      }
      case teTransfer:
        sound(snPutDown);
        GlideTo(CardOf(e.Card), plan_.AttackAt[slot], true);
        shownTable_.push_back(e.Card);
        shownAttack_[slot] = e.Card;
        --shownCount_[static_cast<size_t>(seat)];
        shownAttacker_ = seat;
        shownDefender_ = e.Other;  // NOLINT(bugprone-signed-char-misuse): a seat or -1
        if (computer) {
          Remark(seat, t[kTransferRemarkText]);
          Say(t[kSeatTransfersText].arg(SeatName(seat), CardWords(e.Card)));
        }
        break;
      case teTakes:
        taking = true;
        if (computer) Remark(seat, t[kTakeRemarkText]);
        break;
      case tePass:
        // The attacker's word when it adds no more: "Бейся!" after a lead, "Бито." when all
        // is beaten. The others pass quietly, and so does everyone while the defender takes.
        if (computer && seat == shownAttacker_ && !taking)
          Remark(seat, boutBeaten ? t[kDoneRemarkText] : t[kDefendRemarkText]);
        break;
      case teDiscard:
        sound(snDiscard);
        for (int tag : shownTable_) {
          TCardWidget* c = CardOf(tag);
          GlideTo(c, QPoint(OffTableLeft(c->width()), c->y()), true);
        }
        shownTable_.clear();
        shownAttack_.fill(0);
        Say(t[kDiscardedText]);
        break;
      case tePickUp:
        sound(snTake);
        for (int tag : shownTable_)
          GlideTo(CardOf(tag), HandPlaceOf(seat, tag), seat == TTableGame::kPerson);
        shownCount_[static_cast<size_t>(seat)] += static_cast<int>(shownTable_.size());
        shownTable_.clear();
        shownAttack_.fill(0);
        if (seat == TTableGame::kPerson)
          Say(t[kPlayerTakesText]);
        else if (!t[kSeatTakesText].isEmpty())
          Say(t[kSeatTakesText].arg(SeatName(seat)));
        break;
      case teDraw:
        GlideTo(CardOf(e.Card), HandPlaceOf(seat, e.Card), seat == TTableGame::kPerson);
        ++shownCount_[static_cast<size_t>(seat)];
        form_.TableView().SetLed(StockLed, std::max(0, form_.Parts().StockLed->Number() - 1));
        drawn[static_cast<size_t>(seat)] << LowerFirst(CardWords(e.Card));
        break;
      case teOut:
        flushDraws();
        Say(seat == TTableGame::kPerson ? t[kPersonOutText] : t[kSeatOutText].arg(SeatName(seat)));
        break;
      case teBout:
        flushDraws();
        boutBeaten = false;
        taking = false;
        shownAttacker_ = seat;
        shownDefender_ = e.Other;  // NOLINT(bugprone-signed-char-misuse): a seat or -1
        if (!t[kBoutRolesText].isEmpty())
          Say(t[kBoutRolesText].arg(SeatName(seat), SeatName(e.Other)));
        break;
      case teOver: {
        flushDraws();
        const QString outcome = seat < 0 ? t[kNoFoolText]
                                : seat == TTableGame::kPerson
                                    ? t[kPersonFoolText]
                                    : t[kSeatFoolText].arg(SeatName(seat));
        form_.TableView().SetSpeechText(outcome.toStdString());
        sound(seat == TTableGame::kPerson ? snCompWon : snPlayerWon);
        shownAttacker_ = shownDefender_ = shownToMove_ = -1;
        break;
      }
      default:
        break;
    }
    if (e.Kind != teOver && e.Kind != teDealt) shownToMove_ = -2;  // nobody until it settles
    UpdateSeatLabels();
  }
  flushDraws();
  LayOut();
  if (form_.Keys().Announcer()) form_.Keys().Announcer()->Flush();
}

}  // namespace durak

// Where the cards of a table of three or four rest: the hands spread along their seats,
// the pairs in the middle, the stock leaning in its corner with the trump card across its
// foot, the discard off the table; and the seats' lines with name, card count and role.
#include <QLabel>
#include <algorithm>

#include "CardLists.h"
#include "CardWidget.h"
#include "MainWindow.h"
#include "PaintedPanel.h"
#include "ProgramFonts.h"
#include "TableWindow.h"
#include "TextIds.h"

namespace durak {

using namespace durak::table;

namespace {

// The cards of a set, lowest tag first.
std::vector<int> TagsOf(TCards set) {
  std::vector<int> tags;
  for (; set; set &= set - 1) tags.push_back(Lowest(set));
  return tags;
}

void StandUp(TCardWidget* c) {
  if (c->Turned()) c->Turn();
}

void ShowSide(TCardWidget* c, bool faceUp) {
  if (c->CardState() != (faceUp ? 1 : 0)) c->SetCardState(faceUp ? 1 : 0);
}

}  // namespace

TCardWidget* TTableWindow::CardOf(int tag) const {
  return tag >= 1 && tag <= 36 ? form_.Parts().Cards[static_cast<size_t>(tag - 1)] : nullptr;
}

bool TTableWindow::PersonHolds(int tag) const {
  return game_ && dealt_ && tag >= 1 && tag <= 36 &&
         (game_->State().Hand[TTableGame::kPerson] & Bit(tag)) != 0;
}

int TTableWindow::TrumpSuit() const {
  return game_ && dealt_ ? game_->State().Trump : 0;
}

// The hand of a seat in the order it lies: the person's as the hand order setting sorts
// it, a computer seat's in a fixed order that tells nothing.
static std::vector<int> HandOrder(const TTableState& s, int seat, int sortKind) {
  std::vector<int> tags = TagsOf(s.Hand[static_cast<size_t>(seat)]);
  if (seat != TTableGame::kPerson || tags.size() < 2) return tags;
  TCardList hand;
  for (int tag : tags) hand.push_back(CardInfoOfTag(tag));
  SortHand(hand, sortKind, s.Trump);
  for (size_t i = 0; i < hand.size(); ++i) tags[i] = hand[i].Tag;
  return tags;
}

QPoint TTableWindow::HandPlaceOf(int seat, int tag) const {
  const TTableState& s = game_->State();
  const TSeatSpot& spot = plan_.Seats[static_cast<size_t>(seat)];
  const std::vector<int> order = HandOrder(s, seat, form_.Game().HandOrder);
  const int cw = plan_.CardWidth, ch = plan_.CardHeight;
  const int widest = seat == TTableGame::kPerson ? cw + 6 : spot.Column ? ch / 4 : cw / 3;
  const std::vector<QPoint> at = SpreadHand(spot, static_cast<int>(order.size()), cw, ch, widest);
  for (size_t i = 0; i < order.size(); ++i)
    if (order[i] == tag) return at[i];
  return QPoint(spot.Area.center().x() - cw / 2, spot.Area.center().y() - ch / 2);
}

void TTableWindow::PlaceHand(int seat) {
  const TTableState& s = game_->State();
  const TSeatSpot& spot = plan_.Seats[static_cast<size_t>(seat)];
  const std::vector<int> order = HandOrder(s, seat, form_.Game().HandOrder);
  const int cw = plan_.CardWidth, ch = plan_.CardHeight;
  const int widest = seat == TTableGame::kPerson ? cw + 6 : spot.Column ? ch / 4 : cw / 3;
  const std::vector<QPoint> at = SpreadHand(spot, static_cast<int>(order.size()), cw, ch, widest);
  const bool person = seat == TTableGame::kPerson;
  for (size_t i = 0; i < order.size(); ++i) {
    TCardWidget* c = CardOf(order[i]);
    StandUp(c);
    // The computer players' cards are shown once the deal is over.
    ShowSide(c, person || s.Over());
    c->SetBounds(at[i].x(), at[i].y(), c->width(), c->height());
    c->SetClickable(person);
    c->SetHandCursor(person);
    c->raise();
  }
}

void TTableWindow::PlaceStock() {
  const TTableState& s = game_->State();
  form_.TableView().SetLed(StockLed, s.StockCount);
  if (s.StockCount > 0) {
    TCardWidget* trump = CardOf(s.Stock[0]);
    ShowSide(trump, true);
    if (!trump->Turned()) trump->Turn();
    trump->SetBounds(plan_.TrumpAt.x(), plan_.TrumpAt.y(), trump->width(), trump->height());
    trump->SetClickable(false);
    trump->SetHandCursor(false);
    trump->raise();
  }
  for (int i = 1; i < s.StockCount; ++i) {
    TCardWidget* c = CardOf(s.Stock[static_cast<size_t>(i)]);
    StandUp(c);
    ShowSide(c, false);
    const int d = (i - 1) * kStockLean / 22;
    c->SetBounds(plan_.StockAt.x() + d, plan_.StockAt.y() - d, c->width(), c->height());
    c->SetClickable(false);
    c->SetHandCursor(false);
    c->raise();
  }
  // Under the stock the trump suit's picture, which stays once the stock is gone.
  form_.TableView().PlaceTrumpPicture(
      plan_.StockAt.x() + (plan_.CardWidth - form_.TableView().TrumpPictureWidth()) / 2,
      plan_.StockAt.y() + (plan_.CardHeight - form_.TableView().TrumpPictureHeight()) / 2);
}

void TTableWindow::LayOut() {
  QWidget* table = form_.Parts().TablePanel;
  const int cw = form_.CardSize().Width, ch = form_.CardSize().Height;
  const int lineHeight = SeatLineHeight(ch);
  plan_ = PlanTable(seats_, table->width(), table->height(), cw, ch, lineHeight);
  const QFont font = ProgramPixelFont(QStringLiteral("Arial"), lineHeight * 7 / 10, true);
  for (int seat = 0; seat < 4; ++seat) {
    QLabel* l = labels_[static_cast<size_t>(seat)];
    l->setFont(font);
    l->setGeometry(plan_.Seats[static_cast<size_t>(seat)].Label);
    l->setAlignment(plan_.Seats[static_cast<size_t>(seat)].LabelAlign | Qt::AlignVCenter);
  }
  if (!dealt_ || !game_) {
    for (QLabel* l : labels_) l->hide();
    return;
  }
  const TTableState& s = game_->State();
  shownTable_.clear();
  shownAttack_.fill(0);
  for (int i = 0; i < s.AttackCount; ++i) {
    shownAttack_[static_cast<size_t>(i)] = s.Attack[static_cast<size_t>(i)];
    shownTable_.push_back(s.Attack[static_cast<size_t>(i)]);
    if (s.Cover[static_cast<size_t>(i)]) shownTable_.push_back(s.Cover[static_cast<size_t>(i)]);
  }
  for (int tag : TagsOf(s.Discard)) {
    TCardWidget* c = CardOf(tag);
    StandUp(c);
    c->SetBounds(OffTableLeft(c->width()), c->y(), c->width(), c->height());
    c->SetClickable(false);
  }
  PlaceStock();
  for (int seat = 0; seat < seats_; ++seat) PlaceHand(seat);
  for (int i = 0; i < s.AttackCount; ++i) {
    for (const bool cover : {false, true}) {
      const int tag = cover ? s.Cover[static_cast<size_t>(i)] : s.Attack[static_cast<size_t>(i)];
      if (!tag) continue;
      TCardWidget* c = CardOf(tag);
      StandUp(c);
      ShowSide(c, true);
      const QPoint at =
          cover ? plan_.CoverAt[static_cast<size_t>(i)] : plan_.AttackAt[static_cast<size_t>(i)];
      c->SetBounds(at.x(), at.y(), c->width(), c->height());
      c->SetClickable(false);
      c->SetHandCursor(false);
      c->raise();
    }
  }
  for (int seat = 0; seat < seats_; ++seat)
    shownCount_[static_cast<size_t>(seat)] = s.HandCount(seat);
  shownBeaten_ = false;
  for (int i = 0; i < s.AttackCount; ++i)
    shownBeaten_ = shownBeaten_ || s.Cover[static_cast<size_t>(i)] != 0;
  shownTaking_ = s.Phase == tpTakeThrowIn;
  if (!s.Over()) {
    shownAttacker_ = s.Attacker;
    shownDefender_ = s.Defender;
    shownToMove_ = s.ToMove;
  } else {
    shownAttacker_ = shownDefender_ = shownToMove_ = -1;
  }
  UpdateSeatLabels();
}

void TTableWindow::UpdateSeatLabels() {
  if (!game_ || !dealt_) return;
  const TTextTable& t = form_.Texts();
  const TTableState& s = game_->State();
  for (int seat = 0; seat < 4; ++seat) {
    QLabel* l = labels_[static_cast<size_t>(seat)];
    if (seat >= seats_) {
      l->hide();
      continue;
    }
    const int count = shownCount_[static_cast<size_t>(seat)];
    QString line = t[kSeatLineText].isEmpty() ? SeatName(seat)
                                              : t[kSeatLineText].arg(SeatName(seat)).arg(count);
    QString role;
    if (seat == shownDefender_)
      role = t[kDefendsRoleText];
    else if (seat == shownAttacker_)
      role = t[kAttacksRoleText];
    else if (count == 0 && s.StockCount == 0)
      role = t[kOutRoleText];
    if (!role.isEmpty()) line += QStringLiteral(" — ") + role;
    l->setText(line);
    // The seat whose decision is due stands out in yellow; the defender's line is red.
    const bool toMove = seat == shownToMove_;
    const bool defends = seat == shownDefender_;
    const QString colours = toMove ? QStringLiteral("color: black; background: #ffd84a;")
                            : defends
                                ? QStringLiteral("color: white; background: #a82828;")
                                : QStringLiteral("color: #ffff80; background: rgba(0, 0, 0, 110);");
    l->setStyleSheet(
        QStringLiteral("QLabel { %1 border-radius: 3px; padding: 0 4px; }").arg(colours));
    // The line is as wide as its words, within its place.
    const QRect place = plan_.Seats[static_cast<size_t>(seat)].Label;
    const int wanted = std::min(place.width(), l->sizeHint().width());
    QRect r(place.x(), place.y(), wanted, place.height());
    const Qt::Alignment align = plan_.Seats[static_cast<size_t>(seat)].LabelAlign;
    if (align & Qt::AlignRight)
      r.moveRight(place.right());
    else if (align & Qt::AlignHCenter)
      r.moveLeft(place.x() + (place.width() - wanted) / 2);
    l->setGeometry(r);
    l->setAccessibleName(line);
    l->show();
    l->raise();
  }
}

}  // namespace durak

// The person's part at the table of three or four: a card clicked (or played from the
// keyboard) becomes the move it can only mean, or the pick-a-pair menu asks which; the
// buttons pass, take or end a lead; the hint names the strong player's choice; and F5 and
// F6 read the table and the seats' card counts.
#include <QApplication>
#include <QLabel>
#include <QRandomGenerator>

#include "Announcer.h"
#include "CardWidget.h"
#include "HandFocus.h"
#include "MainWindow.h"
#include "PaintedPanel.h"
#include "RaisedButton.h"
#include "TablePlayers.h"
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

void TTableWindow::CardClicked(TCardWidget* card) {
  if (!game_ || busy_ || !game_->PersonToMove() || !PersonHolds(card->Tag())) return;
  TTableMoves moves;
  game_->PersonMoves(moves);
  std::vector<TTableMove> options;
  for (const TTableMove& m : moves)
    if (m.Card == card->Tag()) options.push_back(m);
  if (options.empty()) return;
  if (options.size() == 1) {
    PlayPerson(options.front());
    return;
  }
  // Several pairs this card beats, or a beat and a transfer: the menu asks which.
  const TGameTexts& words = form_.Game().Texts;
  const TTableState& s = game_->State();
  std::vector<TPairMenuItem> items;
  for (const TTableMove& m : options) {
    TPairMenuItem item;
    if (m.Kind == tmTransfer) {
      item.Tag = 6;
      item.Caption = words.PopupWords[1];
      item.PictureCard = m.Card;
      item.Arrow = true;
    } else {
      const int target = s.Attack[m.Slot];
      item.Tag = m.Slot;
      item.Caption = words.PopupWords[0] + " " +
                     words.RankWords[static_cast<size_t>(RankOf(target))] + " " +
                     words.SuitWords[static_cast<size_t>(SuitOf(target))];
      item.PictureCard = target;
    }
    items.push_back(item);
  }
  const int pick = form_.TableView().PopupPairMenu(items, card->x(), card->y() + card->height());
  card->RestoreFace();
  for (const TTableMove& m : options)
    if ((m.Kind == tmTransfer && pick == 6) || (m.Kind == tmBeat && pick == m.Slot)) {
      PlayPerson(m);
      return;
    }
}

void TTableWindow::ButtonClicked(TButton button) {
  if (!game_ || busy_) return;
  if (button == DealButton) {
    Deal();
    return;
  }
  if (!game_->PersonToMove()) return;
  TTableMoves moves;
  game_->PersonMoves(moves);
  const TTableMove wanted =
      button == TakeButton ? TTableMove{tmTake, 0, 0} : TTableMove{tmPass, 0, 0};
  if (moves.Contains(wanted)) PlayPerson(wanted);
}

void TTableWindow::PassClicked() {
  ButtonClicked(DiscardButton);
}

std::vector<TCardWidget*> TTableWindow::HandCards() const {
  std::vector<TCardWidget*> hand;
  if (!game_ || !dealt_) return hand;
  for (TCards h = game_->State().Hand[TTableGame::kPerson]; h; h &= h - 1) {
    TCardWidget* c = CardOf(Lowest(h));
    if (c->geometry().intersects(form_.Parts().TablePanel->rect())) hand.push_back(c);
  }
  return hand;
}

void TTableWindow::Hint() {
  form_.Keys().SetHintMenu(-1);
  if (!game_ || busy_ || !game_->PersonToMove()) {
    QApplication::beep();
    return;
  }
  // The strong player sees the table only as the person's seat knows it; the same table
  // always gets the same suggestion.
  const TTableMove m = StrongMove(game_->State(), 1);
  const TTextTable& t = form_.Texts();
  if (m.Kind == tmPlay || m.Kind == tmBeat || m.Kind == tmTransfer) {
    TCardWidget* card = CardOf(m.Card);
    form_.Keys().SetHintMenu(m.Kind == tmTransfer ? 6 : m.Kind == tmBeat ? m.Slot : -1);
    form_.Keys().HandFocus()->Show(card);
    form_.Keys().SetHintMarked(form_.Keys().HandFocus()->Card() != nullptr);
    if (!t[kHintPlayText].isEmpty()) Say(t[kHintPlayText].arg(LowerFirst(CardWords(m.Card))));
    if (form_.Keys().Announcer()) form_.Keys().Announcer()->Flush();
    return;
  }
  form_.Keys().SetHintMarked(false);
  form_.Keys().HandFocus()->Clear();
  // The button that makes the move, as it shows now.
  TRaisedButton* button = m.Kind == tmTake ? form_.Parts().TakeButton : nullptr;
  if (!button)
    for (TRaisedButton* b : {form_.Parts().DefendButton, form_.Parts().ComputerTakesButton,
                             form_.Parts().DiscardButton, form_.Parts().PassButton})
      if (!b->isHidden()) button = b;
  if (!button) return;
  const QString format =
      t[kHintButtonText].contains(QStringLiteral("%1")) ? t[kHintButtonText] : QStringLiteral("%1");
  form_.Parts().SpeechLabel->setText(format.arg(button->text()));
  Say(format.arg(button->text().remove(u'&')));
  if (form_.Keys().Announcer()) form_.Keys().Announcer()->Flush();
}

QString TTableWindow::TableReading() const {
  const TTextTable& t = form_.Texts();
  if (!game_ || !dealt_) return t[kEmptyTableText];
  const TTableState& s = game_->State();
  QStringList parts;
  if (!s.Over() && !t[kBoutRolesText].isEmpty())
    parts << t[kBoutRolesText].arg(SeatName(s.Attacker), SeatName(s.Defender));
  for (int i = 0; i < s.AttackCount; ++i) {
    const int a = s.Attack[static_cast<size_t>(i)], c = s.Cover[static_cast<size_t>(i)];
    if (c)
      parts << t[kBeatenPairText].arg(CardWords(a), LowerFirst(CardWords(c)));
    else
      parts << t[kOpenPairText].arg(CardWords(a));
  }
  if (s.AttackCount == 0) parts << t[kEmptyTableText];
  return parts.join(QStringLiteral("; "));
}

QString TTableWindow::StateReading() const {
  const TTextTable& t = form_.Texts();
  if (!game_ || !dealt_) return {};
  const TTableState& s = game_->State();
  QStringList parts;
  for (int seat = 1; seat < seats_; ++seat)
    if (!t[kSeatCardsText].isEmpty())
      parts << t[kSeatCardsText].arg(SeatName(seat)).arg(s.HandCount(seat));
  if (!t[kStockLedText].isEmpty()) parts << t[kStockLedText].arg(s.StockCount);
  if (s.StockCount > 0 && !t[kTrumpUnderStockText].isEmpty())
    parts << t[kTrumpUnderStockText].arg(LowerFirst(CardWords(s.Stock[0])));
  else if (!t[kTrumpSuitText].isEmpty())
    parts << t[kTrumpSuitText].arg(t[SuitWordText(s.Trump)]);
  return parts.join(QStringLiteral(". "));
}

}  // namespace durak

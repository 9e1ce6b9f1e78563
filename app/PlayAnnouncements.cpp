// The play told to a screen reader as it goes: the narrator's lines and the computer's
// words go out through the announcer; F5 and F6 read the table and the state on demand;
// when a bout begins the keyboard's mark waits on the hand, so the arrows act at once.
#include <QAccessible>
#include <QTimer>

#include "Announcer.h"
#include "CardWidget.h"
#include "HandFocus.h"
#include "KeyboardAccess.h"
#include "LedDisplay.h"
#include "MainWindow.h"
#include "PaintedPanel.h"
#include "PlayNarrator.h"
#include "RaisedButton.h"
#include "TextIds.h"

namespace durak {

namespace {
QString LowerFirst(QString text) {
  if (!text.isEmpty()) text[0] = text[0].toLower();
  return text;
}
}  // namespace

void TKeyboardAccess::CreateAnnouncer() {
  announcer_ = new TAnnouncer(Parts().ButtonBar);
  announcer_->move(0, 0);
  narrator_ = std::make_unique<TPlayNarrator>(
      Texts(), [this](int tag) { return CardName(Parts().Cards[tag - 1]); },
      [this](TButton b) { return Parts().ButtonOf(b)->text().remove(u'&'); });
}

void TKeyboardAccess::Narrate() {
  if (!narrator_ || !window_.TextsLoaded()) return;
  for (const QString& line : narrator_->Observe(Game())) announcer_->Say(line);
  UpdateAccessibleTexts();  // the computer's counter names its card count
  if (narrator_->BoutBegan() && Game().DealResult == drGoesOn) {
    MarkHandForNextBout();
  } else {
    KeepAutoMarkFirst();
  }
}

void TKeyboardAccess::MarkHandForNextBout() {
  // A player of the mouse gets no frame; one who plays by keys, or by ear, finds it ready.
  if (!playsByKeys_ && !QAccessible::isActive()) return;
  TCardWidget* marked = handFocus_->Card();
  if (!marked || marked == autoMarked_) {
    handFocus_->Step(THandFocus::stFirst);
    marked = handFocus_->Card();
    autoMarked_ = marked;
  }
  // The card is named again, as a reader would name the focus coming back to it.
  if (marked) CardFocusMoved(marked);
  // Once the move is played out, the hand lies in its order: the first card then.
  QTimer::singleShot(0, &window_, [this] { KeepAutoMarkFirst(); });
}

void TKeyboardAccess::KeepAutoMarkFirst() {
  if (!autoMarked_ || handFocus_->Card() != autoMarked_) {
    autoMarked_ = nullptr;  // the player moved the mark, or it went
    return;
  }
  handFocus_->Step(THandFocus::stFirst);
  autoMarked_ = handFocus_->Card();
}

QString TKeyboardAccess::ComputerLedName() const {
  const QString score = Texts()[kHerLedText].isEmpty()
                            ? QString()
                            : Texts()[kHerLedText].arg(Parts().ComputerScoreLed->Number());
  const QString cards = Texts()[kCompCardsText].isEmpty()
                            ? QString()
                            : Texts()[kCompCardsText].arg(Game().CompHand.size());
  if (score.isEmpty() || cards.isEmpty()) return score + cards;
  return score + QStringLiteral(". ") + cards;
}

QString TKeyboardAccess::StateReading() const {
  QStringList parts;
  auto add = [&parts](const QString& pattern, const QString& value) {
    if (!pattern.isEmpty()) parts << pattern.arg(value);
  };
  add(Texts()[kCompCardsText], QString::number(Game().CompHand.size()));
  add(Texts()[kStockLedText], QString::number(Game().Deck.size()));
  if (!Game().Deck.empty()) {
    add(Texts()[kTrumpUnderStockText],
        LowerFirst(CardName(Parts().Cards[Game().Deck.front().Tag - 1])));
  } else if (Game().Trump >= 1 && Game().Trump <= 4 && !Game().PlayerHand.empty()) {
    add(Texts()[kTrumpSuitText], Texts()[SuitWordText(Game().Trump)]);
  }
  add(Texts()[kMyLedText], QString::number(Game().PlayerScore));
  add(Texts()[kHerLedText], QString::number(Game().ComputerScore));
  return parts.join(QStringLiteral(". "));
}

}  // namespace durak

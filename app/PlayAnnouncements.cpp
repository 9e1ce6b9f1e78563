// The play told to a screen reader as it goes: the narrator's lines and the computer's
// words go out through the announcer; F5 and F6 read the table and the state on demand;
// when a bout begins the keyboard's mark waits on the hand, so the arrows act at once.
#include <QAccessible>
#include <QTimer>

#include "Announcer.h"
#include "CardWidget.h"
#include "HandFocus.h"
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

void TMainWindow::CreateAnnouncer() {
  Announcer = new TAnnouncer(ButtonBar);
  Announcer->move(0, 0);
  Narrator = std::make_unique<TPlayNarrator>(
      Texts, [this](int tag) { return CardName(Cards[tag - 1]); },
      [this](TButton b) { return ButtonOf(b)->text().remove(u'&'); });
}

void TMainWindow::Narrate() {
  if (!Narrator || !TextsLoaded) return;
  for (const QString& line : Narrator->Observe(*Engine)) Announcer->Say(line);
  UpdateAccessibleTexts();  // the computer's counter names its card count
  if (Narrator->BoutBegan() && Engine->DealResult == drGoesOn) {
    MarkHandForNextBout();
  } else {
    KeepAutoMarkFirst();
  }
}

void TMainWindow::MarkHandForNextBout() {
  // A player of the mouse gets no frame; one who plays by keys, or by ear, finds it ready.
  if (!PlaysByKeys && !QAccessible::isActive()) return;
  TCardWidget* marked = HandFocus->Card();
  if (!marked || marked == AutoMarked) {
    HandFocus->Step(THandFocus::stFirst);
    marked = HandFocus->Card();
    AutoMarked = marked;
  }
  // The card is named again, as a reader would name the focus coming back to it.
  if (marked) CardFocusMoved(marked);
  // Once the move is played out, the hand lies in its order: the first card then.
  QTimer::singleShot(0, this, [this] { KeepAutoMarkFirst(); });
}

void TMainWindow::KeepAutoMarkFirst() {
  if (!AutoMarked || HandFocus->Card() != AutoMarked) {
    AutoMarked = nullptr;  // the player moved the mark, or it went
    return;
  }
  HandFocus->Step(THandFocus::stFirst);
  AutoMarked = HandFocus->Card();
}

QString TMainWindow::ComputerLedName() const {
  const QString score =
      Texts[kHerLedText].isEmpty() ? QString() : Texts[kHerLedText].arg(ComputerScoreLed->Number());
  const QString cards = Texts[kCompCardsText].isEmpty()
                            ? QString()
                            : Texts[kCompCardsText].arg(Engine->CompHand.size());
  if (score.isEmpty() || cards.isEmpty()) return score + cards;
  return score + QStringLiteral(". ") + cards;
}

QString TMainWindow::StateReading() const {
  QStringList parts;
  auto add = [&parts](const QString& pattern, const QString& value) {
    if (!pattern.isEmpty()) parts << pattern.arg(value);
  };
  add(Texts[kCompCardsText], QString::number(Engine->CompHand.size()));
  add(Texts[kStockLedText], QString::number(Engine->Deck.size()));
  if (!Engine->Deck.empty()) {
    add(Texts[kTrumpUnderStockText], LowerFirst(CardName(Cards[Engine->Deck.front().Tag - 1])));
  } else if (Engine->Trump >= 1 && Engine->Trump <= 4 && !Engine->PlayerHand.empty()) {
    add(Texts[kTrumpSuitText], Texts[SuitWordText(Engine->Trump)]);
  }
  add(Texts[kMyLedText], QString::number(Engine->PlayerScore));
  add(Texts[kHerLedText], QString::number(Engine->ComputerScore));
  return parts.join(QStringLiteral(". "));
}

}  // namespace durak

// Playing from the keyboard: the arrows move a mark along the hand, Enter or Space plays
// the marked card as a click would, Enter alone presses the command button shown, each
// command button answers to its letter, Escape takes the mark away.
#include <QKeyEvent>
#include <QWindow>

#include "Announcer.h"
#include "CardWidget.h"
#include "HandFocus.h"
#include "MainWindow.h"
#include "PaintedPanel.h"
#include "RaisedButton.h"
#include "TableWindow.h"
#include "TextIds.h"

namespace durak {

std::vector<TCardWidget*> TMainWindow::HandCards() const {
  if (TablePlaying()) return TableWindow->HandCards();
  std::vector<TCardWidget*> hand;
  for (const TCardInfo& k : Engine->PlayerHand) {
    if (k.Tag < 1 || k.Tag > 36) continue;
    // Only cards lying on the table: a new game sweeps the hand away without emptying
    // the list, and a swept card must not be played blind from the keyboard.
    TCardWidget* card = Cards[k.Tag - 1];
    if (card->geometry().intersects(TablePanel->rect())) hand.push_back(card);
  }
  return hand;
}

void TMainWindow::CreateHandFocus() {
  HandFocus = new THandFocus([this] { return HandCards(); }, TablePanel, Cards);
  HandFocus->OnMoved = [this](TCardWidget* card) { CardFocusMoved(card); };
}

// The command buttons from the right edge of the bar inwards, as they are laid out.
std::array<TRaisedButton*, 6> TMainWindow::ButtonsFromTheRight() const {
  return {DealButton, DefendButton, ComputerTakesButton, TakeButton, DiscardButton, PassButton};
}

TRaisedButton* TMainWindow::RightmostButton() const {
  for (TRaisedButton* b : ButtonsFromTheRight()) {
    if (!b->isHidden()) return b;
  }
  return nullptr;
}

void TMainWindow::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers mods = event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
  if (mods != Qt::NoModifier) {
    QMainWindow::keyPressEvent(event);
    return;
  }
  // A key that arrives while a move is still being played out (the game lets pending
  // input run between card moves) is dropped: it was pressed for the table as it was.
  if (KeyDepth > 0) {
    event->accept();
    return;
  }
  HandFocus->WatchMouse(windowHandle());
  AutoMarked = nullptr;  // the player's own keys decide where the mark goes from now
  PlaysByKeys = true;
  ++KeyDepth;
  const bool handled = HandleKey(*event);
  --KeyDepth;
  if (handled) {
    event->accept();
  } else {
    QMainWindow::keyPressEvent(event);
  }
}

bool TMainWindow::HandleKey(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Left:
      HandFocus->Step(THandFocus::stLeft);
      return true;
    case Qt::Key_Right:
      HandFocus->Step(THandFocus::stRight);
      return true;
    case Qt::Key_Home:
      HandFocus->Step(THandFocus::stFirst);
      return true;
    case Qt::Key_End:
      HandFocus->Step(THandFocus::stLast);
      return true;
    case Qt::Key_Escape:
      HandFocus->Clear();
      return true;
    case Qt::Key_F5:  // the table read out, pair by pair
      Announcer->Say(TablePlaying() ? TableWindow->TableReading() : TableDescription());
      Announcer->Flush();
      return true;
    case Qt::Key_F6:  // the computer's cards, the stock, the trump and the score
      Announcer->Say(TablePlaying() ? TableWindow->StateReading() : StateReading());
      Announcer->Flush();
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: {
      if (event.isAutoRepeat()) return true;  // holding the key down plays one card only
      if (TCardWidget* card = HandFocus->Card()) {
        PlayCardFromKeyboard(card);
      } else if (event.key() != Qt::Key_Space) {
        if (TRaisedButton* b = RightmostButton()) b->click();
      }
      return true;
    }
    default:
      break;
  }
  // The letter typed, or failing a text the key itself (a letter key's code is its
  // capital letter, Cyrillic ones included).
  QChar letter;
  if (event.text().size() == 1 && event.text().at(0).isLetter()) {
    letter = event.text().at(0).toUpper();
  } else if (event.key() > 0 && event.key() <= 0xffff && QChar(event.key()).isLetter()) {
    letter = QChar(event.key()).toUpper();
  }
  if (letter.isNull()) return false;
  for (TRaisedButton* b : ButtonsFromTheRight()) {
    if (b->isHidden() || b->KeyLetter().isNull() || b->KeyLetter().toUpper() != letter) continue;
    if (!event.isAutoRepeat()) b->click();
    return true;
  }
  return false;
}

void TMainWindow::PlayCardFromKeyboard(TCardWidget* card) {
  // Exactly what a click does; only a card that takes clicks answers.
  if (!card->Clickable() || !card->OnClick) return;
  KeyboardPlay = true;
  card->OnClick(card);
  KeyboardPlay = false;
}

}  // namespace durak

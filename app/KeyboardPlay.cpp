// Playing from the keyboard: the arrows move a mark along the hand, Enter or Space plays
// the marked card as a click would, Enter alone presses the command button shown, each
// command button answers to its letter, Escape takes the mark away.
#include <QKeyEvent>
#include <QWindow>

#include "Announcer.h"
#include "CardWidget.h"
#include "HandFocus.h"
#include "KeyboardAccess.h"
#include "MainWindow.h"
#include "PaintedPanel.h"
#include "PlayNarrator.h"
#include "RaisedButton.h"
#include "TableWindow.h"
#include "TextIds.h"

namespace durak {

TKeyboardAccess::TKeyboardAccess(TMainWindow& window) : window_(window) {
  handFocus_ = new THandFocus([this] { return HandCards(); }, Parts().TablePanel, Parts().Cards);
  handFocus_->OnMoved = [this](TCardWidget* card) { CardFocusMoved(card); };
  SetUpAccessibility();
  CreateAnnouncer();
}

TKeyboardAccess::~TKeyboardAccess() {
  ForgetAccessibility();
  // The mark watches the cards, which are hidden and freed after the engine is gone.
  delete handFocus_;
  handFocus_ = nullptr;
}

TGame& TKeyboardAccess::Game() const {
  return window_.Game();
}
const TWindowParts& TKeyboardAccess::Parts() const {
  return window_.Parts();
}
const TTextTable& TKeyboardAccess::Texts() const {
  return window_.Texts();
}
bool TKeyboardAccess::TablePlaying() const {
  return window_.TablePlaying();
}
TTableWindow* TKeyboardAccess::TableWindow() const {
  return window_.TableWindow();
}

std::vector<TCardWidget*> TKeyboardAccess::HandCards() const {
  if (TablePlaying()) return TableWindow()->HandCards();
  std::vector<TCardWidget*> hand;
  for (const TCardInfo& k : Game().PlayerHand) {
    if (k.Tag < 1 || k.Tag > 36) continue;
    // Only cards lying on the table: a new game sweeps the hand away without emptying
    // the list, and a swept card must not be played blind from the keyboard.
    TCardWidget* card = Parts().Cards[k.Tag - 1];
    if (card->geometry().intersects(Parts().TablePanel->rect())) hand.push_back(card);
  }
  return hand;
}

bool TKeyboardAccess::KeyPressed(const QKeyEvent& event) {
  const Qt::KeyboardModifiers mods = event.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
  if (mods != Qt::NoModifier) return false;
  // A key that arrives while a move is still being played out (the game lets pending
  // input run between card moves) is dropped: it was pressed for the table as it was.
  if (keyDepth_ > 0) return true;
  handFocus_->WatchMouse(window_.windowHandle());
  autoMarked_ = nullptr;  // the player's own keys decide where the mark goes from now
  playsByKeys_ = true;
  ++keyDepth_;
  const bool handled = HandleKey(event);
  --keyDepth_;
  return handled;
}

bool TKeyboardAccess::HandleKey(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Left:
      handFocus_->Step(THandFocus::stLeft);
      return true;
    case Qt::Key_Right:
      handFocus_->Step(THandFocus::stRight);
      return true;
    case Qt::Key_Home:
      handFocus_->Step(THandFocus::stFirst);
      return true;
    case Qt::Key_End:
      handFocus_->Step(THandFocus::stLast);
      return true;
    case Qt::Key_Escape:
      handFocus_->Clear();
      return true;
    case Qt::Key_F5:  // the table read out, pair by pair
      announcer_->Say(TablePlaying() ? TableWindow()->TableReading() : TableDescription());
      announcer_->Flush();
      return true;
    case Qt::Key_F6:  // the computer's cards, the stock, the trump and the score
      announcer_->Say(TablePlaying() ? TableWindow()->StateReading() : StateReading());
      announcer_->Flush();
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: {
      if (event.isAutoRepeat()) return true;  // holding the key down plays one card only
      if (TCardWidget* card = handFocus_->Card()) {
        PlayCardFromKeyboard(card);
      } else if (event.key() != Qt::Key_Space) {
        if (TRaisedButton* b = Parts().RightmostButton()) b->click();
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
  for (TRaisedButton* b : Parts().ButtonsFromTheRight()) {
    if (b->isHidden() || b->KeyLetter().isNull() || b->KeyLetter().toUpper() != letter) continue;
    if (!event.isAutoRepeat()) b->click();
    return true;
  }
  return false;
}

void TKeyboardAccess::PlayCardFromKeyboard(TCardWidget* card) {
  // Exactly what a click does; only a card that takes clicks answers.
  if (!card->Clickable() || !card->OnClick) return;
  keyboardPlay_ = true;
  card->OnClick(card);
  keyboardPlay_ = false;
}

void TKeyboardAccess::MouseClicked() {
  if (!keyboardPlay_) playsByKeys_ = false;
}

void TKeyboardAccess::ForgetHint() {
  hintMenu_ = -1;
  if (!hintMarked_) return;
  hintMarked_ = false;
  // A card played from the keyboard leaves the frame to the keys, which pass it on along
  // the hand; otherwise the suggestion's mark goes with the move that followed it.
  if (!keyboardPlay_) handFocus_->Clear();
}

void TKeyboardAccess::ClearMark() {
  hintMarked_ = false;
  handFocus_->Clear();
}

}  // namespace durak

// The keyboard's focus mark on the player's hand: a frame in the hot-card colour around
// one card, moved along the hand with the arrow keys. It stays on its card when the hand
// is sorted again or refilled, passes to the neighbour when its card leaves the hand, and
// hides while the mouse is used.
#pragma once

#include <QColor>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <functional>
#include <vector>

class QWidget;

namespace durak {

class TCardWidget;

class THandFocus : public QObject {
 public:
  // hand: the cards of the player's hand, in any order; table: the surface they lie on.
  THandFocus(std::function<std::vector<TCardWidget*>()> hand, QWidget* table,
             const std::vector<TCardWidget*>& allCards);

  enum TStep { stLeft, stRight, stFirst, stLast };
  // Moves the mark (the first Left or Right puts it on the last or first card).
  void Step(TStep step);
  // The marked card, or nullptr when no card carries a showing mark.
  TCardWidget* Card() const;
  // Puts a showing mark on a card of the hand (the hint's suggestion).
  void Show(TCardWidget* card);
  // Takes the mark away.
  void Clear();
  // The frame's colour: the hot-card colour of the cards.
  QColor Color() const;
  // Whether the frame is on screen now.
  bool Showing() const;
  // The frame widget (for pictures and tests).
  QWidget* Frame() const { return frame_; }
  // Called whenever the marked card changes, with the card (nullptr when none).
  std::function<void(TCardWidget*)> OnMoved;
  // Watches the window's mouse from now on (once its native window exists).
  void WatchMouse(QObject* window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The hand from left to right as it lies on the table.
  std::vector<TCardWidget*> Hand() const;
  void Place();
  void Mark(TCardWidget* card);

  std::function<std::vector<TCardWidget*>()> hand_;
  QWidget* frame_;
  QPointer<TCardWidget> card_;
  int index_ = 0;  // where the marked card lay in the hand, for passing the mark on
  bool shown_ = false;
  bool placing_ = false;
  QPoint lastMouse_{-100000, -100000};
  QPointer<QObject> window_;
};

}  // namespace durak

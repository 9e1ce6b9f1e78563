#include "HandFocus.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>
#include <algorithm>

#include "CardWidget.h"

namespace durak {

namespace {

constexpr int kFrameWidth = 3;  // the frame lies just outside the card

// A frame drawn around a card; the mouse passes through it.
class TMarkFrame : public QWidget {
 public:
  TMarkFrame(QWidget* parent, std::function<QColor()> color)
      : QWidget(parent), color_(std::move(color)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const QRect r = rect();
    const QColor c = color_();
    p.fillRect(r.x(), r.y(), r.width(), kFrameWidth, c);
    p.fillRect(r.x(), r.bottom() - kFrameWidth + 1, r.width(), kFrameWidth, c);
    p.fillRect(r.x(), r.y(), kFrameWidth, r.height(), c);
    p.fillRect(r.right() - kFrameWidth + 1, r.y(), kFrameWidth, r.height(), c);
    // A dark line inside keeps the frame visible on a light card or a yellow table.
    p.setPen(QColor(0, 0, 0, 160));
    p.drawRect(r.adjusted(kFrameWidth, kFrameWidth, -kFrameWidth - 1, -kFrameWidth - 1));
  }

 private:
  std::function<QColor()> color_;
};

}  // namespace

THandFocus::THandFocus(std::function<std::vector<TCardWidget*>()> hand, QWidget* table,
                       const std::vector<TCardWidget*>& allCards)
    : QObject(table),
      hand_(std::move(hand)),
      frame_(new TMarkFrame(table, [this] { return Color(); })) {
  // Every card's move is watched: the marked one to carry the frame along, the others
  // because a card arriving in an empty hand may take the mark.
  for (TCardWidget* card : allCards) card->installEventFilter(this);
}

std::vector<TCardWidget*> THandFocus::Hand() const {
  std::vector<TCardWidget*> hand = hand_();
  std::stable_sort(hand.begin(), hand.end(),
                   [](const TCardWidget* a, const TCardWidget* b) { return a->x() < b->x(); });
  return hand;
}

TCardWidget* THandFocus::Card() const {
  if (!shown_ || !card_) return nullptr;
  const std::vector<TCardWidget*> hand = hand_();
  return std::find(hand.begin(), hand.end(), card_.data()) != hand.end() ? card_.data() : nullptr;
}

bool THandFocus::Showing() const {
  return frame_->isVisible();
}

void THandFocus::Step(TStep step) {
  const std::vector<TCardWidget*> hand = Hand();
  if (hand.empty()) return;
  const auto at = std::find(hand.begin(), hand.end(), card_.data());
  const int n = static_cast<int>(hand.size());
  int i;
  if (step == stFirst) {
    i = 0;
  } else if (step == stLast) {
    i = n - 1;
  } else if (at == hand.end()) {
    // The first Right puts the mark on the first card, the first Left on the last.
    i = step == stRight ? 0 : n - 1;
  } else if (!shown_) {
    i = static_cast<int>(at - hand.begin());  // coming back where it was hidden
  } else {
    i = static_cast<int>(at - hand.begin()) + (step == stRight ? 1 : -1);
    i = std::clamp(i, 0, n - 1);
  }
  shown_ = true;
  Mark(hand[i]);
}

void THandFocus::Mark(TCardWidget* card) {
  const bool changed = card != card_.data();
  card_ = card;
  Place();
  if (changed && OnMoved) OnMoved(card);
}

void THandFocus::Show(TCardWidget* card) {
  const std::vector<TCardWidget*> hand = Hand();
  if (std::find(hand.begin(), hand.end(), card) == hand.end()) return;
  shown_ = true;
  Mark(card);
}

void THandFocus::Clear() {
  const bool had = card_ != nullptr;
  shown_ = false;
  card_ = nullptr;
  frame_->hide();
  if (had && OnMoved) OnMoved(nullptr);
}

QColor THandFocus::Color() const {
  return card_ ? card_->HotMouseColor() : QColor(255, 255, 0);
}

// Puts the frame around the marked card; when that card has left the hand, the mark passes
// to the card now lying where it was.
void THandFocus::Place() {
  if (placing_) return;
  placing_ = true;
  const std::vector<TCardWidget*> hand = Hand();
  auto at = std::find(hand.begin(), hand.end(), card_.data());
  if (at == hand.end() && !hand.empty() && card_) {
    const int i = std::clamp(index_, 0, static_cast<int>(hand.size()) - 1);
    card_ = hand[i];
    at = hand.begin() + i;
    if (OnMoved) OnMoved(card_);
  }
  if (at == hand.end() || !shown_) {
    frame_->hide();
  } else {
    index_ = static_cast<int>(at - hand.begin());
    const QRect r =
        (*at)->geometry().adjusted(-kFrameWidth, -kFrameWidth, kFrameWidth, kFrameWidth);
    frame_->setGeometry(r);
    frame_->raise();
    frame_->show();
    frame_->update();
  }
  placing_ = false;
}

void THandFocus::WatchMouse(QObject* window) {
  if (!window || window_ == window) return;
  if (window_) window_->removeEventFilter(this);
  window_ = window;
  window->installEventFilter(this);
}

bool THandFocus::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
      if (watched != window_ && card_) Place();
      break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
      if (watched == window_ && shown_) {
        // The mouse in use hides the mark; a pointer that only seems to move because the
        // cards moved under it does not.
        const QPoint at = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
        const bool moved = (at - lastMouse_).manhattanLength() > 2;
        lastMouse_ = at;
        if (moved || event->type() == QEvent::MouseButtonPress) {
          shown_ = false;
          frame_->hide();
        }
      } else if (watched == window_) {
        lastMouse_ = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
      }
      break;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace durak

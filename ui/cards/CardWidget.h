// The card the game plays with: a TCardView with the hover highlight (the face tints towards
// HotMouseColor while the pointer is over a face-up card whose HotMouse is on), a text band,
// and the engine's card control interface, so the engine can drive it directly.
#pragma once

#include <QColor>
#include <QString>
#include <functional>

#include "CardControl.h"
#include "CardView.h"

namespace durak {

class TCardWidget : public TCardView, public ICardControl {
  Q_OBJECT

 public:
  // tag: the card's identity 1..36.
  explicit TCardWidget(int tag, QWidget* parent = nullptr);

  int Tag() const override { return FTag; }

  int CardState() const override { return TCardView::CardState(); }
  void SetCardState(int state) override { TCardView::SetCardState(state); }
  bool Turned() const override { return TCardView::Turned(); }

  int Left() const override { return x(); }
  int Top() const override { return y(); }
  int Width() const override { return width(); }
  int Height() const override { return height(); }
  void SetBounds(int left, int top, int width, int height) override {
    TCardView::SetBounds(left, top, width, height);
  }

  void MoveTo(int x, int y, int delay, int step, bool toggle) override {
    TCardView::MoveTo(x, y, delay, step, toggle);
  }
  void FlipMoveTo(int x, int y, int delay, int step) override {
    TCardView::FlipMoveTo(x, y, delay, step);
  }
  void FlipInPlace(int delay, bool horizontal) override {
    TCardView::FlipInPlace(delay, horizontal);
  }
  void Turn() override { TCardView::Turn(); }

  bool HotMouse() const override { return FHotMouse; }
  // Switching it off removes a tint that may be showing; switching it on paints nothing until
  // the pointer next enters.
  void SetHotMouse(bool on) override;
  QColor HotMouseColor() const { return FHotMouseColor; }
  virtual void SetHotMouseColor(const QColor& color) { FHotMouseColor = color; }
  void RestoreFace() override;

  // Writes `text` (at most 10 characters) centred on a band across the shown picture, in the
  // serif face of `fontSize` points.
  void WriteBand(const QString& text, const QColor& textColor, const QColor& bandColor,
                 int fontSize, bool bold);

  void BringToFront() override { raise(); }
  bool Clickable() const override { return FClickable; }
  void SetClickable(bool on) override { FClickable = on; }
  void SetHandCursor(bool hand) override;

  // Called on a left click while Clickable.
  std::function<void(TCardWidget*)> OnClick;

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  // The second press of a double click is no new press: a double click is one click, also
  // when the first click played the card away and the second lands on the card under it.
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  int FTag = 0;
  bool FHotMouse = false;
  QColor FHotMouseColor{255, 255, 0};
  bool FClickable = false;
  bool FPressed = false;
};

}  // namespace durak

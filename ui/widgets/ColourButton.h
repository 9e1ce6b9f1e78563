// A push button for picking a colour: its caption on one side and a square swatch on the
// other, showing a small shape filled with BtnColor. A click opens the colour dialog preset
// to BtnColor; confirming stores the new colour and raises ColorChanged.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPushButton>

#include "ColourButtonMath.h"

namespace durak {

class TColourButton : public QPushButton {
  Q_OBJECT

 public:
  explicit TColourButton(const QString& caption = QString(), QWidget* parent = nullptr);

  void SetVidStar(int v);
  QColor BtnColor() const { return FBtnColor; }
  void SetBtnColor(const QColor& c);
  void SetVid(int v);
  void SetLorR(TLorR side);

  // A click from code: clicked() first, then the colour dialog.
  void Click();

  // Draws the button in the given state; paintEvent passes the live state.
  void DrawItem(QPainter& p, bool pressed, bool focused, bool enabled) const;

 signals:
  // Raised after the user confirmed a colour in the dialog.
  void ColorChanged(TColourButton* sender);

 protected:
  bool event(QEvent* e) override;
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void ChooseColor();

  int FVidStar = vs5;
  QColor FBtnColor{255, 255, 0};
  int FVid = vbKrug;
  TLorR FLorR = lrRight;
  bool FClickSeen = false;
};

}  // namespace durak

#include "ColourButton.h"

#include <QColorDialog>
#include <QEvent>
#include <QFontMetrics>

#include "GdiDraw.h"
#include "WinColor.h"

namespace durak {

TColourButton::TColourButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {
  setAutoDefault(false);
  // Connected first, so it only notes the click; the dialog opens once every other receiver
  // of clicked() has run.
  connect(this, &QPushButton::clicked, this, [this] { FClickSeen = true; });
}

void TColourButton::SetVidStar(int v) {
  FVidStar = v;
  update();
}
void TColourButton::SetBtnColor(const QColor& c) {
  FBtnColor = c;
  update();
}
void TColourButton::SetVid(int v) {
  FVid = v;
  update();
}
void TColourButton::SetLorR(TLorR side) {
  FLorR = side;
  update();
}

bool TColourButton::event(QEvent* e) {
  FClickSeen = false;
  const bool handled = QPushButton::event(e);
  if (FClickSeen) {
    FClickSeen = false;
    ChooseColor();
  }
  return handled;
}

void TColourButton::Click() {
  FClickSeen = false;
  click();
  if (FClickSeen) {
    FClickSeen = false;
    ChooseColor();
  }
}

void TColourButton::ChooseColor() {
  QColorDialog dialog(FBtnColor, this);
  if (dialog.exec() == QDialog::Accepted) {
    FBtnColor = dialog.currentColor();
    update();
    emit ColorChanged(this);
  }
  update();
}

void TColourButton::DrawItem(QPainter& p, bool pressed, bool focused, bool enabled) const {
  const int w = width();
  const int h = height();
  DrawPushFrame(p, TBox{0, 0, w, h}, pressed);
  const TColBtnRects rects = ColBtnRects(w, h, pressed, FLorR);

  const QColor textColor = SysColor(enabled ? SysBtnText : SysGrayText);
  TBox t = rects.Caption;
  p.setFont(font());
  const QFontMetrics fm(font());
  const QString caption = text();
  const int tw = fm.horizontalAdvance(caption);
  const int th = fm.height();
  if (t.Width() > 0 && t.Height() > 0) {
    p.fillRect(FillRectOf(t), palette().color(QPalette::Button));
    p.save();
    p.setClipRect(FillRectOf(t));
    p.setPen(textColor);
    p.drawText(QRect(t.Left + (t.Width() - tw) / 2, t.Top + (t.Height() - th) / 2, tw + 1, th),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption);
    p.restore();
  }
  t = TBox{t.Left + 2, t.Top + 2, t.Right - 2, t.Bottom - 2};
  if (focused) DrawFocusBox(p, t, SysColor(SysBtnText));

  const TBox s{rects.Swatch.Left + 1, rects.Swatch.Top + 1, rects.Swatch.Right - 1,
               rects.Swatch.Bottom - 1};
  const TSwatchShape shape = SwatchShape(FVid, FVidStar, s);
  const QBrush brush(FBtnColor);
  switch (shape.Kind) {
    case TSwatchShape::skRectangle:
      GdiRectangle(p, shape.Box, textColor, brush);
      break;
    case TSwatchShape::skEllipse:
      GdiEllipse(p, shape.Box, textColor, brush);
      break;
    case TSwatchShape::skRoundRect:
      GdiRoundRect(p, shape.Box, shape.Corner, textColor, brush);
      break;
    case TSwatchShape::skPolygons:
      for (const auto& poly : shape.Polygons) GdiPolygon(p, poly, textColor, brush);
      break;
  }
}

void TColourButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  DrawItem(p, isDown(), hasFocus(), isEnabled());
}

void TColourButton::changeEvent(QEvent* event) {
  QPushButton::changeEvent(event);
  if (event->type() == QEvent::FontChange || event->type() == QEvent::EnabledChange) update();
}

}  // namespace durak

#include "CardWidget.h"

#include <QEnterEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include "../widgets/GdiDraw.h"
#include "../widgets/ProgramFonts.h"
#include "CardImage.h"

namespace durak {

TCardWidget::TCardWidget(int tag, QWidget* parent) : TCardView(parent), FTag(tag) {}

void TCardWidget::SetHotMouse(bool on) {
  FHotMouse = on;
  if (!on) RestoreFace();
}

void TCardWidget::RestoreFace() {
  if (FCardState != 1) return;
  SetPicture(ShownFace());
  update();
}

void TCardWidget::WriteBand(const QString& text, const QColor& textColor, const QColor& bandColor,
                            int fontSize, bool bold) {
  if (FHotMouse) SetHotMouse(false);
  if (FPicture.isNull()) return;
  QImage picture = FPicture;
  QPainter p(&picture);
  p.setFont(ProgramFont(QStringLiteral("Times New Roman"), fontSize, bold));
  const QString cut = text.left(10);
  const QFontMetrics fm = p.fontMetrics();
  const int tw = fm.horizontalAdvance(cut);
  const int th = fm.height();
  const int x = (width() - tw) / 2;
  const int y = (height() - th) / 2;
  GdiRectangle(p, TBox{1, y, width() - 1, y + th}, bandColor, QBrush(bandColor));
  p.setPen(textColor);
  p.drawText(QRect(x, y, tw, th), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, cut);
  p.end();
  SetPicture(picture);
  update();
}

void TCardWidget::SetHandCursor(bool hand) {
  if (hand) {
    setCursor(Qt::PointingHandCursor);
  } else {
    unsetCursor();
  }
}

void TCardWidget::enterEvent(QEnterEvent* event) {
  TCardView::enterEvent(event);
  if (!FHotMouse || FCardState != 1) return;
  SetPicture(TintedImage(FPicture, FHotMouseColor));
  update();
}

void TCardWidget::leaveEvent(QEvent* event) {
  TCardView::leaveEvent(event);
  if (FHotMouse) RestoreFace();
}

void TCardWidget::mousePressEvent(QMouseEvent* event) {
  FPressed = event->button() == Qt::LeftButton;
  if (!FClickable) event->ignore();
}

void TCardWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  FPressed = false;
  if (!FClickable) event->ignore();
}

void TCardWidget::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      FPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  FPressed = false;
  if (!FClickable) {
    event->ignore();
    return;
  }
  if (click && OnClick) OnClick(this);
}

}  // namespace durak

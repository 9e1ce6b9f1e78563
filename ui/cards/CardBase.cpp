#include "CardBase.h"

#include <QPainter>

namespace durak {

TCardBase::TCardBase(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_NoSystemBackground);
  setAutoFillBackground(false);
  resize(59, 80);
  UpdateOpacity();
}

void TCardBase::SetStretch(bool on) {
  if (FStretch == on) return;
  FStretch = on;
  UpdateOpacity();
  update();
}

void TCardBase::SetPicture(const QImage& picture) {
  FPicture = picture;
  UpdateOpacity();
}

void TCardBase::paintEvent(QPaintEvent*) {
  if (FPicture.isNull()) return;
  QPainter p(this);
  if (FStretch) {
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(rect(), FPicture);
  } else {
    p.drawImage(0, 0, FPicture);
  }
}

void TCardBase::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  UpdateOpacity();
}

void TCardBase::UpdateOpacity() {
  const QSizeF size = FPicture.deviceIndependentSize();
  const bool covers = !FPicture.isNull() && !FPicture.hasAlphaChannel() &&
                      (FStretch || (size.width() >= width() && size.height() >= height()));
  if (testAttribute(Qt::WA_OpaquePaintEvent) != covers)
    setAttribute(Qt::WA_OpaquePaintEvent, covers);
}

}  // namespace durak

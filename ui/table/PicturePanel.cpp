#include "PicturePanel.h"

namespace durak {

TPicturePanel::TPicturePanel(QWidget* parent) : QWidget(parent) {}

void TPicturePanel::SetDDrawPanel(bool on) {
  if (FDDrawPanel == on) return;
  FDDrawPanel = on;
  update();
}

void TPicturePanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (FDDrawPanel) {
    if (!FPicture.isNull()) p.drawImage(0, 0, FPicture);
  } else if (OnCustomPaint) {
    OnCustomPaint(this, p);
  }
}

}  // namespace durak

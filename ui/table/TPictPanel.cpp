#include "TPictPanel.h"

namespace durak {

TPictPanel::TPictPanel(QWidget* parent) : QWidget(parent) {}

void TPictPanel::SetDDrawPanel(bool on) {
  if (FDDrawPanel == on) return;
  FDDrawPanel = on;
  update();
}

void TPictPanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (FDDrawPanel) {
    if (!FPicture.isNull()) p.drawImage(0, 0, FPicture);
  } else if (OnKuvPaint) {
    OnKuvPaint(this, p);
  }
}

}  // namespace durak

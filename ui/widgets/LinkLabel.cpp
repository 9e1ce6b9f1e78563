#include "LinkLabel.h"

#include <QMouseEvent>

namespace durak {

TLinkLabel::TLinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  // Its caption comes from the language pack: shown as written, never as markup.
  setTextFormat(Qt::PlainText);
  FNormalColor = FontColor();
}

QColor TLinkLabel::FontColor() const {
  return palette().color(QPalette::WindowText);
}

void TLinkLabel::SetFontColor(const QColor& c) {
  QPalette pal = palette();
  pal.setColor(QPalette::WindowText, c);
  setPalette(pal);
}

void TLinkLabel::enterEvent(QEnterEvent* event) {
  FHot = true;
  SetFontColor(FHotColor);
  QLabel::enterEvent(event);
}

void TLinkLabel::leaveEvent(QEvent* event) {
  SetFontColor(FNormalColor);
  FHot = false;
  QLabel::leaveEvent(event);
}

void TLinkLabel::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  // A colour change while the pointer is over the label shows at once but is not kept: the
  // label still returns to the colour it had before the hover.
  if (event->type() == QEvent::PaletteChange && !FHot) FNormalColor = FontColor();
}

void TLinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit Clicked(this);
}

}  // namespace durak

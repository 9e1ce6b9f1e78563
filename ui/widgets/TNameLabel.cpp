#include "TNameLabel.h"

#include <QPainter>
#include <QStyle>

#include "PlainText.h"

namespace durak {

TNameLabel::TNameLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  MakePlain(this);
}

QString TNameLabel::ShownText() const {
  return fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width());
}

void TNameLabel::paintEvent(QPaintEvent* event) {
  if (!Elided()) {
    QLabel::paintEvent(event);
    return;
  }
  QPainter p(this);
  style()->drawItemText(
      &p, contentsRect(),
      static_cast<int>(QStyle::visualAlignment(layoutDirection(), alignment()).toInt()), palette(),
      isEnabled(), ShownText(), foregroundRole());
}

}  // namespace durak

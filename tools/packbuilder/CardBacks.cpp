#include "CardBacks.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace packbuilder {

namespace {

void Lattice(QPainter& p, const QRectF& r, QColor ink) {
  p.setPen(QPen(ink, 1.0));
  const double step = r.width() / 9.0;
  for (double x = r.left() - r.height(); x < r.right() + r.height(); x += step) {
    p.drawLine(QPointF(x, r.top()), QPointF(x + r.height(), r.bottom()));
    p.drawLine(QPointF(x, r.bottom()), QPointF(x + r.height(), r.top()));
  }
  // A small dot in every mesh makes the trellis read as woven.
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  for (double y = r.top(); y < r.bottom() + step; y += step) {
    for (double x = r.left(); x < r.right() + step; x += step) {
      p.drawEllipse(QPointF(x + step / 2, y), 1.0, 1.0);
    }
  }
}

void Rosette(QPainter& p, const QRectF& r, QColor ink) {
  const QPointF centre = r.center();
  p.setBrush(Qt::NoBrush);
  QColor faint = ink;
  faint.setAlphaF(0.75);
  p.setPen(QPen(faint, 0.7));
  const double big = r.width() * 0.42;
  for (int i = 0; i < 24; ++i) {
    p.save();
    p.translate(centre);
    p.rotate(i * 7.5);
    p.drawEllipse(QPointF(0, 0), big, big * 0.38);
    p.restore();
  }
  // Small rosettes in the corners of the pattern.
  const double small = r.width() * 0.16;
  for (const QPointF corner : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()}) {
    const QPointF c = centre + (corner - centre) * 0.78;
    for (int i = 0; i < 12; ++i) {
      p.save();
      p.translate(c);
      p.rotate(i * 15.0);
      p.drawEllipse(QPointF(0, 0), small, small * 0.35);
      p.restore();
    }
  }
}

void Diamonds(QPainter& p, const QRectF& r, QColor ground, QColor ink) {
  const double w = r.width() / 5.0;
  const double h = w * 1.4;
  p.setPen(Qt::NoPen);
  int row = 0;
  for (double y = r.top() - h; y < r.bottom() + h; y += h / 2, ++row) {
    const double shift = (row % 2) ? w / 2 : 0;
    for (double x = r.left() - w + shift; x < r.right() + w; x += w) {
      QPolygonF d;
      d << QPointF(x, y - h / 2) << QPointF(x + w / 2, y) << QPointF(x, y + h / 2)
        << QPointF(x - w / 2, y);
      p.setBrush((row % 4 < 2) ? ink : ground.darker(115));
      p.drawPolygon(d);
    }
  }
  p.setPen(QPen(QColor(255, 255, 255, 110), 0.8));
  p.setBrush(Qt::NoBrush);
  for (double x = r.left() - r.height(); x < r.right() + r.height(); x += w) {
    p.drawLine(QPointF(x, r.top()), QPointF(x + r.height() * w / h, r.bottom()));
  }
}

}  // namespace

QImage DrawBack(const QString& style, QColor ground, QColor ink, QSize size, int factor) {
  if (style != QLatin1String("lattice") && style != QLatin1String("rosette") &&
      style != QLatin1String("diamonds")) {
    return {};
  }
  if (factor < 1) factor = 1;
  QImage image(size * factor, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(factor, factor);
  const double radius = size.width() * 0.083;
  const QRectF card = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(0.5, 0.5, -0.5, -0.5);
  p.setPen(QPen(QColor(0x2b, 0x2b, 0x2b), 1.0));
  p.setBrush(QColor(0xfb, 0xfa, 0xf6));
  p.drawRoundedRect(card, radius, radius);

  const double margin = std::max(3.0, size.width() * 0.06);
  const QRectF field = card.adjusted(margin, margin, -margin, -margin);
  QPainterPath clip;
  clip.addRoundedRect(field, radius * 0.6, radius * 0.6);
  p.save();
  p.setClipPath(clip);
  p.fillRect(field, ground);
  if (style == QLatin1String("lattice")) Lattice(p, field, ink);
  if (style == QLatin1String("rosette")) Rosette(p, field, ink);
  if (style == QLatin1String("diamonds")) Diamonds(p, field, ground, ink);
  p.restore();
  p.setPen(QPen(ground.darker(160), 1.0));
  p.setBrush(Qt::NoBrush);
  p.drawPath(clip);
  return image;
}

}  // namespace packbuilder

#include "CardArt.h"

#include <QPainter>
#include <cmath>

namespace packbuilder {

QString FaceName(int rank, int suit) {
  static const char* const kRanks[] = {"6", "7", "8", "9", "10", "J", "D", "K", "A"};
  static const char kSuits[] = {'S', 'C', 'D', 'H'};
  return QString::fromLatin1(kRanks[rank - 6]) + QLatin1Char(kSuits[suit - 1]);
}

QString SvgCardId(int rank, int suit) {
  static const char* const kSuits[] = {"spade", "club", "diamond", "heart"};
  static const char* const kCourt[] = {"jack", "queen", "king"};
  QString id = QString::fromLatin1(kSuits[suit - 1]) + QLatin1Char('_');
  if (rank == 14) return id + QLatin1Char('1');
  if (rank >= 11) return id + QLatin1String(kCourt[rank - 11]);
  return id + QString::number(rank);
}

SvgDeck::SvgDeck(const QString& path) : renderer_(path) {}

QSizeF SvgDeck::CardSize(const QString& id) const {
  return renderer_.transformForElement(id).mapRect(renderer_.boundsOnElement(id)).size();
}

QImage SvgDeck::Render(const QString& id, QSize size) const {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  renderer_.render(&painter, id, QRectF(QPointF(0, 0), QSizeF(size)));
  painter.end();
  return image;
}

void SvgDeck::Paint(QPainter& painter, const QString& id, const QRectF& bounds) const {
  renderer_.render(&painter, id, bounds);
}

QSize ScaledCardSize(QSizeF card, int width) {
  if (card.width() <= 0 || card.height() <= 0) return {width, width * 3 / 2};
  return {width, static_cast<int>(std::lround(width * card.height() / card.width()))};
}

}  // namespace packbuilder

#include "GalleryArt.h"

#include <QPainter>
#include <QPainterPath>

#include "ProgramFonts.h"

namespace durak {

namespace {

QString SuitSymbol(QChar letter) {
  switch (letter.toUpper().unicode()) {
    case 'S':
      return QString(QChar(0x2660));
    case 'C':
      return QString(QChar(0x2663));
    case 'D':
      return QString(QChar(0x2666));
    case 'H':
      return QString(QChar(0x2665));
    default:
      return QStringLiteral("?");
  }
}

QImage Blank(int w, int h) {
  QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  return img;
}

}  // namespace

QImage DrawnCardPicture(const QString& name, int w, int h) {
  const QString n = name.toUpper();
  if (n.size() < 2 || n.size() > 3) return QImage();
  QImage img = Blank(w, h);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF frame(0.5, 0.5, w - 1, h - 1);
  if (n.startsWith(QLatin1String("BK"))) {
    const int k = n.mid(2).toInt();
    static const QColor kBacks[] = {QColor(30, 60, 150), QColor(150, 30, 40), QColor(20, 110, 60),
                                    QColor(90, 40, 120), QColor(60, 60, 60)};
    const QColor c = kBacks[(k >= 1 && k <= 5) ? k - 1 : 0];
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(frame, 5, 5);
    p.setBrush(c);
    p.setPen(Qt::NoPen);
    const QRectF inner = frame.adjusted(4, 4, -4, -4);
    p.drawRoundedRect(inner, 3, 3);
    p.setClipRect(inner);
    p.setPen(QPen(c.lighter(160), 1));
    for (int d = -h; d < w + h; d += 6) {
      p.drawLine(QPointF(d, 0), QPointF(d + h, h));
      p.drawLine(QPointF(d + h, 0), QPointF(d, h));
    }
    return img;
  }
  const QString rank = n.left(n.size() - 1);
  const QChar suit = n.back();
  const bool red = suit == QLatin1Char('D') || suit == QLatin1Char('H');
  const QColor ink = red ? QColor(200, 0, 0) : Qt::black;
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::white);
  p.drawRoundedRect(frame, 5, 5);
  p.setPen(ink);
  p.setFont(ProgramPixelFont(QStringLiteral("Arial"), 14, true));
  p.drawText(QRect(3, 2, 24, 16), Qt::AlignHCenter | Qt::AlignTop, rank);
  p.setFont(ProgramPixelFont(QStringLiteral("Arial"), 13));
  p.drawText(QRect(3, 16, 24, 16), Qt::AlignHCenter | Qt::AlignTop, SuitSymbol(suit));
  p.save();
  p.translate(w, h);
  p.rotate(180);
  p.setFont(ProgramPixelFont(QStringLiteral("Arial"), 14, true));
  p.drawText(QRect(3, 2, 24, 16), Qt::AlignHCenter | Qt::AlignTop, rank);
  p.setFont(ProgramPixelFont(QStringLiteral("Arial"), 13));
  p.drawText(QRect(3, 16, 24, 16), Qt::AlignHCenter | Qt::AlignTop, SuitSymbol(suit));
  p.restore();
  p.setFont(ProgramPixelFont(QStringLiteral("Times New Roman"), h / 2));
  p.drawText(QRect(0, 0, w, h), Qt::AlignCenter, SuitSymbol(suit));
  return img;
}

QImage DrawnWoodStrip() {
  QImage img(127, 16, QImage::Format_RGB32);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 127; ++x) {
      const int grain = ((x * 3 + y * 17) % 23) - 11;
      img.setPixel(x, y, qRgb(140 + grain, 88 + grain / 2, 20 + grain / 3));
    }
  return img;
}

}  // namespace durak

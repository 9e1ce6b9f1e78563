#include "OwnArt.h"

#include <QDir>
#include <QPainter>
#include <QPainterPath>

#include "CardArt.h"
#include "DeskArt.h"
#include "IconArt.h"

namespace packbuilder {

namespace {

// A trump-suit picture: the suit symbol on a pale, rounded plate; with factor 2 or 3 the
// same picture that many times as large, for big tables and dense screens.
QImage SuitPicture(const SvgDeck& deck, const QString& symbol, int factor) {
  QImage image(63 * factor, 84 * factor, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(factor, factor);
  p.setPen(QPen(QColor(255, 255, 255, 200), 1.5));
  p.setBrush(QColor(255, 255, 255, 70));
  p.drawRoundedRect(QRectF(1, 1, 61, 82), 7, 7);
  p.end();
  const QSizeF own = deck.CardSize(symbol);
  const double scale = 44.0 * factor / std::max(own.width(), own.height());
  const QSize size(qRound(own.width() * scale), qRound(own.height() * scale));
  const QImage mark = deck.Render(symbol, size);
  QPainter q(&image);
  q.drawImage((63 * factor - size.width()) / 2, (84 * factor - size.height()) / 2, mark);
  return image;
}

// The wood of the frame panels, 127 x 16 times `factor`: a seamless wood tile squeezed to a
// strip, so it still repeats without seams both ways.
QImage WoodStrip(int factor) {
  const QImage wood =
      DrawDeskTile(QStringLiteral("wood"), 5, {QColor(0x8c, 0x58, 0x00), QColor(0x4e, 0x2c, 0x06)},
                   127 * factor);
  return wood.scaled(127 * factor, 16 * factor, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
      .convertToFormat(QImage::Format_RGB32);
}

QImage Glyph(const QString& name) {
  QImage image(20, 20, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  auto pen = [&p](QColor c, double w) {
    p.setPen(QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
  };
  if (name == QLatin1String("GNEW")) {  // a new player: a figure with a plus
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3a, 0x6e, 0xa5));
    p.drawEllipse(QPointF(8, 6), 3.5, 3.5);
    p.drawChord(QRectF(1.5, 10, 13, 14), 0, 180 * 16);
    pen(QColor(0x2e, 0x8b, 0x2e), 2.4);
    p.drawLine(QPointF(16, 9), QPointF(16, 17));
    p.drawLine(QPointF(12, 13), QPointF(20, 13) - QPointF(0.5, 0));
  } else if (name == QLatin1String("GRESET")) {  // back to zero: a turning arrow
    pen(QColor(0x2f, 0x6f, 0xb5), 2.4);
    p.drawArc(QRectF(3, 3, 14, 14), 60 * 16, 290 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2f, 0x6f, 0xb5));
    p.drawPolygon(QPolygonF({QPointF(10.5, 0.5), QPointF(16, 3.5), QPointF(10.5, 7.5)}));
  } else if (name == QLatin1String("GDELETE")) {  // strike the player out
    pen(QColor(0xc0, 0x28, 0x28), 3.0);
    p.drawLine(QPointF(4, 4), QPointF(16, 16));
    p.drawLine(QPointF(16, 4), QPointF(4, 16));
  } else if (name == QLatin1String("GCLOSE")) {  // leave: a door with an arrow
    pen(QColor(0x70, 0x58, 0x40), 1.6);
    p.setBrush(QColor(0xc8, 0xa0, 0x70));
    p.drawRect(QRectF(2.5, 2.5, 9, 15));
    pen(QColor(0x40, 0x40, 0x40), 2.2);
    p.drawLine(QPointF(8, 10), QPointF(18, 10));
    p.drawLine(QPointF(14.5, 6.5), QPointF(18, 10));
    p.drawLine(QPointF(14.5, 13.5), QPointF(18, 10));
  } else if (name == QLatin1String("GOK")) {  // go on: a tick
    pen(QColor(0x2e, 0x8b, 0x2e), 3.0);
    p.drawPolyline(QPolygonF({QPointF(3.5, 10.5), QPointF(8, 15), QPointF(16.5, 4.5)}));
  }
  return image;
}

}  // namespace

bool WriteOwnPictures(const QString& outDir, const QString& svgDir, QString* error) {
  const SvgDeck deck(QDir(svgDir).filePath(QStringLiteral("atlasnye.svgz")));
  if (!deck.IsValid()) {
    *error = QStringLiteral("cannot read atlasnye.svgz in %1").arg(svgDir);
    return false;
  }
  if (!QDir().mkpath(outDir)) {
    *error = QStringLiteral("cannot create %1").arg(outDir);
    return false;
  }
  const QDir dir(outDir);
  const struct {
    const char* name;
    const char* symbol;
  } kSuits[] = {{"BS", "spade_symbol"},
                {"BC", "club_symbol"},
                {"BD", "diamond_symbol"},
                {"BH", "heart_symbol"}};
  bool ok = true;
  for (const auto& s : kSuits) {
    for (int f = 1; f <= 3; ++f) {
      const QString suffix = f == 1 ? QStringLiteral(".png") : QStringLiteral("@%1x.png").arg(f);
      ok = ok && SuitPicture(deck, QLatin1String(s.symbol), f)
                     .save(dir.filePath(QLatin1String(s.name) + suffix));
    }
  }
  for (int f = 1; f <= 3; ++f) {
    const QString suffix = f == 1 ? QStringLiteral(".png") : QStringLiteral("@%1x.png").arg(f);
    ok = ok && WoodStrip(f).save(dir.filePath(QStringLiteral("PBG") + suffix));
  }
  for (const char* g : {"GNEW", "GRESET", "GDELETE", "GCLOSE", "GOK"}) {
    ok = ok && Glyph(QLatin1String(g)).save(dir.filePath(QLatin1String(g) + ".png"));
  }
  ok = ok && IconPicture(deck).save(dir.filePath(QStringLiteral("ICON.png")));
  if (!ok) *error = QStringLiteral("cannot write the pictures into %1").arg(outDir);
  return ok;
}

}  // namespace packbuilder

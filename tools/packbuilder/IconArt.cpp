#include "IconArt.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QSvgGenerator>
#include <QSvgRenderer>
#include <QTransform>
#include <algorithm>

namespace packbuilder {

void PaintIcon(QPainter& painter, const SvgDeck& deck) {
  const QSize card = ScaledCardSize(deck.CardSize(SvgCardId(14, 1)), 38);
  const QRectF face(-card.width() / 2.0, -card.height() / 2.0, card.width(), card.height());
  const struct {
    int suit;
    double angle, dx;
  } kCards[] = {{1, -16, -9}, {4, 14, 9}};  // the ace of spades under the ace of hearts
  auto place = [](double angle, double dx) { return QTransform().translate(dx, 0).rotate(angle); };
  // The fan is scaled to lie whole inside the icon, with a small margin all round.
  QRectF fan;
  for (const auto& c : kCards) fan |= place(c.angle, c.dx).mapRect(face);
  const double margin = kIconUnits / 32.0 + kIconUnits / 64.0;
  const double scale = (kIconUnits - 2 * margin) / std::max(fan.width(), fan.height());
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.translate(kIconUnits / 2.0, kIconUnits / 2.0);
  painter.scale(scale, scale);
  painter.translate(-fan.center());
  for (const auto& c : kCards) {
    painter.save();
    painter.setTransform(place(c.angle, c.dx), true);
    // A soft dark rim keeps the white cards apart from a light background at small sizes.
    const double rim = kIconUnits / 64.0 / scale;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 110));
    painter.drawRoundedRect(face.adjusted(-rim, -rim, rim, rim), face.width() * 0.09,
                            face.width() * 0.09);
    deck.Paint(painter, SvgCardId(14, c.suit), face);
    painter.restore();
  }
}

QImage IconPicture(const SvgDeck& deck) {
  QImage image(kIconUnits, kIconUnits, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  PaintIcon(painter, deck);
  return image;
}

namespace {

QByteArray IconSvg(const SvgDeck& deck) {
  QBuffer buffer;
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(QSize(kIconUnits, kIconUnits));
  svg.setViewBox(QRect(0, 0, kIconUnits, kIconUnits));
  svg.setTitle(QStringLiteral("Durak"));
  svg.setDescription(QStringLiteral("Two aces fanned out: the icon of the card game Durak"));
  QPainter painter(&svg);
  PaintIcon(painter, deck);
  painter.end();
  return buffer.data();
}

QImage RenderSvg(QSvgRenderer& renderer, int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer.render(&painter, QRectF(0, 0, size, size));
  return image;
}

}  // namespace

bool WriteIconTheme(const QString& outDir, const QString& svgDir, const QList<int>& sizes,
                    QString* error) {
  const SvgDeck deck(QDir(svgDir).filePath(QStringLiteral("atlasnye.svgz")));
  if (!deck.IsValid()) {
    *error = QStringLiteral("cannot read atlasnye.svgz in %1").arg(svgDir);
    return false;
  }
  const QDir out(outDir);
  const QByteArray svg = IconSvg(deck);
  QFile scalable(out.filePath(QStringLiteral("scalable/apps/durak.svg")));
  if (!out.mkpath(QStringLiteral("scalable/apps")) || !scalable.open(QIODevice::WriteOnly) ||
      scalable.write(svg) != svg.size()) {
    *error = QStringLiteral("cannot write %1").arg(scalable.fileName());
    return false;
  }
  scalable.close();
  QSvgRenderer renderer(svg);
  if (!renderer.isValid()) {
    *error = QStringLiteral("the icon's SVG cannot be read back");
    return false;
  }
  for (int size : sizes) {
    const QString folder = QStringLiteral("%1x%1/apps").arg(size);
    const QString file = out.filePath(folder + QStringLiteral("/durak.png"));
    if (!out.mkpath(folder) || !RenderSvg(renderer, size).save(file)) {
      *error = QStringLiteral("cannot write %1").arg(file);
      return false;
    }
  }
  return true;
}

}  // namespace packbuilder

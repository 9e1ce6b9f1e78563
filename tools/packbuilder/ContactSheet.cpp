#include "ContactSheet.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

#include "PackWriter.h"

namespace packbuilder {

QImage MakeContactSheet(const QString& packPath, QString* error) {
  QStringList names;
  std::vector<QByteArray> data;
  if (!ReadPack(packPath, &names, &data, error)) return {};
  std::vector<QImage> pictures;
  for (size_t i = 0; i < data.size(); ++i) {
    if (!names[static_cast<int>(i)].endsWith(QLatin1String(".png"), Qt::CaseInsensitive)) continue;
    // The larger renditions show the same pictures again.
    if (names[static_cast<int>(i)].contains(QLatin1Char('@'))) continue;
    QImage picture = QImage::fromData(data[i], "PNG");
    if (!picture.isNull()) pictures.push_back(picture);
  }
  if (pictures.empty()) {
    *error = QStringLiteral("%1 holds no pictures").arg(packPath);
    return {};
  }
  int cellW = 0, cellH = 0;
  for (const QImage& p : pictures) {
    cellW = std::max(cellW, p.width());
    cellH = std::max(cellH, p.height());
  }
  // Decks go nine to a row (one suit's ranks); desk tiles are shown two by two
  // so that the seams, if any, would show.
  const bool tiles = cellW >= 100 && cellW == cellH;
  const int copies = tiles ? 2 : 1;
  cellW *= copies;
  cellH *= copies;
  const int gap = 8;
  const int columns = tiles ? 4 : 9;
  const int rows = static_cast<int>((pictures.size() + columns - 1) / columns);
  QImage sheet(gap + columns * (cellW + gap), gap + rows * (cellH + gap), QImage::Format_RGB32);
  sheet.fill(QColor(0x1f, 0x5e, 0x34));
  QPainter painter(&sheet);
  for (size_t i = 0; i < pictures.size(); ++i) {
    const int x = gap + static_cast<int>(i % columns) * (cellW + gap);
    const int y = gap + static_cast<int>(i / columns) * (cellH + gap);
    const QImage& p = pictures[i];
    for (int cy = 0; cy < copies; ++cy) {
      for (int cx = 0; cx < copies; ++cx)
        painter.drawImage(x + cx * p.width(), y + cy * p.height(), p);
    }
  }
  return sheet;
}

}  // namespace packbuilder

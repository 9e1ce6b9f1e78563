#include "SurfacePaint.h"

#include <QPainter>
#include <algorithm>
#include <vector>

#include "../widgets/WinColor.h"
#include "SurfaceMath.h"

namespace durak {

namespace {

void FillRows(QImage& target, const std::vector<TRgb>& rows) {
  if (rows.empty()) return;
  if (target.format() != QImage::Format_RGB32 &&
      target.format() != QImage::Format_ARGB32_Premultiplied &&
      target.format() != QImage::Format_ARGB32) {
    QPainter p(&target);
    for (int y = 0; y < static_cast<int>(rows.size()); ++y)
      p.fillRect(0, y, target.width(), 1, QColorOf(rows[y]));
    return;
  }
  for (int y = 0; y < static_cast<int>(rows.size()) && y < target.height(); ++y) {
    const QRgb c = qRgb(rows[y].R, rows[y].G, rows[y].B);
    auto* line = reinterpret_cast<QRgb*>(target.scanLine(y));
    std::fill(line, line + target.width(), c);
  }
}

}  // namespace

void PaintGradient(const QColor& c1, const QColor& c2, QImage& target) {
  if (target.isNull() || target.width() < 1 || target.height() < 1) return;
  FillRows(target, GradientRows(RgbOf(c1), RgbOf(c2), target.height()));
}

void PaintRainbow(int brightness, QImage& target) {
  if (target.isNull() || target.width() < 1 || target.height() <= 10) return;
  FillRows(target, RainbowRows(brightness, target.height()));
}

void TileImage(QImage& target, int x, int y, int w, int h, const QImage& tile) {
  if (tile.isNull()) return;
  QPainter p(&target);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  for (const TSpan& row : TileSpans(h, tile.height()))
    for (const TSpan& col : TileSpans(w, tile.width()))
      p.drawImage(x + col.Offset, y + row.Offset, tile, 0, 0, col.Length, row.Length);
}

}  // namespace durak

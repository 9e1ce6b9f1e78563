// The gradient and rainbow painters of the table surface. They fill a picture of any size
// row by row; the desk menu uses them for its small pictures too.
#pragma once

#include <QColor>
#include <QImage>

namespace durak {

// The vertical gradient from c1 at the top towards c2. Nothing happens to a missing or empty
// picture.
void PaintGradient(const QColor& c1, const QColor& c2, QImage& target);
// The vertical rainbow with brightness -10..10 (beyond that, 0). Nothing happens to a
// picture 10 rows high or less, or without width.
void PaintRainbow(int brightness, QImage& target);

// Copies `tile` across `target` from (x, y) rightwards and downwards until w x h pixels are
// covered, cutting the last tile in each direction.
void TileImage(QImage& target, int x, int y, int w, int h, const QImage& tile);

}  // namespace durak

// Desk pictures drawn by the builder: square tiles that repeat without seams.
#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QString>

namespace packbuilder {

// Styles: "felt", "cloth", "wood", "marble", "leather", "linen", "parquet".
// The colours are the ground and the grain or thread colour (defaults if
// missing); the seed makes the same tile every time. A null image for an
// unknown style.
QImage DrawDeskTile(const QString& style, quint32 seed, const QList<QColor>& colours, int size);

// Value noise over a tile: u and v run 0..1 across it, the grid has cellsX by
// cellsY cells and wraps at the tile's edges, so the tile repeats seamlessly.
class TilingNoise {
 public:
  explicit TilingNoise(quint32 seed);
  double At(double u, double v, int cellsX, int cellsY) const;  // 0..1
  // Octaves of doubling cell counts, each wrapping at the tile's edges; 0..1.
  double Fractal(double u, double v, int cellsX, int cellsY, int octaves) const;

 private:
  double Lattice(int x, int y, int cellsX, int cellsY) const;
  quint32 seed_;
};

}  // namespace packbuilder

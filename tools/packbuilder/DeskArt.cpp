#include "DeskArt.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace packbuilder {

namespace {

constexpr double kPi = 3.14159265358979323846;

double Smooth(double t) {
  return t * t * (3 - 2 * t);
}

QColor Mix(const QColor& a, const QColor& b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                          static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                          static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

QColor Shade(const QColor& c, double f) {
  return QColor::fromRgbF(static_cast<float>(std::clamp(c.redF() * f, 0.0, 1.0)),
                          static_cast<float>(std::clamp(c.greenF() * f, 0.0, 1.0)),
                          static_cast<float>(std::clamp(c.blueF() * f, 0.0, 1.0)));
}

// Distance to the nearest of a repeating scatter of points (cell pattern), 0..~1.
double CellDistance(double x, double y, int cells, quint32 seed) {
  double best = 10;
  const int cx = static_cast<int>(std::floor(x)), cy = static_cast<int>(std::floor(y));
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      const int gx = cx + dx, gy = cy + dy;
      const int wx = ((gx % cells) + cells) % cells, wy = ((gy % cells) + cells) % cells;
      quint32 h =
          seed ^ (static_cast<quint32>(wx) * 73856093u) ^ (static_cast<quint32>(wy) * 19349663u);
      h = h * 2654435761u + 12345u;
      const double px = gx + (h & 0xffff) / 65536.0;
      const double py = gy + (h >> 16) / 65536.0;
      best = std::min(best, std::hypot(x - px, y - py));
    }
  }
  return best;
}

using Painter = QColor (*)(double u, double v, const TilingNoise& n, quint32 seed, const QColor& a,
                           const QColor& b);

// u and v run 0..1 across the tile; everything periodic in them repeats seamlessly.
QColor Felt(double u, double v, const TilingNoise& n, quint32, const QColor& a, const QColor&) {
  const double fine = n.Fractal(u, v, 32, 32, 3);
  const double cloud = n.Fractal(u, v, 4, 4, 2);
  return Shade(a, 0.88 + 0.16 * fine + 0.08 * cloud);
}

QColor Cloth(double u, double v, const TilingNoise& n, quint32, const QColor& a, const QColor& b) {
  const double threads = 32;
  const double warp = 0.5 + 0.5 * std::sin(2 * kPi * u * threads);
  const double weft = 0.5 + 0.5 * std::sin(2 * kPi * v * threads);
  const bool over = (static_cast<int>(u * threads) + static_cast<int>(v * threads)) % 2 == 0;
  const double thread = over ? warp : weft;
  const double fleck = n.Fractal(u, v, 16, 16, 2);
  return Shade(Mix(a, b, 0.25 * thread), 0.82 + 0.18 * thread + 0.08 * fleck);
}

QColor Wood(double u, double v, const TilingNoise& n, quint32, const QColor& a, const QColor& b) {
  const double bend = n.Fractal(u, v, 2, 8, 3);
  const double grain = 0.5 + 0.5 * std::sin(2 * kPi * (v * 9 + bend * 2.0));
  const double fibre = n.Fractal(u, v, 32, 64, 2);
  // Two planks per tile, the seam dark.
  const double seam = std::fabs(std::fmod(v * 2, 1.0) - 0.5) > 0.485 ? 0.7 : 1.0;
  return Shade(Mix(a, b, std::pow(grain, 3) * 0.8 + 0.2 * fibre), seam * (0.9 + 0.15 * fibre));
}

QColor Marble(double u, double v, const TilingNoise& n, quint32, const QColor& a, const QColor& b) {
  const double turb = n.Fractal(u, v, 4, 4, 5);
  const double vein = std::fabs(std::sin(2 * kPi * (u * 2 + v * 1 + turb * 1.4)));
  return Mix(b, a, std::pow(vein, 0.22)).lighter(100 + static_cast<int>(10 * turb));
}

QColor Leather(double u, double v, const TilingNoise& n, quint32 seed, const QColor& a,
               const QColor&) {
  const double cells = 12;
  const double d = CellDistance(u * cells, v * cells, static_cast<int>(cells), seed);
  const double crease = std::clamp(d * 1.6, 0.0, 1.0);
  const double soft = n.Fractal(u, v, 6, 6, 3);
  return Shade(a, 0.7 + 0.3 * std::sqrt(crease) + 0.12 * soft);
}

QColor Linen(double u, double v, const TilingNoise& n, quint32, const QColor& a, const QColor& b) {
  const double slubX = n.Fractal(u, v, 4, 64, 2);
  const double slubY = n.Fractal(u, v, 64, 4, 2);
  const double lines = 0.5 * (0.5 + 0.5 * std::sin(2 * kPi * u * 48)) +
                       0.5 * (0.5 + 0.5 * std::sin(2 * kPi * v * 48));
  return Shade(Mix(a, b, 0.3 * slubX + 0.3 * slubY), 0.86 + 0.14 * lines);
}

QColor Parquet(double u, double v, const TilingNoise& n, quint32, const QColor& a,
               const QColor& b) {
  // Basket weave: four squares, the grain turning by a quarter from square to square.
  const int sx = static_cast<int>(u * 2), sy = static_cast<int>(v * 2);
  const bool across = (sx + sy) % 2 == 0;
  const double along = across ? u : v, side = across ? v : u;
  const double slat = std::fmod(side * 8, 1.0);  // four slats per square
  const double bend = n.Fractal(along, side, 4, 16, 2);
  const double grain = 0.5 + 0.5 * std::sin(2 * kPi * (side * 40 + bend * 3));
  const double edge = (slat < 0.04 || slat > 0.96) ? 0.72 : 1.0;
  const double squareEdge = (std::fmod(along * 2, 1.0) < 0.015) ? 0.72 : 1.0;
  const double tone =
      n.At((std::floor(side * 16) + 0.5) / 16, (std::floor(along * 2) + 0.5) / 2, 16, 2);
  return Shade(Mix(a, b, 0.55 * std::pow(grain, 2) + 0.25 * tone), edge * squareEdge);
}

}  // namespace

TilingNoise::TilingNoise(quint32 seed) : seed_(seed) {}

double TilingNoise::Lattice(int x, int y, int cellsX, int cellsY) const {
  x = ((x % cellsX) + cellsX) % cellsX;
  y = ((y % cellsY) + cellsY) % cellsY;
  quint32 h = seed_ ^ (static_cast<quint32>(x) * 374761393u) ^
              (static_cast<quint32>(y) * 668265263u) ^ (static_cast<quint32>(cellsX) * 2246822519u);
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return (h & 0xffffff) / double(0xffffff);
}

double TilingNoise::At(double u, double v, int cellsX, int cellsY) const {
  const double x = u * cellsX, y = v * cellsY;
  const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
  const double fx = Smooth(x - x0), fy = Smooth(y - y0);
  const double a = Lattice(x0, y0, cellsX, cellsY), b = Lattice(x0 + 1, y0, cellsX, cellsY);
  const double c = Lattice(x0, y0 + 1, cellsX, cellsY);
  const double d = Lattice(x0 + 1, y0 + 1, cellsX, cellsY);
  const double top = a + (b - a) * fx, bottom = c + (d - c) * fx;
  return top + (bottom - top) * fy;
}

double TilingNoise::Fractal(double u, double v, int cellsX, int cellsY, int octaves) const {
  double sum = 0, weight = 1, total = 0;
  for (int o = 0; o < octaves; ++o) {
    sum += weight * At(u, v, cellsX << o, cellsY << o);
    total += weight;
    weight *= 0.5;
  }
  return sum / total;
}

QImage DrawDeskTile(const QString& style, quint32 seed, const QList<QColor>& colours, int size) {
  struct Style {
    const char* name;
    Painter paint;
    QColor ground, grain;
  };
  static const Style kStyles[] = {
      {"felt", Felt, QColor(0x1e, 0x6b, 0x3c), QColor(0x14, 0x4d, 0x2a)},
      {"cloth", Cloth, QColor(0x2a, 0x4a, 0x7a), QColor(0xd8, 0xd0, 0xb8)},
      {"wood", Wood, QColor(0x8a, 0x55, 0x2c), QColor(0x4a, 0x2a, 0x12)},
      {"marble", Marble, QColor(0xe8, 0xe4, 0xdc), QColor(0x6a, 0x6a, 0x72)},
      {"leather", Leather, QColor(0x6e, 0x2a, 0x1e), QColor(0x3a, 0x12, 0x0a)},
      {"linen", Linen, QColor(0xc8, 0xb8, 0x96), QColor(0x8c, 0x7a, 0x5a)},
      {"parquet", Parquet, QColor(0xb0, 0x78, 0x40), QColor(0x6a, 0x40, 0x1c)},
  };
  for (const Style& s : kStyles) {
    if (style != QLatin1String(s.name)) continue;
    const QColor ground = colours.size() > 0 && colours[0].isValid() ? colours[0] : s.ground;
    const QColor grain = colours.size() > 1 && colours[1].isValid() ? colours[1] : s.grain;
    const TilingNoise noise(seed);
    QImage image(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y) {
      auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
      for (int x = 0; x < size; ++x) {
        const double u = (x + 0.5) / size, v = (y + 0.5) / size;
        row[x] = s.paint(u, v, noise, seed, ground, grain).rgb();
      }
    }
    return image;
  }
  return {};
}

}  // namespace packbuilder

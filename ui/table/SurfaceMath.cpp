#include "SurfaceMath.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace durak {

namespace {

uint8_t Channel(int64_t v) {
  return static_cast<uint8_t>(std::clamp<int64_t>(v, 0, 255));
}

}  // namespace

std::vector<TRgb> GradientRows(TRgb c1, TRgb c2, int height) {
  std::vector<TRgb> rows;
  if (height <= 0) return rows;
  const double h = height;
  const double stepR = (c2.R - c1.R) / h;
  const double stepG = (c2.G - c1.G) / h;
  const double stepB = (c2.B - c1.B) / h;
  rows.reserve(height);
  for (int y = 0; y < height; ++y) {
    rows.push_back(TRgb{Channel(Nearest(y * stepR + c1.R)), Channel(Nearest(y * stepG + c1.G)),
                        Channel(Nearest(y * stepB + c1.B))});
  }
  return rows;
}

std::vector<TRgb> RainbowRows(int brightness, int height) {
  std::vector<TRgb> rows;
  if (height <= 10) return rows;
  const double band = height / 11.0;
  const double step = 128.0 / band;
  const int b = std::abs(brightness) > 10 ? 0 : brightness;
  const double lo = b > 0 ? 10.0 * b : 0.0;
  const double hi = b < 0 ? 255.0 + 10.0 * b : 255.0;
  double a = hi;
  double bv = lo;
  double c = lo;
  int i = 0;
  const uint8_t l8 = Channel(Nearest(lo));
  const uint8_t h8 = Channel(Nearest(hi));
  TRgb colour{h8, l8, l8};
  rows.reserve(height);
  for (int y = 0; y < height; ++y) {
    if (y >= (i + 1) * band) ++i;
    switch (i) {
      case 0:
        colour = TRgb{h8, l8, l8};
        break;
      case 1:
      case 2:
        bv = std::min(bv + step, hi);
        colour = TRgb{h8, Channel(Nearest(bv)), l8};
        break;
      case 3:
      case 4:
        a = std::max(a - step, lo);
        colour = TRgb{Channel(Nearest(a)), h8, l8};
        break;
      case 5:
      case 6:
        c = std::min(c + step, hi);
        colour = TRgb{l8, h8, Channel(Nearest(c))};
        break;
      case 7:
      case 8:
        bv = std::max(bv - step, lo);
        colour = TRgb{l8, Channel(Nearest(bv)), h8};
        break;
      case 9:
      case 10:
        a = std::min(a + step, hi);
        colour = TRgb{Channel(Nearest(a)), l8, h8};
        break;
      default:
        break;  // past the last band: the previous row's colour
    }
    rows.push_back(colour);
  }
  return rows;
}

int StripWidthFor(int panelWidth) {
  return std::min(panelWidth - 4, 128);
}

std::vector<TSpan> TileSpans(int total, int tile) {
  std::vector<TSpan> spans;
  if (total < 1 || tile < 1) return spans;
  const int k = total / tile;
  spans.reserve(k + 1);
  for (int j = 0; j < k; ++j) spans.push_back(TSpan{j * tile, tile});
  const int r = total % tile;
  if (r > 0) spans.push_back(TSpan{k * tile, r});
  return spans;
}

}  // namespace durak

#include "ColourButtonMath.h"

#include <cmath>

namespace durak {

TColBtnRects ColBtnRects(int w, int h, bool pressed, TLorR side) {
  const int o = pressed ? 3 : 2;
  TColBtnRects r;
  if (side == lrRight) {
    r.Swatch = TBox{w + o - h, o, w + o - 5, h + o - 5};
    r.Caption = TBox{o, o, r.Swatch.Left - 1, h + o - 5};
  } else {
    r.Swatch = TBox{o, o, h + o - 5, h + o - 5};
    r.Caption = TBox{r.Swatch.Right + 1, o, w + o - 5, h + o - 5};
  }
  return r;
}

int StarInnerRadius(int outer, int points) {
  double divisor = 2.5;
  if (points == 6 || points == 7) {
    divisor = 2.0;
  } else if (points == 8) {
    divisor = 1.7;
  } else if (points >= 9) {
    divisor = 1.5;
  }
  return static_cast<int>(Nearest(outer / divisor));
}

std::vector<TPt> StarVertices(int cx, int cy, int outer, int points) {
  const int inner = StarInnerRadius(outer, points);
  const double pi = std::acos(-1.0);
  const double step = 2 * pi / (2 * points);
  std::vector<TPt> v;
  v.reserve(2 * static_cast<size_t>(points));
  for (int i = 0; i < 2 * points; ++i) {
    const double a = i * step + pi / 2;
    const int radius = i % 2 == 0 ? outer : inner;
    v.push_back(TPt{cx + static_cast<int>(Nearest(std::cos(a) * radius)),
                    cy - static_cast<int>(Nearest(std::sin(a) * radius))});
  }
  return v;
}

TSwatchShape SwatchShape(int vid, int vidStar, TBox box) {
  const int l = box.Left, t = box.Top, r = box.Right, b = box.Bottom;
  const int mx = l + (r - l) / 2;
  const int my = t + (b - t) / 2;
  TSwatchShape s;
  s.Box = box;
  switch (vid) {
    case vbKvadrat:
      s.Kind = TSwatchShape::skRectangle;
      break;
    case vb3Up:
      s.Kind = TSwatchShape::skPolygons;
      s.Polygons = {{{l, t}, {r, t}, {mx, b}}};
      break;
    case vb3Dn:
      s.Kind = TSwatchShape::skPolygons;
      s.Polygons = {{{l, b}, {r, b}, {mx, t}}};
      break;
    case vb3Left:
      s.Kind = TSwatchShape::skPolygons;
      s.Polygons = {{{l, my}, {r, t}, {r, b}}};
      break;
    case vb3Right:
      s.Kind = TSwatchShape::skPolygons;
      s.Polygons = {{{l, t}, {r, my}, {l, b}}};
      break;
    case vbSkosh:
      s.Kind = TSwatchShape::skPolygons;
      s.Polygons = {{{l, t}, {r - 2, t}, {l, b - 2}}, {{r, t + 2}, {r, b}, {l + 2, b}}};
      break;
    case vbRomb:
      s.Kind = TSwatchShape::skPolygons;
      s.Polygons = {{{mx, t}, {r, my}, {mx, b}, {l, my}}};
      break;
    case vbKvKrug:
      s.Kind = TSwatchShape::skRoundRect;
      s.Corner = 10;
      break;
    case vbStar: {
      const int points = 5 + (vidStar >= vs5 && vidStar <= vs10 ? vidStar : vs5);
      s.Kind = TSwatchShape::skPolygons;
      s.Polygons = {StarVertices(mx, my, (b - t) / 2, points)};
      break;
    }
    case vbKrug:
    default:
      // The circle is also what an unknown shape number shows.
      s.Kind = TSwatchShape::skEllipse;
      break;
  }
  return s;
}

}  // namespace durak

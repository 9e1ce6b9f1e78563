// The colour button's arithmetic without a window: where the caption and the swatch go, and
// the outline of every swatch shape.
#pragma once

#include <vector>

#include "UiMath.h"

namespace durak {

// Shapes of the swatch.
enum TVid {
  vbKvadrat = 0,
  vb3Up = 1,
  vb3Dn = 2,
  vb3Left = 3,
  vb3Right = 4,
  vbSkosh = 5,
  vbRomb = 6,
  vbKrug = 7,
  vbKvKrug = 8,
  vbStar = 9
};
// Side of the swatch.
enum TLorR { lrLeft = 0, lrRight = 1 };
// Points of the star: 5 + value.
enum TVidStar { vs5 = 0, vs6 = 1, vs7 = 2, vs8 = 3, vs9 = 4, vs10 = 5 };

struct TColBtnRects {
  TBox Swatch;   // before the one-pixel shrink for the shape
  TBox Caption;  // before the two-pixel shrink for the focus rectangle
};
// The face moves one pixel right and down while the button is pressed.
TColBtnRects ColBtnRects(int width, int height, bool pressed, TLorR side);

// The inner radius of an n-pointed star of outer radius r, and its 2n vertices starting at
// the top point and running counter-clockwise.
int StarInnerRadius(int outer, int points);
std::vector<TPt> StarVertices(int cx, int cy, int outer, int points);

// How a swatch shape is drawn inside the swatch box (already shrunk by one pixel).
struct TSwatchShape {
  enum TKind { skRectangle, skPolygons, skEllipse, skRoundRect } Kind = skRectangle;
  TBox Box;                                // skRectangle, skEllipse, skRoundRect
  std::vector<std::vector<TPt>> Polygons;  // skPolygons
  int Corner = 0;                          // skRoundRect: the corner ellipse's width and height
};
TSwatchShape SwatchShape(int vid, int vidStar, TBox box);

}  // namespace durak

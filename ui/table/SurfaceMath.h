// The table surface's arithmetic without a window: the rows of the gradient and the rainbow,
// the width of the prepared strip, and how a strip or tile is repeated to fill a length.
#pragma once

#include <vector>

#include "../widgets/UiMath.h"

namespace durak {

// One colour per row, top to bottom: the top row is c1, the last one step short of c2.
std::vector<TRgb> GradientRows(TRgb c1, TRgb c2, int height);

// One colour per row: red, yellow, green, cyan, blue, magenta. Brightness outside -10..10
// counts as 0. Empty for a height of 10 rows or less (the picture stays as it is).
std::vector<TRgb> RainbowRows(int brightness, int height);

// Width of the gradient or rainbow strip for a panel of the given width (inside the border).
int StripWidthFor(int panelWidth);

// One copy of a tile: where it goes along the length and how much of the tile it takes.
struct TSpan {
  int Offset = 0;
  int Length = 0;
  bool operator==(const TSpan& o) const { return Offset == o.Offset && Length == o.Length; }
};
// The copies that fill `total` pixels with a tile `tile` long, starting at 0: full tiles,
// then the leading part of one more. Empty when either length is below 1.
std::vector<TSpan> TileSpans(int total, int tile);

}  // namespace durak

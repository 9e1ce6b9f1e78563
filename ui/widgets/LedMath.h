// The seven-segment counter's arithmetic without a window: which cell shows what, the cell
// geometry and the segment polygons.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "UiMath.h"

namespace durak {

// Cell codes: 0..9 a digit, -1 a minus, -2 a blank cell.
constexpr int LedMinus = -1;
constexpr int LedBlank = -2;

// A counter never shows more cells than this, nor cells wider than LedMaxCellWidth, so a
// mistaken property cannot ask for a giant picture.
constexpr int LedMaxCells = 64;
constexpr int LedMaxCellWidth = 512;

// The codes of the cells from left to right for a number, as the counter lays them out: a
// sign cell first when `neg`, then the digit cells, leading ones zero or blank.
std::vector<int> LedCells(int32_t number, bool neg, bool hiNill, int digits);

// Segments in the order of the lit table: top, upper right, lower right, bottom, lower left,
// upper left, middle.
enum TLedSegment {
  SegTop,
  SegUpperRight,
  SegLowerRight,
  SegBottom,
  SegLowerLeft,
  SegUpperLeft,
  SegMiddle
};

// Bit s set when segment s is lit for the code; 0 for a blank or an unknown code.
int LedLitMask(int code);
bool IsLedCode(int code);

// Columns, rows and thickness of one cell of width w (its height is 2w).
struct TLedCellGeometry {
  int T = 0, H = 0;
  int X0 = 0, X1 = 0, X2 = 0, X3 = 0, X4 = 0, X5 = 0;
  int Y0 = 0, Y1 = 0, Y2 = 0;
  int M = 0;
  int Z0 = 0, Z1 = 0, Z2 = 0;
};
TLedCellGeometry LedGeometry(int cellWidth);

// The seven six-sided segment polygons of a cell, in TLedSegment order.
std::array<std::array<TPt, 6>, 7> LedSegments(int cellWidth);

// The mark column beside a cell: 1 lit dot, 2 unlit dot, 3 lit colon, 4 unlit colon. A dot
// is one rectangle, a colon two. Empty for mark 0 or an unknown mark.
std::vector<TBox> LedMarkBoxes(int cellWidth, int mark);
// Width of a cell picture with its mark column.
int LedCellPictureWidth(int cellWidth, int mark);

}  // namespace durak

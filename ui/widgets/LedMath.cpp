#include "LedMath.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace durak {

std::vector<int> LedCells(int32_t number, bool neg, bool hiNill, int digits) {
  std::vector<int> cells;
  // Through 64 bits, so the most negative number still has a magnitude.
  const std::string s = std::to_string(std::llabs(static_cast<long long>(number)));
  const int len = static_cast<int>(s.size());
  const int cellCount = std::min(digits, LedMaxCells);
  if (neg) cells.push_back(number < 0 ? LedMinus : LedBlank);
  for (int k = neg ? 2 : 1; k <= cellCount; ++k) {
    const int fromRight = cellCount - k;
    if (fromRight < len) {
      cells.push_back(s[len - fromRight - 1] - '0');
    } else {
      cells.push_back(hiNill ? 0 : LedBlank);
    }
  }
  return cells;
}

bool IsLedCode(int code) {
  return (code >= 0 && code <= 9) || code == LedMinus || code == LedBlank;
}

int LedLitMask(int code) {
  auto bits = [](std::initializer_list<TLedSegment> segs) {
    int m = 0;
    for (TLedSegment s : segs) m |= 1 << s;
    return m;
  };
  switch (code) {
    case 0:
      return bits({SegTop, SegUpperRight, SegLowerRight, SegBottom, SegLowerLeft, SegUpperLeft});
    case 1:
      return bits({SegUpperRight, SegLowerRight});
    case 2:
      return bits({SegTop, SegUpperRight, SegBottom, SegLowerLeft, SegMiddle});
    case 3:
      return bits({SegTop, SegUpperRight, SegLowerRight, SegBottom, SegMiddle});
    case 4:
      return bits({SegUpperRight, SegLowerRight, SegUpperLeft, SegMiddle});
    case 5:
      return bits({SegTop, SegLowerRight, SegBottom, SegUpperLeft, SegMiddle});
    case 6:
      return bits({SegTop, SegLowerRight, SegBottom, SegLowerLeft, SegUpperLeft, SegMiddle});
    case 7:
      return bits({SegTop, SegUpperRight, SegLowerRight});
    case 8:
      return 0x7F;
    case 9:
      return bits({SegTop, SegUpperRight, SegLowerRight, SegBottom, SegUpperLeft, SegMiddle});
    case LedMinus:
      return bits({SegMiddle});
    default:
      return 0;
  }
}

TLedCellGeometry LedGeometry(int w) {
  TLedCellGeometry g;
  g.T = w / 6;
  if (g.T % 2 == 0) ++g.T;
  g.H = g.T / 2;
  const int h = g.H;
  g.X0 = 1;
  g.X1 = 1 + h;
  g.X2 = 1 + 2 * h;
  g.X5 = w - 2;
  g.X4 = g.X5 - h;
  g.X3 = g.X5 - 2 * h;
  g.Y0 = 1;
  g.Y1 = 1 + h;
  g.Y2 = 1 + 2 * h;
  g.M = w;
  g.Z0 = 2 * w - 2;
  g.Z1 = g.Z0 - h;
  g.Z2 = g.Z0 - 2 * h;
  return g;
}

std::array<std::array<TPt, 6>, 7> LedSegments(int w) {
  const TLedCellGeometry g = LedGeometry(w);
  const int h = g.H;
  const int m = g.M;
  auto horizontal = [&g](int r0, int r1, int r2) {
    return std::array<TPt, 6>{TPt{g.X2 + 1, r0}, TPt{g.X3 - 1, r0}, TPt{g.X4 - 1, r1},
                              TPt{g.X3 - 1, r2}, TPt{g.X2 + 1, r2}, TPt{g.X1 + 1, r1}};
  };
  auto upper = [&](int c0, int c1, int c2) {
    return std::array<TPt, 6>{TPt{c2, g.Y2 + 1},  TPt{c2, m - h - 1}, TPt{c1, m - 1},
                              TPt{c0, m - h - 1}, TPt{c0, g.Y2 + 1},  TPt{c1, g.Y1 + 1}};
  };
  auto lower = [&](int c0, int c1, int c2) {
    return std::array<TPt, 6>{TPt{c2, m + h + 1}, TPt{c2, g.Z2 - 1},  TPt{c1, g.Z1 - 1},
                              TPt{c0, g.Z2 - 1},  TPt{c0, m + h + 1}, TPt{c1, m + 1}};
  };
  std::array<std::array<TPt, 6>, 7> s;
  s[SegTop] = horizontal(g.Y0, g.Y1, g.Y2);
  s[SegUpperRight] = upper(g.X3, g.X4, g.X5);
  s[SegLowerRight] = lower(g.X3, g.X4, g.X5);
  s[SegBottom] = horizontal(g.Z2, g.Z1, g.Z0);
  s[SegLowerLeft] = lower(g.X0, g.X1, g.X2);
  s[SegUpperLeft] = upper(g.X0, g.X1, g.X2);
  s[SegMiddle] = horizontal(m - h, m, m + h);
  return s;
}

std::vector<TBox> LedMarkBoxes(int w, int mark) {
  const TLedCellGeometry g = LedGeometry(w);
  const int h = g.H;
  const int p = g.X5 + 1;
  const int q = p + 2 * h;
  switch (mark) {
    case 1:
    case 2:
      return {TBox{p, g.Z2, q, g.Z0}};
    case 3:
    case 4:
      return {TBox{p, g.M + h, q, g.M + 3 * h}, TBox{p, g.M - 3 * h, q, g.M - h}};
    default:
      return {};
  }
}

int LedCellPictureWidth(int w, int mark) {
  if (mark == 0) return w;
  return w + 2 * LedGeometry(w).H + 1;
}

}  // namespace durak

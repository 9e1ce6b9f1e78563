// Plain value types and rounding shared by the card, table and widget arithmetic. No Qt here,
// so tests can check every pixel rule without a window.
#pragma once

#include <cstdint>

#include "Layout.h"  // Nearest: the one rounding rule of the whole program

namespace durak {

struct TPt {
  int X = 0;
  int Y = 0;
  bool operator==(const TPt& o) const { return X == o.X && Y == o.Y; }
};

// A rectangle by its sides; Right and Bottom lie just outside it, as the drawing layer expects.
struct TBox {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool operator==(const TBox& o) const {
    return Left == o.Left && Top == o.Top && Right == o.Right && Bottom == o.Bottom;
  }
};

// A card position and size in the parent's coordinates.
struct TBounds {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  bool operator==(const TBounds& o) const {
    return Left == o.Left && Top == o.Top && Width == o.Width && Height == o.Height;
  }
};

struct TRgb {
  uint8_t R = 0;
  uint8_t G = 0;
  uint8_t B = 0;
  bool operator==(const TRgb& o) const { return R == o.R && G == o.G && B == o.B; }
};

// Colours are kept in the settings as Windows colour values: 0x00BBGGRR, or a system colour
// index with the top bit set. These two cover the plain RGB case; system colours need the
// palette (WinColor.h).
inline TRgb RgbOfWin(uint32_t c) {
  return TRgb{static_cast<uint8_t>(c & 0xFF), static_cast<uint8_t>((c >> 8) & 0xFF),
              static_cast<uint8_t>((c >> 16) & 0xFF)};
}
inline uint32_t WinOfRgb(TRgb c) {
  return static_cast<uint32_t>(c.R) | (static_cast<uint32_t>(c.G) << 8) |
         (static_cast<uint32_t>(c.B) << 16);
}
inline bool IsSystemWinColor(uint32_t c) {
  return (c & 0x80000000u) != 0;
}

}  // namespace durak

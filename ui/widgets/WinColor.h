// Colours as the settings keep them (Windows colour values: 0x00BBGGRR, or a system colour
// index with the top bit set) and the desktop's system colours, taken from the Qt palette.
// Every widget resolves a colour value here and nowhere else.
#pragma once

#include <QColor>
#include <QPalette>
#include <cstdint>

#include "UiMath.h"

namespace durak {

// The system colour indices the program uses, with their Windows numbers.
enum TSysColor {
  SysWindow = 5,
  SysWindowText = 8,
  SysHighlight = 13,
  SysHighlightText = 14,
  SysBtnFace = 15,
  SysBtnShadow = 16,
  SysGrayText = 17,
  SysBtnText = 18,
  SysBtnHighlight = 20,
  Sys3dDkShadow = 21,
  Sys3dLight = 22,
};

// The system colour value as the settings would store it (top bit set), e.g. clBtnFace.
constexpr int32_t WinSysColorValue(TSysColor c) {
  return static_cast<int32_t>(0x80000000u | static_cast<uint32_t>(c));
}

// The current desktop colour for a system colour index, from the application palette (or
// the palette given). An index without a palette role gets the classic desktop colour.
QColor SysColor(int index);
QColor SysColor(int index, const QPalette& palette);

// Resolves a stored colour value: plain 0x00BBGGRR, or a system colour when the top bit is
// set. Bits 24..30 of a plain value are ignored.
QColor ColorFromWin(int32_t value);
QColor ColorFromWin(int32_t value, const QPalette& palette);

// The stored value of a colour (always plain RGB; alpha is dropped).
int32_t WinFromColor(const QColor& c);

// The value to store for a colour that was read as `stored`: the stored value itself while
// it still gives this colour, so a system colour keeps following the desktop and stray high
// bits survive; the plain RGB value of the colour once the user has picked another.
int32_t KeepWinColor(int32_t stored, const QColor& now);

inline QColor QColorOf(TRgb c) {
  return QColor(c.R, c.G, c.B);
}
inline TRgb RgbOf(const QColor& c) {
  return TRgb{static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()),
              static_cast<uint8_t>(c.blue())};
}

}  // namespace durak

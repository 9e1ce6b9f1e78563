#include "WinColor.h"

#include <QGuiApplication>

namespace durak {

namespace {

// The classic desktop colours, for indices that have no palette role.
QColor ClassicSysColor(int index) {
  switch (index) {
    case 0:
      return QColor(200, 200, 200);  // scroll bar
    case 1:
      return QColor(0, 128, 128);  // desktop
    case 2:
      return QColor(0, 0, 128);  // active caption
    case 3:
      return QColor(128, 128, 128);  // inactive caption
    case 4:
      return QColor(192, 192, 192);  // menu
    case 6:                          // window frame
    case 7:                          // menu text
      return QColor(0, 0, 0);
    case 9:
      return QColor(255, 255, 255);  // caption text
    case 10:                         // active border
    case 11:                         // inactive border
      return QColor(192, 192, 192);
    case 12:
      return QColor(128, 128, 128);  // application workspace
    case 19:
      return QColor(192, 192, 192);  // inactive caption text
    case 23:
      return QColor(0, 0, 0);  // tooltip text
    case 24:
      return QColor(255, 255, 225);  // tooltip background
    default:
      return QColor(192, 192, 192);
  }
}

}  // namespace

QColor SysColor(int index, const QPalette& pal) {
  switch (index) {
    case SysWindow:
      return pal.color(QPalette::Active, QPalette::Base);
    case SysWindowText:
      return pal.color(QPalette::Active, QPalette::Text);
    case SysHighlight:
      return pal.color(QPalette::Active, QPalette::Highlight);
    case SysHighlightText:
      return pal.color(QPalette::Active, QPalette::HighlightedText);
    case SysBtnFace:
      return pal.color(QPalette::Active, QPalette::Button);
    case SysBtnShadow:
      return pal.color(QPalette::Active, QPalette::Dark);
    case SysGrayText:
      return pal.color(QPalette::Disabled, QPalette::Text);
    case SysBtnText:
      return pal.color(QPalette::Active, QPalette::ButtonText);
    case SysBtnHighlight:
      return pal.color(QPalette::Active, QPalette::Light);
    case Sys3dDkShadow:
      return pal.color(QPalette::Active, QPalette::Shadow);
    case Sys3dLight:
      return pal.color(QPalette::Active, QPalette::Midlight);
    default:
      return ClassicSysColor(index);
  }
}

QColor SysColor(int index) {
  return SysColor(index, QGuiApplication::palette());
}

QColor ColorFromWin(int32_t value, const QPalette& palette) {
  const uint32_t v = static_cast<uint32_t>(value);
  if (IsSystemWinColor(v)) return SysColor(static_cast<int>(v & 0xFF), palette);
  return QColorOf(RgbOfWin(v));
}

QColor ColorFromWin(int32_t value) {
  const uint32_t v = static_cast<uint32_t>(value);
  if (IsSystemWinColor(v)) return SysColor(static_cast<int>(v & 0xFF));
  return QColorOf(RgbOfWin(v));
}

int32_t WinFromColor(const QColor& c) {
  return static_cast<int32_t>(WinOfRgb(RgbOf(c)));
}

int32_t KeepWinColor(int32_t stored, const QColor& now) {
  return RgbOf(ColorFromWin(stored)) == RgbOf(now) ? stored : WinFromColor(now);
}

}  // namespace durak

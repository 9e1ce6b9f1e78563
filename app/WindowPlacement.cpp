#include "WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace durak {

namespace {

// The start of a span of the given length kept inside [lo, lo + room).
int KeepInside(int start, int length, int lo, int room) {
  const int last = std::max(lo, lo + room - length);
  return std::clamp(start, lo, last);
}

}  // namespace

QRect ClampPlacement(int left, int top, int width, int height, const QRect& available,
                     const QSize& minimum) {
  // Without a screen to measure, a sane area around the origin stands in for it.
  const QRect area = available.isEmpty() ? QRect(0, 0, 4096, 4096) : available;
  const int w = std::clamp(width, minimum.width(), std::max(minimum.width(), area.width()));
  const int h = std::clamp(height, minimum.height(), std::max(minimum.height(), area.height()));
  return QRect(KeepInside(left, w, area.left(), area.width()),
               KeepInside(top, h, area.top(), area.height()), w, h);
}

QRect AvailableAreaFor(int left, int top, int width, int height) {
  // The middle in 64 bits: the saved numbers may be anything.
  const auto mid = [](int a, int len) {
    const long long m = static_cast<long long>(a) + std::max(0, len) / 2;
    return static_cast<int>(std::clamp<long long>(m, INT32_MIN / 2, INT32_MAX / 2));
  };
  QScreen* screen = QGuiApplication::screenAt(QPoint(mid(left, width), mid(top, height)));
  if (!screen) screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect();
}

bool NativeDialogsStayOverTheGame(const QString& platformName) {
  return !platformName.startsWith(QStringLiteral("wayland"), Qt::CaseInsensitive);
}

void KeepDialogsOverTheGame() {
  QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs,
                                 !NativeDialogsStayOverTheGame(QGuiApplication::platformName()));
}

}  // namespace durak

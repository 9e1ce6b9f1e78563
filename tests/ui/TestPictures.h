// Pictures and helpers the widget tests share.
#pragma once

#include <QColor>
#include <QImage>

namespace durak {

// A picture whose every pixel differs from its neighbours, so a rotation or a shift shows.
inline QImage PatternPicture(int w, int h) {
  QImage img(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      img.setPixel(x, y, qRgb((x * 7) & 255, (y * 5) & 255, (x + y) & 255));
  return img;
}

inline QImage SolidPicture(int w, int h, QColor c) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(c);
  return img;
}

inline QColor PixelAt(const QImage& img, int x, int y) {
  return QColor(img.pixel(x, y));
}

}  // namespace durak

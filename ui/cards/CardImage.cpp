#include "CardImage.h"

#include <array>

#include "CardMath.h"

namespace durak {

QImage CardImageFormat(const QImage& source) {
  if (source.isNull()) return QImage();
  if (source.format() == QImage::Format_RGB32 ||
      source.format() == QImage::Format_ARGB32_Premultiplied)
    return source;
  return source.convertToFormat(source.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                         : QImage::Format_RGB32);
}

void RotateBitmap(QImage& bitmap, int angle) {
  if (bitmap.isNull()) return;
  const QImage src = CardImageFormat(bitmap);
  const int w = src.width();
  const int h = src.height();
  const bool quarter = angle == 90 || angle == 270;
  QImage dst(quarter ? h : w, quarter ? w : h, src.format());
  if (dst.isNull()) {
    bitmap = src;  // no room for the copy: the pixels stay unrotated
    return;
  }
  RotatePixels(reinterpret_cast<const uint32_t*>(src.constBits()), w, h,
               static_cast<int>(src.bytesPerLine() / 4), angle,
               reinterpret_cast<uint32_t*>(dst.bits()), static_cast<int>(dst.bytesPerLine() / 4));
  dst.setDevicePixelRatio(src.devicePixelRatio());
  bitmap = dst;
}

QImage TintedImage(const QImage& source, const QColor& hot) {
  QImage img = CardImageFormat(source);
  if (img.isNull()) return img;
  img.detach();
  const std::array<uint8_t, 256> tr = TintTable(static_cast<uint8_t>(hot.red()));
  const std::array<uint8_t, 256> tg = TintTable(static_cast<uint8_t>(hot.green()));
  const std::array<uint8_t, 256> tb = TintTable(static_cast<uint8_t>(hot.blue()));
  const bool alpha = img.format() == QImage::Format_ARGB32_Premultiplied;
  for (int y = 0; y < img.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < img.width(); ++x) {
      const QRgb p = row[x];
      const int a = alpha ? qAlpha(p) : 255;
      if (a == 255) {
        row[x] = qRgb(tr[qRed(p)], tg[qGreen(p)], tb[qBlue(p)]);
      } else if (a > 0) {
        // A soft edge pixel: tint its own colour, keep its coverage.
        const QRgb u = qUnpremultiply(p);
        row[x] = qPremultiply(qRgba(tr[qRed(u)], tg[qGreen(u)], tb[qBlue(u)], a));
      }
    }
  }
  return img;
}

}  // namespace durak

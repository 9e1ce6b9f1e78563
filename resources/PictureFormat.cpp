#include "PictureFormat.h"

#include <QImageReader>

namespace durak {

QByteArray PictureFormatOf(const QByteArray& bytes) {
  if (bytes.startsWith(QByteArrayLiteral("\x89PNG\r\n\x1a\n"))) return QByteArrayLiteral("png");
  if (bytes.startsWith(QByteArrayLiteral("BM"))) return QByteArrayLiteral("bmp");
  if (bytes.startsWith(QByteArrayLiteral("\xff\xd8\xff"))) return QByteArrayLiteral("jpeg");
  if (bytes.startsWith(QByteArrayLiteral("GIF87a")) ||
      bytes.startsWith(QByteArrayLiteral("GIF89a")))
    return QByteArrayLiteral("gif");
  return {};
}

void HintPictureFormat(QImageReader& reader, const QByteArray& bytes) {
  const QByteArray format = PictureFormatOf(bytes);
  if (!format.isEmpty()) reader.setFormat(format);
}

}  // namespace durak

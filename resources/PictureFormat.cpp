#include "PictureFormat.h"

#include <QBuffer>
#include <QImageReader>

namespace durak {

namespace {

// A reader over a copy of the bytes, told their kind, its memory for one picture capped.
struct TBytesReader {
  explicit TBytesReader(const QByteArray& bytes) : Bytes(bytes), Buffer(&Bytes) {
    Buffer.open(QIODevice::ReadOnly);
    Reader.setDevice(&Buffer);
    HintPictureFormat(Reader, Bytes);
    Reader.setAllocationLimit(64);  // megabytes
  }
  QByteArray Bytes;
  QBuffer Buffer;
  QImageReader Reader;
};

}  // namespace

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

QSize KeptPictureSize(QSize size, int maxSide, int keepSide) {
  if (!size.isValid() || size.width() > maxSide || size.height() > maxSide) return {};
  if (keepSide <= 0 || (size.width() <= keepSide && size.height() <= keepSide)) return size;
  return size.scaled(keepSide, keepSide, Qt::KeepAspectRatio).expandedTo({1, 1});
}

QSize PictureHeaderSize(const QByteArray& bytes) {
  if (bytes.isEmpty()) return {};
  TBytesReader r(bytes);
  return r.Reader.size();
}

QImage DecodePictureBytes(const QByteArray& bytes, int maxSide, int keepSide) {
  if (bytes.isEmpty()) return {};
  TBytesReader r(bytes);
  const QSize own = r.Reader.size();
  const QSize kept = KeptPictureSize(own, maxSide, keepSide);
  if (!kept.isValid()) return {};
  if (kept != own) r.Reader.setScaledSize(kept);
  return r.Reader.read();
}

}  // namespace durak

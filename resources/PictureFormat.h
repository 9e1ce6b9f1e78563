// Reading a picture from its bytes, with the one set-up of Qt's picture reader that every
// reader of the packs' pictures shares. The reader is told what the bytes are from their first
// bytes: without that it asks every picture plugin of the system whether it knows them,
// loading them all (SVG, GIF, JPEG, ...) the first time a pack's picture is read.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

class QImageReader;

namespace durak {

// "png", "bmp", "jpeg" or "gif" for bytes that begin as such a file does; empty otherwise.
QByteArray PictureFormatOf(const QByteArray& bytes);

// Sets the reader's format when the bytes' beginning names one; otherwise leaves the reader
// to find out for itself.
void HintPictureFormat(QImageReader& reader, const QByteArray& bytes);

// The size a picture of `size` is kept at: invalid when it is none or larger than `maxSide` on
// a side; otherwise its own, or, when `keepSide` > 0 and it is larger, scaled down (keeping
// its shape, at least 1 x 1) to fit `keepSide`.
QSize KeptPictureSize(QSize size, int maxSide, int keepSide = 0);

// The size the bytes decode to, from their header only; invalid when they are no picture.
QSize PictureHeaderSize(const QByteArray& bytes);

// The picture the bytes hold, at its KeptPictureSize (scaled smoothly as it is read); a null
// image when the bytes are damaged or no picture, or the picture is too large.
QImage DecodePictureBytes(const QByteArray& bytes, int maxSide, int keepSide = 0);

}  // namespace durak

// Telling Qt's picture reader what a picture's bytes are, from their first bytes. Without it
// the reader asks every picture plugin of the system whether it knows the bytes, loading them
// all (SVG, GIF, JPEG, ...) the first time a pack's picture is read.
#pragma once

#include <QByteArray>

class QImageReader;

namespace durak {

// "png", "bmp", "jpeg" or "gif" for bytes that begin as such a file does; empty otherwise.
QByteArray PictureFormatOf(const QByteArray& bytes);

// Sets the reader's format when the bytes' beginning names one; otherwise leaves the reader
// to find out for itself.
void HintPictureFormat(QImageReader& reader, const QByteArray& bytes);

}  // namespace durak

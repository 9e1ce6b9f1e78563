// Writing pictures as PNG files as small as the format allows without changing a pixel.
#pragma once

#include <QByteArray>
#include <QImage>

namespace packbuilder {

// The picture as PNG bytes holding exactly the pixels a plain QImage::save writes (colour
// with straight alpha), in the smallest of the PNG colour kinds that hold them all exactly
// (a palette of up to 256 colours, grey, with or without alpha, full colour), with the row
// filters and compression settings that give the fewest bytes. An empty result for a null
// picture.
QByteArray CompactPng(const QImage& image);

}  // namespace packbuilder

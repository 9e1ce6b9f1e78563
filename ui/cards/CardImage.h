// Whole-picture operations of the card control: the quarter-turn rotation and the hover tint,
// each done on one 32-bit copy with direct row access.
#pragma once

#include <QColor>
#include <QImage>

namespace durak {

// The card's working format: 32 bits per pixel, opaque pictures as RGB32 and pictures with
// transparent corners as premultiplied ARGB, so they draw fast and rotate losslessly.
QImage CardImageFormat(const QImage& source);

// Rotates counter-clockwise by 90, 180 or 270 degrees (other angles leave the pixels as
// they are). The picture ends up in the card's 32-bit working format, so turning it back
// restores every pixel exactly.
void RotateBitmap(QImage& bitmap, int angle);

// The hover tint: every channel of every opaque pixel becomes 65% of itself plus 35% of the
// hot colour's channel, truncated. Transparent pixels stay transparent.
QImage TintedImage(const QImage& source, const QColor& hot);

}  // namespace durak

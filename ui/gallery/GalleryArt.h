// Pictures for the gallery when no card library or wood strip is at hand: plain drawn card
// faces and backs, and a wood-like strip.
#pragma once

#include <QImage>
#include <QString>

namespace durak {

// A face by resource name ("6S", "10H", "DS"...), a back ("BK1".."BK5") or a null image.
QImage DrawnCardPicture(const QString& name, int width = 71, int height = 96);
// A 127 x 16 strip in wood colours.
QImage DrawnWoodStrip();

}  // namespace durak

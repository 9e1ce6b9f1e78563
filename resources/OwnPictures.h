// The program's own pictures, built into the executable: the trump-suit
// pictures "BS", "BC", "BD", "BH" (63 x 84), the wood strip "PBG" (127 x 16),
// the champions-table button glyphs "GNEW", "GRESET", "GDELETE", "GCLOSE",
// "GOK" (20 x 20) and the program icon "ICON" (64 x 64).
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace durak {

// The picture of that name (any letter case), or a null image.
QImage OwnPicture(const QString& name);

// The names of every built-in picture.
QStringList OwnPictureNames();

}  // namespace durak

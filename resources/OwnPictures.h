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

// The picture drawn for `logical` window pixels on a screen of device pixel ratio `dpr`: from
// its smallest built-in rendition (@2x, @3x) at least that large, scaled smoothly to exactly
// logical x dpr pixels and marked with that ratio. A null image when there is no such picture.
QImage OwnPictureAt(const QString& name, QSize logical, double dpr);

// The names of every built-in picture.
QStringList OwnPictureNames();

}  // namespace durak

// The program's own pictures, drawn at build time and compiled into the game:
// the trump-suit pictures, the wood strip, the button glyphs and the icon.
#pragma once

#include <QString>

namespace packbuilder {

// Writes BS, BC, BD, BH (each also as @2x and @3x renditions), PBG, GNEW, GRESET, GDELETE, GCLOSE,
// GOK and ICON as PNG files into "outDir"; the suit symbols and the icon come from the Atlas deck
// in "svgDir".
bool WriteOwnPictures(const QString& outDir, const QString& svgDir, QString* error);

}  // namespace packbuilder

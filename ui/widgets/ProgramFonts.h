// The program's captions name the classic desktop fonts; these map them to the installed
// metric twins (Liberation Serif, Sans and Mono), so text keeps its measured widths.
#pragma once

#include <QFont>
#include <QString>

namespace durak {

QString MapFontFamily(const QString& family);

// A font by its classic family name, in points or pixels (a size of 0 or below keeps the
// default size).
QFont ProgramFont(const QString& family, int pointSize, bool bold = false);
QFont ProgramPixelFont(const QString& family, int pixelSize, bool bold = false);

// Registers the mapping with Qt's font substitution, for fonts named elsewhere (style sheets,
// fonts set by family name). Safe to call more than once.
void InstallFontSubstitutes();

}  // namespace durak

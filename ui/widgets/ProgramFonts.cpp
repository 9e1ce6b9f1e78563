#include "ProgramFonts.h"

#include <QStringList>

namespace durak {

QString MapFontFamily(const QString& family) {
  QString f = family.trimmed();
  if (f.compare(QLatin1String("Times New Roman"), Qt::CaseInsensitive) == 0)
    return QStringLiteral("Liberation Serif");
  if (f.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0)
    return QStringLiteral("Liberation Sans");
  if (f.compare(QLatin1String("MS Sans Serif"), Qt::CaseInsensitive) == 0)
    return QStringLiteral("Liberation Sans");
  if (f.compare(QLatin1String("Courier New"), Qt::CaseInsensitive) == 0)
    return QStringLiteral("Liberation Mono");
  return f;
}

QFont ProgramFont(const QString& family, int pointSize, bool bold) {
  QFont font(MapFontFamily(family));
  if (pointSize > 0) font.setPointSize(pointSize);
  font.setBold(bold);
  return font;
}

QFont ProgramPixelFont(const QString& family, int pixelSize, bool bold) {
  QFont font(MapFontFamily(family));
  if (pixelSize > 0) font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

void InstallFontSubstitutes() {
  for (const char* name : {"Times New Roman", "Arial", "MS Sans Serif", "Courier New"}) {
    const QString family = QString::fromLatin1(name);
    if (QFont::substitutes(family).isEmpty())
      QFont::insertSubstitution(family, MapFontFamily(family));
  }
}

}  // namespace durak

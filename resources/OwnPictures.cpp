#include "OwnPictures.h"

#include <QFile>
#include <cmath>

namespace durak {

QStringList OwnPictureNames() {
  return {QStringLiteral("BS"),     QStringLiteral("BC"),      QStringLiteral("BD"),
          QStringLiteral("BH"),     QStringLiteral("PBG"),     QStringLiteral("GNEW"),
          QStringLiteral("GRESET"), QStringLiteral("GDELETE"), QStringLiteral("GCLOSE"),
          QStringLiteral("GOK"),    QStringLiteral("ICON")};
}

QImage OwnPictureAt(const QString& name, QSize logical, double dpr) {
  QImage base = OwnPicture(name);
  if (base.isNull() || logical.isEmpty()) return base;
  if (dpr <= 0) dpr = 1;
  const QSize pixels(static_cast<int>(std::lround(logical.width() * dpr)),
                     static_cast<int>(std::lround(logical.height() * dpr)));
  const double needed = std::max(static_cast<double>(pixels.width()) / base.width(),
                                 static_cast<double>(pixels.height()) / base.height());
  QImage source = base;
  for (int f = 2; f <= 3 && needed > (f - 1) + 1e-9; ++f) {
    const QImage larger = OwnPicture(name + QStringLiteral("@%1x").arg(f));
    if (larger.isNull()) break;
    source = larger;
  }
  if (source.size() != pixels)
    source = source.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  source.setDevicePixelRatio(dpr);
  return source;
}

QImage OwnPicture(const QString& name) {
  // "bs" finds BS; a rendition keeps its "@2x" as it is.
  const qsizetype at = name.indexOf(QLatin1Char('@'));
  const QString file = at < 0 ? name.toUpper() : name.left(at).toUpper() + name.mid(at).toLower();
  const QString path = QStringLiteral(":/durak/own/%1.png").arg(file);
  if (name.isEmpty() || !QFile::exists(path)) return {};
  return QImage(path);
}

}  // namespace durak

#include "OwnPictures.h"

#include <QFile>

namespace durak {

QStringList OwnPictureNames() {
  return {QStringLiteral("BS"),     QStringLiteral("BC"),      QStringLiteral("BD"),
          QStringLiteral("BH"),     QStringLiteral("PBG"),     QStringLiteral("GNEW"),
          QStringLiteral("GRESET"), QStringLiteral("GDELETE"), QStringLiteral("GCLOSE"),
          QStringLiteral("GOK"),    QStringLiteral("ICON")};
}

QImage OwnPicture(const QString& name) {
  const QString path = QStringLiteral(":/durak/own/%1.png").arg(name.toUpper());
  if (name.isEmpty() || !QFile::exists(path)) return {};
  return QImage(path);
}

}  // namespace durak

#include "PackLocator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace durak {

namespace {

QString ProgramDir() {
  if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath();
  // Without an application object, read the executable's own link.
  const QFileInfo self(QStringLiteral("/proc/self/exe"));
  return self.exists() ? QFileInfo(self.symLinkTarget()).absolutePath() : QString();
}

}  // namespace

QStringList PackSearchDirsFor(const QString& program, const QStringList& installed,
                              const QString& current) {
  QStringList dirs;
  if (!program.isEmpty()) dirs << program;
  for (const QString& dir : installed)
    if (!dir.isEmpty() && !dirs.contains(dir) && QFileInfo(dir).isDir()) dirs << dir;
  dirs << current;
  return dirs;
}

QStringList PackSearchDirs() {
  const QString program = ProgramDir();
  QStringList installed;
#ifdef DURAK_PACK_DATA_DIR
  installed << QStringLiteral(DURAK_PACK_DATA_DIR);
#endif
  // An installed program moved with its tree (bin/durak beside share/durak).
  if (!program.isEmpty()) installed << QDir::cleanPath(program + QStringLiteral("/../share/durak"));
  return PackSearchDirsFor(program, installed, QDir::currentPath());
}

QString FindPackIn(const QString& bareName, const QStringList& dirs) {
  const QString name = QFileInfo(bareName).fileName();
  if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) return {};
  for (const QString& dirPath : dirs) {
    const QDir dir(dirPath);
    const QFileInfo exact(dir.filePath(name));
    if (exact.isFile()) return exact.absoluteFilePath();
    // Pack names come from a system where letter case does not matter.
    const QStringList entries = dir.entryList(QDir::Files);
    for (const QString& entry : entries) {
      if (entry.compare(name, Qt::CaseInsensitive) == 0) return dir.absoluteFilePath(entry);
    }
  }
  return {};
}

QString FindPack(const QString& bareName) {
  return FindPackIn(bareName, PackSearchDirs());
}

QStringList ListPacks(const QString& pattern) {
  const QRegularExpression match(QRegularExpression::wildcardToRegularExpression(pattern),
                                 QRegularExpression::CaseInsensitiveOption);
  QStringList found;
  for (const QString& dirPath : PackSearchDirs()) {
    const QStringList entries = QDir(dirPath).entryList(QDir::Files);
    for (const QString& entry : entries) {
      const bool known = std::any_of(found.begin(), found.end(), [&](const QString& f) {
        return f.compare(entry, Qt::CaseInsensitive) == 0;
      });
      if (!known && match.match(entry).hasMatch()) found << entry;
    }
  }
  found.sort(Qt::CaseInsensitive);
  return found;
}

}  // namespace durak

#include "PackLocator.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QRegularExpression>
#include <algorithm>

namespace durak {

namespace {

// The executable's folder as the system names it, byte for byte.
QByteArray ProgramDirBytes() {
  std::string target(4096, '\0');
  const ssize_t n = ::readlink("/proc/self/exe", target.data(), target.size());
  if (n <= 0 || static_cast<size_t>(n) >= target.size()) return {};
  target.resize(static_cast<size_t>(n));
  const size_t slash = target.rfind('/');
  if (slash == std::string::npos) return {};
  return QByteArray::fromStdString(target.substr(0, slash == 0 ? 1 : slash));
}

}  // namespace

QString ByteExactFolder(const QByteArray& folder) {
  QString name = QFile::decodeName(folder);
  if (folder.isEmpty() || QFile::encodeName(name) == folder) return name;
  // Not valid in the file names' encoding: the text would name another folder (or none).
  // The folder is held open and reached through the descriptor's name instead.
  static QMutex mutex;
  static QHash<QByteArray, QString> opened;
  QMutexLocker lock(&mutex);
  if (const auto it = opened.constFind(folder); it != opened.constEnd()) return *it;
  const int fd = ::open(folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return name;
  QString alias = QStringLiteral("/proc/self/fd/%1").arg(fd);
  opened.insert(folder, alias);
  return alias;
}

QString ProgramFolder() {
  const QByteArray bytes = ProgramDirBytes();
  if (!bytes.isEmpty()) return ByteExactFolder(bytes);
  return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
}

namespace {

QString ProgramDir() {
  return ProgramFolder();
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
  // Worked out on the folder's bytes, which text may not hold.
  const QByteArray programBytes = ProgramDirBytes();
  const qsizetype slash = programBytes.lastIndexOf('/');
  if (slash >= 0) {
    const QByteArray share = programBytes.left(slash) + QByteArrayLiteral("/share/durak");
    installed << ByteExactFolder(share);
  }
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

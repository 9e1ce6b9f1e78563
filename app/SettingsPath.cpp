#include "SettingsPath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace durak {

namespace {

const QString kIniName = QStringLiteral("durak.ini");

// A folder's path with links resolved, so "~" and a link to it count as the same folder.
QString SameFolderKey(const QString& path) {
  const QString canonical = QFileInfo(path).canonicalFilePath();
  return canonical.isEmpty() ? QDir::cleanPath(QDir(path).absolutePath()) : canonical;
}

// A settings file is something to take over only when it is a file (or a link to one).
bool IsSettingsFile(const QString& path) {
  return QFileInfo(path).isFile();
}

}  // namespace

QString ConfigFolder() {
  QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (base.isEmpty() || QDir::isRelativePath(base))
    base = QDir(QDir::homePath()).filePath(QStringLiteral(".config"));
  return QDir::cleanPath(QDir(base).filePath(QStringLiteral("durak")));
}

QString ChooseSettingsFolder(const QString& current, const QString& home, bool currentWritable,
                             const QString& config) {
  if (!currentWritable || SameFolderKey(current) == SameFolderKey(home)) return config;
  return current;
}

QString PrepareSettingsFile(const QString& current, const QString& home, bool currentWritable,
                            const QString& config) {
  const QString folder = ChooseSettingsFolder(current, home, currentWritable, config);
  QString inCurrent = QDir(current).filePath(kIniName);
  if (folder == current) return inCurrent;

  if (!QDir().mkpath(config)) return inCurrent;
  QString target = QDir(config).filePath(kIniName);
  if (QFileInfo::exists(target) || QFileInfo(target).isSymLink()) return target;

  // An earlier version kept durak.ini in the home folder: move it here once. Should the
  // move fail, the old file stays where it is and is used there, so nothing is lost.
  QString old = QDir(home).filePath(kIniName);
  // A link the player made (into a dotfiles folder, say) is theirs: moved, a relative one
  // would point nowhere. The settings stay where it leads, read and written through it.
  if (QFileInfo(old).isSymLink() && IsSettingsFile(old)) return old;
  if (IsSettingsFile(old)) return QFile::rename(old, target) ? target : old;

  // Settings left in a folder the game cannot write are read from here on as a copy.
  if (IsSettingsFile(inCurrent) && QFile::copy(inCurrent, target))
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
  return target;
}

bool RunsInstalled(const QString& programDir) {
  if (QFileInfo(QDir(programDir).filePath(QStringLiteral("../share/durak"))).isDir()) return true;
  return !QFileInfo(programDir).isWritable();
}

QString SettingsFilePath() {
  const QString home = QDir::homePath();
  // Installed, the game runs as if started from the home folder: the settings go to the
  // configuration folder, and a ~/durak.ini of an earlier version is moved there.
  if (QCoreApplication::instance() && RunsInstalled(QCoreApplication::applicationDirPath()))
    return PrepareSettingsFile(home, home, true, ConfigFolder());
  const QString current = QDir::currentPath();
  return PrepareSettingsFile(current, home, QFileInfo(current).isWritable(), ConfigFolder());
}

QString DataFolder() {
  QString base = qEnvironmentVariable("XDG_DATA_HOME");
  if (base.isEmpty() || QDir::isRelativePath(base))
    base = QDir(QDir::homePath()).filePath(QStringLiteral(".local/share"));
  return QDir::cleanPath(QDir(base).filePath(QStringLiteral("durak")));
}

}  // namespace durak

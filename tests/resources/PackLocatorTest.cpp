// Finding packs by bare name: the program's folder first, then the current one.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "PackLocator.h"
#include "TestPacks.h"

using namespace durak;
using namespace durak::test;

namespace {

// Changes the current folder for the length of a test.
class CurrentDir {
 public:
  explicit CurrentDir(const QString& path) : old_(QDir::currentPath()) { QDir::setCurrent(path); }
  ~CurrentDir() { QDir::setCurrent(old_); }

 private:
  QString old_;
};

TEST(PackLocator, SearchesTheProgramFolderThenTheCurrentFolder) {
  const QStringList dirs = PackSearchDirs();
  ASSERT_GE(dirs.size(), 2);
  EXPECT_EQ(QDir(dirs[0]), QDir(QCoreApplication::applicationDirPath()));
  EXPECT_EQ(QDir(dirs[1]), QDir::current());
}

// A program folder whose name is not valid UTF-8 (made on another system, say): the name as
// text loses bytes and reaches nothing, so packs are found through the folder itself.
TEST(PackLocator, AFolderWhoseNameIsNotTextIsSearchedByteForByte) {
  QTemporaryDir base;
  const QByteArray folder = QFile::encodeName(base.path()) + QByteArray("/packs-\xff\xfe");
  ASSERT_EQ(::mkdir(folder.constData(), 0755), 0);
  const QByteArray file = folder + "/dtop.dll";
  const int fd = ::open(file.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::write(fd, "desk", 4), 4);
  ::close(fd);

  // What the folder's name becomes as text names no folder at all.
  EXPECT_TRUE(FindPackIn(QStringLiteral("dtop.dll"), {QFile::decodeName(folder)}).isEmpty());
  const QString exact = ByteExactFolder(folder);
  const QString found = FindPackIn(QStringLiteral("DTOP.DLL"), {exact});
  ASSERT_FALSE(found.isEmpty());
  QFile pack(found);
  ASSERT_TRUE(pack.open(QIODevice::ReadOnly));
  EXPECT_EQ(pack.readAll(), QByteArray("desk"));
  EXPECT_EQ(ByteExactFolder(folder), exact);  // one descriptor per folder
  // A name that is valid text stays as it is.
  EXPECT_EQ(ByteExactFolder(QFile::encodeName(base.path())), base.path());

  ::unlink(file.constData());
  ::rmdir(folder.constData());
}

TEST(PackLocator, FirstFolderHoldingThePackWins) {
  QTemporaryDir first, second;
  WriteAll(second.filePath(QStringLiteral("dtop.dll")), "b");
  EXPECT_EQ(FindPackIn(QStringLiteral("dtop.dll"), {first.path(), second.path()}),
            second.filePath(QStringLiteral("dtop.dll")));
  WriteAll(first.filePath(QStringLiteral("dtop.dll")), "a");
  EXPECT_EQ(FindPackIn(QStringLiteral("dtop.dll"), {first.path(), second.path()}),
            first.filePath(QStringLiteral("dtop.dll")));
  EXPECT_TRUE(FindPackIn(QStringLiteral("dtop2.dll"), {first.path(), second.path()}).isEmpty());
}

TEST(PackLocator, NamesMatchWithoutRegardToCaseAndOnlyByBareName) {
  QTemporaryDir dir;
  WriteAll(dir.filePath(QStringLiteral("SND.DLL")), "s");
  const QString expected = dir.filePath(QStringLiteral("SND.DLL"));
  EXPECT_EQ(FindPackIn(QStringLiteral("snd.dll"), {dir.path()}), expected);
  // A folder in the name is ignored: packs are only looked for in the search folders.
  EXPECT_EQ(FindPackIn(QStringLiteral("/elsewhere/../SND.DLL"), {dir.path()}), expected);
  for (const char* bad : {"", ".", "..", "/", "sub/"}) {
    EXPECT_TRUE(FindPackIn(QLatin1String(bad), {dir.path()}).isEmpty()) << bad;
  }
  QDir(dir.path()).mkdir(QStringLiteral("coloda-dir.col"));  // a folder is not a pack
  EXPECT_TRUE(FindPackIn(QStringLiteral("coloda-dir.col"), {dir.path()}).isEmpty());
}

TEST(PackLocator, PackInCurrentFolderVersusProgramFolder) {
  const QString name =
      QStringLiteral("coloda-locator-test-%1.col").arg(QCoreApplication::applicationPid());
  QTemporaryDir current;
  CurrentDir cd(current.path());
  WriteAll(current.filePath(name), "current");
  EXPECT_EQ(FindPack(name), QDir::current().absoluteFilePath(name));
  EXPECT_TRUE(ListPacks(QStringLiteral("coloda-locator-test-*.col")).contains(name));

  const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(name);
  WriteAll(beside, "program");
  EXPECT_EQ(ReadAll(FindPack(name)), QByteArray("program"));
  // Listed once although it lies in two folders.
  EXPECT_EQ(ListPacks(QStringLiteral("COLODA-locator-test-*.col")).count(name), 1);
  QFile::remove(beside);
  EXPECT_EQ(ReadAll(FindPack(name)), QByteArray("current"));
}

}  // namespace

// Packs that try to take unbounded memory or to stand in for the installed ones: huge
// pictures are scaled down or refused, one opening has a picture budget, and the current
// folder is searched only after the program's folder and the installed data folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "PackLocator.h"
#include "ResourcePack.h"
#include "TestPacks.h"

namespace durak {
namespace {

using test::PngOf;
using test::WriteZip;

TEST(PackLimits, LargePicturesAreScaledDownAndHugeOnesRefused) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("coloda-huge.col"));
  WriteZip(path, {{QStringLiteral("BK1.png"), PngOf(QSize(2048, 1536), Qt::red)},
                  {QStringLiteral("6S.png"), PngOf(QSize(3000, 50), Qt::blue)},
                  {QStringLiteral("7S.png"), PngOf(QSize(71, 96), Qt::green)},
                  {QStringLiteral("DT1.png"), PngOf(QSize(5000, 10), Qt::gray)}});
  ResourcePack pack;
  ASSERT_TRUE(pack.OpenFile(path));
  const QImage back = pack.LoadImage(QStringLiteral("BK1"));
  EXPECT_EQ(back.size(), QSize(1024, 768));
  EXPECT_EQ(back.pixelColor(500, 500), QColor(Qt::red));
  EXPECT_EQ(pack.LoadImage(QStringLiteral("6S")).size(), QSize(1024, 17));
  EXPECT_EQ(pack.LoadImage(QStringLiteral("7S")).size(), QSize(71, 96));  // left as it is
  EXPECT_TRUE(pack.LoadImage(QStringLiteral("DT1")).isNull());            // beyond decoding
}

TEST(PackLimits, OneOpeningHasAPictureBudget) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("coloda-greedy.col"));
  // A few kilobytes of archive that would unpack to 4 MB a picture.
  WriteZip(path, {{QStringLiteral("BK1.png"), PngOf(QSize(1024, 1024), Qt::white)}});
  ResourcePack pack;
  ASSERT_TRUE(pack.OpenFile(path));
  const qint64 each = 1024 * 1024 * 4;
  int loaded = 0;
  for (int i = 0; i < 80; ++i) loaded += !pack.LoadImage(QStringLiteral("BK1")).isNull();
  EXPECT_EQ(loaded, ResourcePack::kPictureBudgetBytes / each);
  // A new opening starts with the whole budget again.
  ASSERT_TRUE(pack.OpenFile(path));
  EXPECT_FALSE(pack.LoadImage(QStringLiteral("BK1")).isNull());
}

TEST(PackLimits, CurrentFolderComesAfterTheInstalledPacks) {
  QTemporaryDir program, installed, current;
  const QString missing = installed.filePath(QStringLiteral("not-installed"));
  const QStringList dirs = PackSearchDirsFor(
      program.path(), {installed.path(), missing, installed.path()}, current.path());
  EXPECT_EQ(dirs, (QStringList{program.path(), installed.path(), current.path()}));
  // The same pack in the current folder and in the installed folder: the installed wins.
  test::WriteAll(current.filePath(QStringLiteral("c36.dll")), "planted");
  EXPECT_EQ(FindPackIn(QStringLiteral("c36.dll"), dirs),
            current.filePath(QStringLiteral("c36.dll")));
  test::WriteAll(installed.filePath(QStringLiteral("c36.dll")), "installed");
  EXPECT_EQ(FindPackIn(QStringLiteral("c36.dll"), dirs),
            installed.filePath(QStringLiteral("c36.dll")));
}

}  // namespace
}  // namespace durak

// The pack builder's own rules: card names, seamless noise and recipe errors.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "CardArt.h"
#include "DeskArt.h"
#include "PackWriter.h"
#include "Recipe.h"
#include "SoundArt.h"
#include "TestPacks.h"

using namespace packbuilder;

namespace {

TEST(PackBuilder, NamesCardsAsTheGameAsksForThem) {
  EXPECT_EQ(FaceName(6, 1), QStringLiteral("6S"));
  EXPECT_EQ(FaceName(6, 4), QStringLiteral("6H"));
  EXPECT_EQ(FaceName(10, 1), QStringLiteral("10S"));
  EXPECT_EQ(FaceName(11, 1), QStringLiteral("JS"));
  EXPECT_EQ(FaceName(12, 1), QStringLiteral("DS"));  // the queen is "D"
  EXPECT_EQ(FaceName(13, 4), QStringLiteral("KH"));
  EXPECT_EQ(FaceName(14, 4), QStringLiteral("AH"));
  EXPECT_EQ(SvgCardId(14, 2), QStringLiteral("club_1"));
  EXPECT_EQ(SvgCardId(12, 1), QStringLiteral("spade_queen"));
  EXPECT_EQ(SvgCardId(10, 4), QStringLiteral("heart_10"));
  EXPECT_EQ(ScaledCardSize(QSizeF(359, 539), 71), QSize(71, 107));
}

TEST(PackBuilder, NoiseWrapsAtTheTileEdges) {
  const TilingNoise noise(42);
  for (double t = 0; t < 1; t += 0.0371) {
    EXPECT_NEAR(noise.Fractal(0, t, 4, 8, 3), noise.Fractal(1, t, 4, 8, 3), 1e-9);
    EXPECT_NEAR(noise.Fractal(t, 0, 4, 8, 3), noise.Fractal(t, 1, 4, 8, 3), 1e-9);
  }
  EXPECT_NE(TilingNoise(1).At(0.3, 0.3, 4, 4), TilingNoise(2).At(0.3, 0.3, 4, 4));
}

TEST(PackBuilder, RecipeErrorsNameTheLine) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("bad.recipe"));
  durak::test::WriteAll(path, "# a comment\n\ntilesize 32\ntile velvet 3\n");
  std::vector<RecipeLine> lines;
  QString error;
  ASSERT_TRUE(ReadRecipe(path, &lines, &error));
  ASSERT_EQ(lines.size(), 2u);
  PackWriter pack;
  EXPECT_FALSE(RunRecipe(lines, {dir.path(), dir.path()}, &pack, &error));
  EXPECT_TRUE(error.startsWith(QStringLiteral("line 4:"))) << qPrintable(error);

  lines = {{1, QStringLiteral("faces"), {}}};
  EXPECT_FALSE(RunRecipe(lines, {dir.path(), dir.path()}, &pack, &error));
  lines = {{1, QStringLiteral("file"), {QStringLiteral("x.txt"), QStringLiteral("absent.txt")}}};
  EXPECT_FALSE(RunRecipe(lines, {dir.path(), dir.path()}, &pack, &error));
  lines = {{1, QStringLiteral("sound"), {QStringLiteral("trumpet")}}};
  EXPECT_FALSE(RunRecipe(lines, {dir.path(), dir.path()}, &pack, &error));
}

TEST(PackBuilder, NumbersTilesAndSoundsInRecipeOrder) {
  QTemporaryDir dir;
  const std::vector<RecipeLine> lines = {
      {1, QStringLiteral("tilesize"), {QStringLiteral("32")}},
      {2, QStringLiteral("tile"), {QStringLiteral("felt"), QStringLiteral("1")}},
      {3, QStringLiteral("tile"), {QStringLiteral("wood"), QStringLiteral("2")}},
      {4, QStringLiteral("sound"), {QStringLiteral("put")}}};
  PackWriter pack;
  QString error;
  ASSERT_TRUE(RunRecipe(lines, {dir.path(), dir.path()}, &pack, &error)) << qPrintable(error);
  EXPECT_EQ(pack.Names(), QStringList({QStringLiteral("DT1.png"), QStringLiteral("DT2.png"),
                                       QStringLiteral("SND1.wav")}));
  const QString out = dir.filePath(QStringLiteral("out.dll"));
  ASSERT_TRUE(pack.Write(out, &error)) << qPrintable(error);
  QStringList names;
  std::vector<QByteArray> data;
  ASSERT_TRUE(ReadPack(out, &names, &data, &error));
  EXPECT_EQ(names, pack.Names());
  EXPECT_EQ(QImage::fromData(data[0]).size(), QSize(32, 32));
  // The same recipe makes the same tile every time.
  EXPECT_EQ(DrawDeskTile(QStringLiteral("wood"), 2, {}, 32),
            QImage::fromData(data[1]).convertToFormat(QImage::Format_RGB32));
}

TEST(PackBuilder, DeskTilesGetLargerRenditionsWhenAsked) {
  QTemporaryDir dir;
  const std::vector<RecipeLine> lines = {
      {1, QStringLiteral("tilesize"), {QStringLiteral("32")}},
      {2, QStringLiteral("renditions"), {QStringLiteral("3")}},
      {3, QStringLiteral("tile"), {QStringLiteral("felt"), QStringLiteral("1")}}};
  PackWriter pack;
  QString error;
  ASSERT_TRUE(RunRecipe(lines, {dir.path(), dir.path()}, &pack, &error)) << qPrintable(error);
  EXPECT_EQ(pack.Names(), QStringList({QStringLiteral("DT1.png"), QStringLiteral("DT1@2x.png"),
                                       QStringLiteral("DT1@3x.png")}));
  const QString out = dir.filePath(QStringLiteral("out.dll"));
  ASSERT_TRUE(pack.Write(out, &error)) << qPrintable(error);
  QStringList names;
  std::vector<QByteArray> data;
  ASSERT_TRUE(ReadPack(out, &names, &data, &error));
  ASSERT_EQ(data.size(), 3u);
  const QImage one = QImage::fromData(data[0]), two = QImage::fromData(data[1]);
  EXPECT_EQ(one.size(), QSize(32, 32));
  EXPECT_EQ(two.size(), QSize(64, 64));
  EXPECT_EQ(QImage::fromData(data[2]).size(), QSize(96, 96));
  // The larger tile is the same picture: brought down to the small one's size it differs
  // from it only by detail.
  const QImage down = two.scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                          .convertToFormat(QImage::Format_RGB32);
  const QImage small = one.convertToFormat(QImage::Format_RGB32);
  long total = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      total += std::abs(qGreen(down.pixel(x, y)) - qGreen(small.pixel(x, y)));
  EXPECT_LT(total / (32 * 32), 24);
  for (const char* bad : {"0", "4", "x"}) {
    PackWriter other;
    EXPECT_FALSE(RunRecipe({{1, QStringLiteral("renditions"), {QString::fromLatin1(bad)}}},
                           {dir.path(), dir.path()}, &other, &error))
        << bad;
  }
}

}  // namespace

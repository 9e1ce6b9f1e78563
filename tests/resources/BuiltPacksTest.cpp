// The packs the build makes: every item the game asks for is present and usable.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSet>
#include <cctype>
#include <cmath>
#include <ostream>
#include <string>

#include "OwnPictures.h"
#include "ResourcePack.h"
#include "SoundPlayer.h"
#include "WavData.h"

using namespace durak;

namespace {

QStringList FaceNames() {
  QStringList names;
  for (const char* rank : {"6", "7", "8", "9", "10", "J", "D", "K", "A"}) {
    for (const char* suit : {"S", "C", "D", "H"})
      names << QLatin1String(rank) + QLatin1String(suit);
  }
  return names;
}

struct DeckCase {
  const char* file;
  int width;
};

void PrintTo(const DeckCase& deck, std::ostream* out) {
  *out << deck.file;
}

class CardPackTest : public ::testing::TestWithParam<DeckCase> {};

TEST_P(CardPackTest, HoldsEveryFaceAndFiveDistinctBacksOfOneSize) {
  ResourcePack pack;
  ASSERT_TRUE(pack.Open(QLatin1String(GetParam().file))) << GetParam().file;
  const QImage back = pack.LoadImage(QStringLiteral("BK1"));
  ASSERT_FALSE(back.isNull());
  EXPECT_EQ(back.width(), GetParam().width);
  // The deck's own proportions: about two to three.
  EXPECT_GT(back.height(), back.width() * 1.45);
  EXPECT_LT(back.height(), back.width() * 1.6);
  const QStringList faces = FaceNames();
  ASSERT_EQ(faces.size(), 36);
  QSet<QString> seen;
  for (const QString& name : faces) {
    const QImage face = pack.LoadImage(name.toLower());
    ASSERT_FALSE(face.isNull()) << qPrintable(name);
    EXPECT_EQ(face.size(), back.size()) << qPrintable(name);
    // The card fills its picture: no see-through strip at the sides.
    const int mid = face.height() / 2;
    EXPECT_GT(qAlpha(face.pixel(0, mid)), 200) << qPrintable(name);
    EXPECT_GT(qAlpha(face.pixel(face.width() - 1, mid)), 200) << qPrintable(name);
    seen.insert(QString::fromLatin1(
        QByteArray(reinterpret_cast<const char*>(face.constBits()), face.sizeInBytes())
            .toBase64()));
  }
  EXPECT_EQ(seen.size(), 36) << "two faces are the same picture";
  QList<QImage> backs;
  for (int n = 1; n <= 5; ++n) {
    const QImage b = pack.LoadImage(QStringLiteral("bk%1").arg(n));
    ASSERT_FALSE(b.isNull()) << n;
    EXPECT_EQ(b.size(), back.size());
    for (const QImage& earlier : backs) EXPECT_NE(b, earlier) << "back " << n << " repeats";
    backs << b;
  }
  EXPECT_FALSE(pack.ReadEntry(QStringLiteral("LICENCE.txt")).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Decks, CardPackTest,
                         ::testing::Values(DeckCase{"c36.dll", 71},
                                           DeckCase{"coloda-atlas-ru.col", 71},
                                           DeckCase{"coloda-paris.col", 71},
                                           DeckCase{"coloda-atlas-big.col", 107}),
                         [](const ::testing::TestParamInfo<DeckCase>& info) {
                           std::string name;
                           for (const char* c = info.param.file; *c; ++c) {
                             if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
                           }
                           return name;
                         });

// Mean difference between two columns of a picture, 0..255.
double ColumnDifference(const QImage& image, int a, int b) {
  double sum = 0;
  for (int y = 0; y < image.height(); ++y) {
    const QRgb p = image.pixel(a, y), q = image.pixel(b, y);
    sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
           std::abs(qBlue(p) - qBlue(q));
  }
  return sum / (3.0 * image.height());
}

TEST(DeskPacks, HoldSevenTilesThatRepeatWithoutSeams) {
  for (const char* file : {"dtop.dll", "dtop2.dll"}) {
    ResourcePack pack;
    ASSERT_TRUE(pack.Open(QLatin1String(file))) << file;
    EXPECT_TRUE(pack.HasImage(QStringLiteral("DT7")));  // the test the game makes
    for (int n = 1; n <= 7; ++n) {
      const QImage tile = pack.LoadImage(QStringLiteral("DT%1").arg(n));
      ASSERT_FALSE(tile.isNull()) << file << " DT" << n;
      // The step from the last column back to the first is no bigger than the
      // usual step between neighbours inside the tile; likewise for rows.
      const int w = tile.width();
      double inside = 0;
      for (int x = 1; x < w; ++x) inside += ColumnDifference(tile, x - 1, x);
      inside /= (w - 1);
      EXPECT_LE(ColumnDifference(tile, w - 1, 0), 2.5 * inside + 2) << file << " DT" << n;
      QTransform turn;
      turn.rotate(90);
      const QImage rows = tile.transformed(turn);
      double insideRows = 0;
      for (int x = 1; x < w; ++x) insideRows += ColumnDifference(rows, x - 1, x);
      insideRows /= (w - 1);
      EXPECT_LE(ColumnDifference(rows, w - 1, 0), 2.5 * insideRows + 2) << file << " DT" << n;
    }
    EXPECT_FALSE(pack.HasImage(QStringLiteral("DT8")));
  }
}

TEST(SoundPack, HoldsFiveShortNormalisedSounds) {
  ResourcePack pack;
  ASSERT_TRUE(pack.Open(QStringLiteral("SND.DLL")));
  QList<QByteArray> seen;
  for (int n = 1; n <= 5; ++n) {
    WavData wav;
    const QByteArray file = pack.LoadSoundData(QStringLiteral("snd%1").arg(n));
    ASSERT_TRUE(ParseWav(file, &wav)) << n;
    const double seconds =
        wav.samples.size() / double(wav.sampleRate * wav.channels * wav.bitsPerSample / 8);
    EXPECT_GT(seconds, 0.05) << n;
    EXPECT_LT(seconds, 1.5) << n;
    ASSERT_EQ(wav.bitsPerSample, 16);
    const auto* samples = reinterpret_cast<const qint16*>(wav.samples.constData());
    int peak = 0;
    for (qsizetype i = 0; i < wav.samples.size() / 2; ++i)
      peak = std::max(peak, std::abs(int(samples[i])));
    EXPECT_GT(peak, 0.8 * 32767) << n;  // loud enough, and never clipped:
    EXPECT_LT(peak, 0.95 * 32767) << n;
    // It starts and ends quietly, so there is no click.
    EXPECT_LT(std::abs(int(samples[0])), 200) << n;
    EXPECT_LT(std::abs(int(samples[wav.samples.size() / 2 - 1])), 200) << n;
    EXPECT_FALSE(seen.contains(wav.samples)) << n;
    seen << wav.samples;
  }
  // Starting a sound hands it to the output's own thread and returns while it still sounds;
  // without an output nothing is started at all.
  const bool output = SoundPlayer::HasAudioOutput();
  for (int n = 1; n <= 5; ++n) pack.PlaySound(QStringLiteral("SND%1").arg(n));
  pack.Close();
  if (output) {
    EXPECT_GT(SoundPlayer::Instance().Playing(), 0);
  } else {
    EXPECT_EQ(SoundPlayer::Instance().Playing(), 0);
  }
  QCoreApplication::processEvents();  // a sound that started keeps going after the close
}

TEST(OwnPictures, AreBuiltIntoTheProgram) {
  for (const char* suit : {"BS", "BC", "BD", "BH"}) {
    EXPECT_EQ(OwnPicture(QLatin1String(suit)).size(), QSize(63, 84)) << suit;
  }
  EXPECT_EQ(OwnPicture(QStringLiteral("pbg")).size(), QSize(127, 16));
  for (const QString& name : OwnPictureNames())
    EXPECT_FALSE(OwnPicture(name).isNull()) << qPrintable(name);
  EXPECT_TRUE(OwnPicture(QStringLiteral("BK1")).isNull());
  EXPECT_TRUE(OwnPicture(QString()).isNull());
}

}  // namespace

// Looking items up in a pack: pictures by name in any case, texts by number,
// sounds, and what a missing item gives.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QTemporaryDir>

#include "PictureFormat.h"
#include "ResourcePack.h"
#include "SoundPlayer.h"
#include "TestPacks.h"

using durak::ResourcePack;
using durak::SoundPlayer;
using namespace durak::test;

namespace {

class ResourcePackTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    path_ = dir_.filePath(QStringLiteral("deck.col"));
    const QByteArray texts =
        "5\tРусский текст\n"
        "305\tEnglish text\r\n"
        "7\tTwo\\nlines\\tand a \\\\ backslash\n"
        "8\t" +
        QString(60, QChar(0x0416)).toUtf8() +
        "\n"  // 60 Cyrillic letters
        "9\t" +
        QByteArray(49, 'x') +
        "\n"
        "no tab on this line\n"
        "abc\tnot a number\n"
        "\n";
    WriteZip(path_, {{QStringLiteral("BK1.png"), PngOf({71, 106}, Qt::red)},
                     {QStringLiteral("6s.PNG"), PngOf({71, 106}, Qt::blue)},
                     {QStringLiteral("pictures/DT3.png"), PngOf({16, 16}, Qt::green)},
                     {QStringLiteral("SND1.wav"), QByteArray("RIFF-not-really-a-wave")},
                     {QStringLiteral("strings.tsv"), texts}});
    ASSERT_TRUE(pack_.OpenFile(path_));
  }

  QTemporaryDir dir_;
  QString path_;
  ResourcePack pack_;
};

TEST_F(ResourcePackTest, PicturesAreFoundInAnyLetterCase) {
  for (const char* name : {"BK1", "bk1", "Bk1"}) {
    const QImage image = pack_.LoadImage(QLatin1String(name));
    ASSERT_FALSE(image.isNull()) << name;
    EXPECT_EQ(image.size(), QSize(71, 106));
    EXPECT_EQ(image.pixelColor(10, 10), QColor(Qt::red));
    EXPECT_TRUE(pack_.HasImage(QLatin1String(name)));
  }
  // Stored in lower case with an upper-case extension, asked for in upper case.
  EXPECT_EQ(pack_.LoadImage(QStringLiteral("6S")).pixelColor(0, 0), QColor(Qt::blue));
  // A picture inside a folder of the archive counts too (zip tools often add one).
  EXPECT_EQ(pack_.LoadImage(QStringLiteral("dt3")).size(), QSize(16, 16));
}

// A picture is read as what its bytes are, whatever its name says: a user's deck may hold
// a BMP or JPEG saved under a ".png" name, and bytes of no known kind are still tried.
TEST(ResourcePackPictures, ReadAsWhatTheirBytesAre) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("mixed.col"));
  const auto encoded = [](const char* format) {
    QImage image(30, 20, QImage::Format_RGB32);
    image.fill(QColor(0, 0, 255));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
  };
  const QByteArray bmp = encoded("BMP"), ppm = encoded("PPM");
  EXPECT_EQ(durak::PictureFormatOf(bmp), "bmp");
  EXPECT_EQ(durak::PictureFormatOf(PngOf({4, 4}, Qt::red)), "png");
  EXPECT_TRUE(durak::PictureFormatOf(ppm).isEmpty());
  WriteZip(path, {{QStringLiteral("BK1.png"), bmp},
                  {QStringLiteral("BK2.png"), ppm},
                  {QStringLiteral("BK3.png"), QByteArray("\x89PNG\r\n\x1a\n and then nothing")}});
  ResourcePack pack;
  ASSERT_TRUE(pack.OpenFile(path));
  for (const char* name : {"BK1", "BK2"}) {
    const QImage image = pack.LoadImage(QLatin1String(name));
    EXPECT_EQ(image.size(), QSize(30, 20)) << name;
    EXPECT_EQ(image.pixelColor(5, 5), QColor(0, 0, 255)) << name;
  }
  EXPECT_TRUE(pack.LoadImage(QStringLiteral("BK3")).isNull());
  EXPECT_FALSE(ResourcePack::PictureSize(bmp).isEmpty());
}

TEST_F(ResourcePackTest, MissingPicturesAreEmptyNotErrors) {
  EXPECT_TRUE(pack_.LoadImage(QStringLiteral("BK2")).isNull());
  EXPECT_FALSE(pack_.HasImage(QStringLiteral("BK2")));
  EXPECT_FALSE(pack_.HasImage(QString()));
  // "BK" alone must not match "BK1", nor a text or sound file count as a picture.
  EXPECT_FALSE(pack_.HasImage(QStringLiteral("BK")));
  EXPECT_FALSE(pack_.HasImage(QStringLiteral("strings")));
  EXPECT_FALSE(pack_.HasImage(QStringLiteral("SND1")));
}

TEST_F(ResourcePackTest, TextsByNumberWithTheEnglishOffset) {
  EXPECT_EQ(pack_.LoadText(5), QStringLiteral("Русский текст"));
  EXPECT_EQ(pack_.LoadText(305), QStringLiteral("English text"));  // CRLF line end dropped
  EXPECT_EQ(pack_.LoadText(7), QStringLiteral("Two\nlines\tand a \\ backslash"));
  EXPECT_TRUE(pack_.LoadText(6).isEmpty());
  EXPECT_TRUE(pack_.LoadText(0).isEmpty());
  EXPECT_TRUE(pack_.LoadText(-1).isEmpty());
  EXPECT_TRUE(pack_.LoadText(506).isEmpty());
}

TEST_F(ResourcePackTest, TextsAreCutTo49CharactersNotBytes) {
  const QString cut = pack_.LoadText(8);
  EXPECT_EQ(cut, QString(49, QChar(0x0416)));
  EXPECT_EQ(pack_.LoadText(9), QString(49, QLatin1Char('x')));
}

TEST_F(ResourcePackTest, LongTextsKeepTheirWholeParagraphUpToTheirOwnLimit) {
  EXPECT_EQ(pack_.LoadLongText(8), QString(60, QChar(0x0416)));
  EXPECT_EQ(pack_.LoadLongText(7), QStringLiteral("Two\nlines\tand a \\ backslash"));
  EXPECT_TRUE(pack_.LoadLongText(6).isEmpty());
  // Asking for the long form first does not leave the short form uncut.
  EXPECT_EQ(pack_.LoadText(8).size(), 49);

  const QString path = dir_.filePath(QStringLiteral("long.dll"));
  WriteZip(path,
           {{QStringLiteral("strings.tsv"), "270\t" + QByteArray(5000, 'r') + "\n271\tshort\n"}});
  ResourcePack pack;
  ASSERT_TRUE(pack.OpenFile(path));
  EXPECT_EQ(pack.LoadLongText(270).size(), ResourcePack::kMaxLongTextChars);
  EXPECT_EQ(pack.LoadText(270).size(), ResourcePack::kMaxTextChars);
  EXPECT_EQ(pack.LoadLongText(271), QStringLiteral("short"));
}

TEST_F(ResourcePackTest, ClosedPackAnswersNothing) {
  pack_.Close();
  EXPECT_FALSE(pack_.IsOpen());
  EXPECT_TRUE(pack_.Path().isEmpty());
  EXPECT_TRUE(pack_.LoadImage(QStringLiteral("BK1")).isNull());
  EXPECT_FALSE(pack_.HasImage(QStringLiteral("BK1")));
  EXPECT_TRUE(pack_.LoadText(5).isEmpty());
  // Opening again works, and the texts are read afresh.
  ASSERT_TRUE(pack_.OpenFile(path_));
  EXPECT_EQ(pack_.LoadText(305), QStringLiteral("English text"));
}

TEST_F(ResourcePackTest, SoundsAreLookedUpByNameAndABadOneIsSilent) {
  EXPECT_EQ(pack_.LoadSoundData(QStringLiteral("snd1")), QByteArray("RIFF-not-really-a-wave"));
  EXPECT_TRUE(pack_.LoadSoundData(QStringLiteral("SND2")).isEmpty());
  // Neither a damaged nor a missing sound may block or crash: neither reaches the output.
  const int before = SoundPlayer::Instance().Playing();
  pack_.PlaySound(QStringLiteral("SND1"));
  pack_.PlaySound(QStringLiteral("SND2"));
  EXPECT_LE(SoundPlayer::Instance().Playing(), before);
}

TEST(ResourcePackOpen, FilesThatAreNotPacksDoNotOpen) {
  QTemporaryDir dir;
  ResourcePack pack;
  EXPECT_FALSE(pack.OpenFile(dir.filePath(QStringLiteral("absent.dll"))));
  EXPECT_FALSE(pack.OpenFile(dir.path()));  // a folder
  const QString text = dir.filePath(QStringLiteral("text.dll"));
  WriteAll(text, "This is not an archive at all.\n");
  EXPECT_FALSE(pack.OpenFile(text));
  EXPECT_FALSE(pack.IsOpen());
  EXPECT_FALSE(pack.Open(QStringLiteral("no-such-pack-anywhere.dll")));
}

}  // namespace

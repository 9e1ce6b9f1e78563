// Damaged and hostile archives: each must be a pack that does not open or an
// item that is missing, never a crash and never a huge allocation.
#include <gtest/gtest.h>
#include <zlib.h>

#include <QTemporaryDir>
#include <QtEndian>
#include <random>

#include "ResourcePack.h"
#include "TestPacks.h"

using durak::ResourcePack;
using namespace durak::test;

namespace {

// Rewrites the uncompressed size an archive records for "name", in both the
// central directory and the entry's own header.
QByteArray WithClaimedSize(QByteArray zip, const QByteArray& name, quint32 size) {
  auto* bytes = reinterpret_cast<uchar*>(zip.data());
  bool patched = false;
  for (qsizetype at = 0; at + 46 <= zip.size(); ++at) {
    const quint32 sig = qFromLittleEndian<quint32>(bytes + at);
    if (sig == 0x04034b50u && zip.mid(at + 30, name.size()) == name) {
      qToLittleEndian<quint32>(size, bytes + at + 22);
    } else if (sig == 0x02014b50u && zip.mid(at + 46, name.size()) == name) {
      qToLittleEndian<quint32>(size, bytes + at + 24);
      patched = true;
    }
  }
  EXPECT_TRUE(patched) << name.constData();
  return zip;
}

// A PNG whose header claims a picture of width x height with almost no data.
QByteArray PngClaiming(quint32 width, quint32 height) {
  QByteArray png = PngOf({4, 4}, Qt::white);
  auto* bytes = reinterpret_cast<uchar*>(png.data());
  qToBigEndian<quint32>(width, bytes + 16);  // IHDR data starts at byte 16
  qToBigEndian<quint32>(height, bytes + 20);
  const quint32 crc = static_cast<quint32>(crc32(0, bytes + 12, 17));  // "IHDR" + 13 bytes
  qToBigEndian<quint32>(crc, bytes + 29);
  return png;
}

class DamagedPackTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    good_ = dir_.filePath(QStringLiteral("good.dll"));
    WriteZip(good_,
             {{QStringLiteral("BK1.png"), PngOf({71, 106}, Qt::darkRed)},
              {QStringLiteral("strings.tsv"), QByteArray("1\tFile\n301\tFile\n").repeated(50)}});
    goodBytes_ = ReadAll(good_);
    ASSERT_FALSE(goodBytes_.isEmpty());
  }

  QString Write(const QString& name, const QByteArray& bytes) {
    const QString path = dir_.filePath(name);
    WriteAll(path, bytes);
    return path;
  }

  QTemporaryDir dir_;
  QString good_;
  QByteArray goodBytes_;
};

TEST_F(DamagedPackTest, TruncatedArchivesDoNotOpenOrLackTheirItems) {
  for (const double part : {0.0, 0.1, 0.5, 0.9, 0.99}) {
    const qsizetype length = static_cast<qsizetype>(goodBytes_.size() * part);
    ResourcePack pack;
    const bool opened = pack.OpenFile(Write(QStringLiteral("cut.dll"), goodBytes_.left(length)));
    EXPECT_FALSE(opened && !pack.LoadImage(QStringLiteral("BK1")).isNull()) << part;
  }
  ResourcePack pack;
  EXPECT_FALSE(pack.OpenFile(Write(QStringLiteral("cut.dll"), goodBytes_.chopped(1))));
}

TEST_F(DamagedPackTest, RandomBytesAreNotAPack) {
  std::mt19937 random(20240);
  for (int round = 0; round < 20; ++round) {
    QByteArray noise(4096 + round * 997, Qt::Uninitialized);
    for (char& c : noise) c = static_cast<char>(random());
    if (round % 2) noise.replace(0, 4, "PK\x03\x04");  // looks like a zip at first glance
    ResourcePack pack;
    EXPECT_FALSE(pack.OpenFile(Write(QStringLiteral("noise.dll"), noise))) << round;
  }
}

TEST_F(DamagedPackTest, DamagedEntryDataMakesTheItemMissing) {
  // Flip bytes in the middle of the compressed texts: the checksum catches it.
  QByteArray bytes = goodBytes_;
  const qsizetype header = bytes.indexOf("strings.tsv") - 30;  // the entry's own header
  ASSERT_EQ(qFromLittleEndian<quint32>(bytes.constData() + header), 0x04034b50u);
  const qsizetype data =
      header + 30 + 11 + qFromLittleEndian<quint16>(bytes.constData() + header + 28);
  const quint32 packed = qFromLittleEndian<quint32>(bytes.constData() + header + 18);
  ASSERT_GT(packed, 8u);
  for (qsizetype i = data + packed / 2 - 4; i < data + packed / 2 + 4; ++i) {
    bytes[i] = static_cast<char>(bytes[i] ^ 0x5a);
  }
  ResourcePack pack;
  ASSERT_TRUE(pack.OpenFile(Write(QStringLiteral("flipped.dll"), bytes)));
  EXPECT_TRUE(pack.LoadText(1).isEmpty());
  EXPECT_FALSE(pack.LoadImage(QStringLiteral("BK1")).isNull());  // the rest is still there
}

TEST_F(DamagedPackTest, AnEntryClaimingAHugeSizeIsNotRead) {
  ResourcePack pack;
  const QByteArray bytes = WithClaimedSize(goodBytes_, "BK1.png", 0xfffffff0u);
  ASSERT_TRUE(pack.OpenFile(Write(QStringLiteral("huge.dll"), bytes)));
  EXPECT_TRUE(pack.ReadEntry(QStringLiteral("BK1.png")).isEmpty());
  EXPECT_TRUE(pack.LoadImage(QStringLiteral("BK1")).isNull());
  EXPECT_EQ(pack.LoadText(301), QStringLiteral("File"));
}

TEST_F(DamagedPackTest, AnEntryHoldingMoreThanItClaimsIsNotRead) {
  const QString path = dir_.filePath(QStringLiteral("liar.dll"));
  WriteZip(path, {{QStringLiteral("strings.tsv"), QByteArray(2 * 1024 * 1024, 'a')}});
  ResourcePack pack;
  ASSERT_TRUE(pack.OpenFile(
      Write(QStringLiteral("liar.dll"), WithClaimedSize(ReadAll(path), "strings.tsv", 100))));
  EXPECT_TRUE(pack.ReadEntry(QStringLiteral("strings.tsv")).isEmpty());
}

TEST_F(DamagedPackTest, HighlyCompressedEntriesAreCappedOrRejected) {
  // 40 MiB of zeros pack into a few dozen kilobytes: over the cap, never inflated.
  // 6 MiB of zeros is under the cap but is not a picture.
  const QString path = dir_.filePath(QStringLiteral("bomb.dll"));
  WriteZip(path, {{QStringLiteral("BK1.png"), QByteArray(40 * 1024 * 1024, '\0')},
                  {QStringLiteral("BK2.png"), QByteArray(6 * 1024 * 1024, '\0')}});
  EXPECT_LT(ReadAll(path).size(), 200 * 1024);
  ResourcePack pack;
  ASSERT_TRUE(pack.OpenFile(path));
  EXPECT_TRUE(pack.ReadEntry(QStringLiteral("BK1.png")).isEmpty());
  EXPECT_TRUE(pack.LoadImage(QStringLiteral("BK1")).isNull());
  // Refused for the size the archive records, not for damage: under a larger cap the same
  // entry reads whole.
  EXPECT_EQ(pack.ReadEntry(QStringLiteral("BK1.png"), 40 * 1024 * 1024).size(), 40 * 1024 * 1024);
  EXPECT_EQ(pack.ReadEntry(QStringLiteral("BK2.png")).size(), 6 * 1024 * 1024);
  EXPECT_TRUE(pack.LoadImage(QStringLiteral("BK2")).isNull());
}

TEST_F(DamagedPackTest, APictureClaimingGiantDimensionsIsMissing) {
  const QString path = dir_.filePath(QStringLiteral("giant.dll"));
  WriteZip(path, {{QStringLiteral("BK1.png"), PngClaiming(60000, 60000)},
                  {QStringLiteral("BK2.png"), PngClaiming(5000, 10)}});
  ResourcePack pack;
  ASSERT_TRUE(pack.OpenFile(path));
  EXPECT_TRUE(pack.HasImage(QStringLiteral("BK1")));  // present, but cannot be used
  EXPECT_TRUE(pack.LoadImage(QStringLiteral("BK1")).isNull());
  EXPECT_TRUE(pack.LoadImage(QStringLiteral("BK2")).isNull());
}

TEST_F(DamagedPackTest, DamagedTextLinesAreSkippedAndTheRestRead) {
  const QString path = dir_.filePath(QStringLiteral("texts.dll"));
  QByteArray texts(
      "\xef\xbb\xbf"
      "1\tFirst\n");  // a byte-order mark before the first line
  texts += QByteArray("2\t\xff\xfe broken UTF-8\n\t\n\t\t\n99999999999999\tHuge\n3\tThird");
  WriteZip(path, {{QStringLiteral("strings.tsv"), texts}});
  ResourcePack pack;
  ASSERT_TRUE(pack.OpenFile(path));
  EXPECT_EQ(pack.LoadText(1), QStringLiteral("First"));
  EXPECT_EQ(pack.LoadText(2).size(), 15);  // undecodable bytes become replacement characters
  EXPECT_EQ(pack.LoadText(3), QStringLiteral("Third"));  // no newline at the end
}

}  // namespace

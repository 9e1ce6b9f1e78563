// durak.r: the 60-byte records, their order and the file on disk.
#include <unistd.h>

#include <cmath>
#include <filesystem>

#include "ChempFile.h"
#include "TempDir.h"

namespace durak::testing {
namespace {

TChempRec Player(const std::string& name, double rating, const std::string& pass = "") {
  TChempRec r;
  r.SetName(name);
  r.SetPass(pass);
  r.Rating = rating;
  return r;
}

TEST(ChempRecord, LayoutIsByteForByte) {
  TChempRec r = Player("Ваня", 0.75, "секрет");
  r.Games = 4;
  r.Wins = 3;
  r.Losses = -1;
  const auto b = r.Encode();
  EXPECT_EQ(b[0], 4);
  EXPECT_EQ(b[1], 0xC2);  // 'В' in Windows-1251
  EXPECT_EQ(b[26], 6);
  EXPECT_EQ(b[39], 0);
  EXPECT_EQ(b[40], 4);
  EXPECT_EQ(b[44], 3);
  EXPECT_EQ(b[48], 0xFF);
  EXPECT_EQ(b[51], 0xFF);
  EXPECT_EQ(b[59], 0x3F);  // 0.75 = 0x3FE8000000000000
  EXPECT_EQ(b[58], 0xE8);
  const TChempRec back = TChempRec::Decode(b.data());
  EXPECT_EQ(back.NameText(), "Ваня");
  EXPECT_EQ(back.PassText(), "секрет");
  EXPECT_EQ(back.Encode(), b);
}

TEST(ChempRecord, LongTextsAreCutAndBadLengthsReadSafely) {
  TChempRec r = Player(std::string(30, 'x'), 0.5, "1234567890123");
  EXPECT_EQ(r.NameText(), std::string(25, 'x'));
  EXPECT_EQ(r.PassText(), "123456789012");
  auto b = r.Encode();
  b[0] = 200;
  b[26] = 255;
  const TChempRec odd = TChempRec::Decode(b.data());
  EXPECT_EQ(odd.NameText().size(), 25u);
  EXPECT_EQ(odd.PassText().size(), 12u);
}

TEST(ChempTable, SortKeepsTheExchangeOrderOfEqualRatings) {
  TChempTab t = {Player("a", 0.5), Player("b", 0.75), Player("c", 0.5), Player("d", 1.0),
                 Player("e", 0.5)};
  SortBy(t);
  std::string order;
  for (const auto& r : t) order += r.NameText();
  EXPECT_EQ(order, "dbcae");
  EXPECT_EQ(GetPos(Player("c", 0).Name, t), 2);
  EXPECT_EQ(GetPos(Player("C", 0).Name, t), -1);
}

class ChempFileTest : public TempDirTest {};

TEST_F(ChempFileTest, MissingFileIsCreatedEmpty) {
  TChempTab t = {Player("x", 0.5)};
  EXPECT_EQ(ReadTab(PathOf("durak.r"), &t), TReadResult::Created);
  EXPECT_TRUE(t.empty());
  EXPECT_TRUE(std::filesystem::exists(PathOf("durak.r")));
}

TEST_F(ChempFileTest, TrailingBytesAreIgnoredAndDroppedOnWrite) {
  TChempTab t = {Player("a", 0.25), Player("b", 0.5)};
  ASSERT_TRUE(WriteTab(PathOf("durak.r"), t));
  WriteFile("durak.r", ReadFile("durak.r") + std::string(10, '\x7f'));
  TChempTab back;
  ASSERT_EQ(ReadTab(PathOf("durak.r"), &back), TReadResult::Read);
  ASSERT_EQ(back.size(), 2u);
  EXPECT_EQ(back[0].NameText(), "b");
  ASSERT_TRUE(WriteTab(PathOf("durak.r"), back));
  EXPECT_EQ(std::filesystem::file_size(PathOf("durak.r")), 120u);
}

TEST_F(ChempFileTest, NanRatingReadsWithoutHarm) {
  TChempTab t = {Player("a", std::nan("")), Player("b", 0.5)};
  SortBy(t);
  ASSERT_TRUE(WriteTab(PathOf("durak.r"), t));
  TChempTab back;
  ReadTab(PathOf("durak.r"), &back);
  ASSERT_EQ(back.size(), 2u);
  EXPECT_TRUE(std::isnan(back[0].Rating) || std::isnan(back[1].Rating));
}

TEST_F(ChempFileTest, UnreadableFileIsReportedAndNotReplaced) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
  TChempTab t = {Player("keep", 0.5)};
  ASSERT_TRUE(WriteTab(PathOf("durak.r"), t));
  std::filesystem::permissions(PathOf("durak.r"), std::filesystem::perms::none);
  TChempTab back;
  EXPECT_EQ(ReadTab(PathOf("durak.r"), &back), TReadResult::Unreadable);
  std::filesystem::permissions(PathOf("durak.r"), std::filesystem::perms::owner_all);
  EXPECT_EQ(std::filesystem::file_size(PathOf("durak.r")), 60u);
}

TEST_F(ChempFileTest, ChampionsPathThatIsAFolderReadsAsUnreadable) {
  std::filesystem::create_directory(PathOf("durak.r"));
  TChempTab back = {Player("x", 0.5)};
  EXPECT_EQ(ReadTab(PathOf("durak.r"), &back), TReadResult::Unreadable);
  EXPECT_TRUE(back.empty());
  EXPECT_TRUE(std::filesystem::is_directory(PathOf("durak.r")));
}

}  // namespace
}  // namespace durak::testing

// The settings file layer: reading integers and strings, updating keys in place.
#include <unistd.h>

#include <filesystem>

#include "ProfileFile.h"
#include "TempDir.h"

namespace durak::testing {
namespace {

TEST(ProfileInteger, DecimalAndBothHexForms) {
  int32_t v = 0;
  EXPECT_TRUE(ParseProfileInteger("42", &v));
  EXPECT_EQ(v, 42);
  EXPECT_TRUE(ParseProfileInteger("-2147483633", &v));
  EXPECT_EQ(v, -2147483633);
  EXPECT_TRUE(ParseProfileInteger("0xFF0000", &v));
  EXPECT_EQ(v, 16711680);
  EXPECT_TRUE(ParseProfileInteger("$8000000F", &v));
  EXPECT_EQ(v, static_cast<int32_t>(0x8000000F));
  EXPECT_TRUE(ParseProfileInteger("0XfF", &v));
  EXPECT_EQ(v, 255);
  EXPECT_TRUE(ParseProfileInteger("-2147483648", &v));
  EXPECT_EQ(v, INT32_MIN);
}

TEST(ProfileInteger, AnythingElseIsNotAnInteger) {
  int32_t v = 7;
  for (const char* bad : {"", "abc", "12x", "0x", "$", "2147483648", "1e3", "- 5", "0x100000000",
                          "99999999999999999999"})
    EXPECT_FALSE(ParseProfileInteger(bad, &v)) << bad;
  EXPECT_EQ(v, 7);
}

class ProfileFileTest : public TempDirTest {};

TEST_F(ProfileFileTest, MissingFileGivesDefaults) {
  TProfileFile f(PathOf("durak.ini"));
  EXPECT_FALSE(f.Load());
  EXPECT_EQ(f.ReadInteger("Settings", "ASpeed", 40), 40);
  EXPECT_EQ(f.ReadString("Settings", "DTPath", "dtop.dll"), "dtop.dll");
}

TEST_F(ProfileFileTest, NamesMatchWithoutRegardToCaseAndOtherLinesSurvive) {
  WriteFile("durak.ini", "; my notes\n[settings]\nASPEED = 55\nFoo=bar\n\n[Other]\nx=1\n");
  TProfileFile f(PathOf("durak.ini"));
  ASSERT_TRUE(f.Load());
  EXPECT_EQ(f.ReadInteger("Settings", "ASpeed", 40), 55);
  EXPECT_EQ(f.ReadInteger("SETTINGS", "foo", 3), 3);  // not an integer
  f.WriteInteger("Settings", "aspeed", 70);
  f.WriteInteger("Settings", "VidSort", 2);
  f.WriteInteger("Position", "Left", -5);
  std::string error;
  ASSERT_TRUE(f.Save(&error));
  EXPECT_EQ(ReadFile("durak.ini"),
            "; my notes\n[settings]\naspeed=70\nFoo=bar\nVidSort=2\n\n[Other]\nx=1\n\n"
            "[Position]\nLeft=-5\n");
}

TEST_F(ProfileFileTest, LongStringsAreCutAndQuotesDropped) {
  WriteFile("durak.ini",
            "[Settings]\nDTPath=\"my desk.dll\"\nColodaPath=" + std::string(3000, 'c') + "\n");
  TProfileFile f(PathOf("durak.ini"));
  f.Load();
  EXPECT_EQ(f.ReadString("Settings", "DTPath", ""), "my desk.dll");
  EXPECT_EQ(f.ReadString("Settings", "ColodaPath", "").size(), 2047u);
}

TEST_F(ProfileFileTest, FailedWriteKeepsTheOldFileAndSaysWhy) {
  WriteFile("durak.ini", "[Settings]\nASpeed=55\n");
  TProfileFile f(PathOf("missing-folder/durak.ini"));
  f.WriteInteger("Settings", "ASpeed", 1);
  std::string error;
  EXPECT_FALSE(f.Save(&error));
  EXPECT_EQ(error, "Unable to write to " + PathOf("missing-folder/durak.ini"));
  EXPECT_EQ(ReadFile("durak.ini"), "[Settings]\nASpeed=55\n");
}

TEST_F(ProfileFileTest, FileTooBigToReadIsNeverReplaced) {
  // Not a settings file, whatever it is; the user may still want it.
  const std::string big = "[Settings]\nASpeed=55\n" + std::string(5 * 1024 * 1024, 'x');
  WriteFile("durak.ini", big);
  TProfileFile f(PathOf("durak.ini"));
  EXPECT_FALSE(f.Load());
  EXPECT_EQ(f.ReadInteger("Settings", "ASpeed", 40), 40);
  f.WriteInteger("Settings", "ASpeed", 1);
  std::string error;
  EXPECT_FALSE(f.Save(&error));
  EXPECT_EQ(error, "Unable to write to " + PathOf("durak.ini"));
  EXPECT_EQ(ReadFile("durak.ini"), big);
  EXPECT_FALSE(std::filesystem::exists(PathOf("durak.ini.tmp")));
}

TEST_F(ProfileFileTest, FolderWhereTheFileShouldBeIsLeftAlone) {
  std::filesystem::create_directory(PathOf("durak.ini"));
  WriteFile("durak.ini/notes.txt", "mine");
  TProfileFile f(PathOf("durak.ini"));
  EXPECT_FALSE(f.Load());
  f.WriteInteger("Settings", "ASpeed", 1);
  std::string error;
  EXPECT_FALSE(f.Save(&error));
  EXPECT_EQ(error, "Unable to write to " + PathOf("durak.ini"));
  EXPECT_EQ(ReadFile("durak.ini/notes.txt"), "mine");
}

TEST_F(ProfileFileTest, UnreadableFileIsNeverReplaced) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
  WriteFile("durak.ini", "[Settings]\nASpeed=55\n; my notes\n");
  std::filesystem::permissions(PathOf("durak.ini"), std::filesystem::perms::owner_write);
  TProfileFile f(PathOf("durak.ini"));
  EXPECT_FALSE(f.Load());
  f.WriteInteger("Settings", "ASpeed", 1);
  std::string error;
  EXPECT_FALSE(f.Save(&error));
  std::filesystem::permissions(PathOf("durak.ini"), std::filesystem::perms::owner_all);
  EXPECT_EQ(ReadFile("durak.ini"), "[Settings]\nASpeed=55\n; my notes\n");
}

TEST_F(ProfileFileTest, MissingFileIsCreatedOnSave) {
  TProfileFile f(PathOf("durak.ini"));
  EXPECT_FALSE(f.Load());
  f.WriteInteger("Settings", "ASpeed", 7);
  std::string error;
  ASSERT_TRUE(f.Save(&error)) << error;
  EXPECT_EQ(ReadFile("durak.ini"), "[Settings]\nASpeed=7\n");
}

TEST_F(ProfileFileTest, ValueWithALineBreakStaysOneLine) {
  TProfileFile f(PathOf("durak.ini"));
  f.WriteString("Settings", "DTPath", "a\nb");
  std::string error;
  ASSERT_TRUE(f.Save(&error));
  TProfileFile g(PathOf("durak.ini"));
  g.Load();
  EXPECT_EQ(g.ReadString("Settings", "DTPath", ""), "a b");
}

}  // namespace
}  // namespace durak::testing

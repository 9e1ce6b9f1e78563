// The files the program keeps, against what may lie at their names and against two copies
// of the game at once: devices and pipes are not read, writes never follow a planted link
// and keep the old permission bits, and two writers of durak.r lose nothing.
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "ChempFile.h"
#include "ProfileFile.h"
#include "SafeFile.h"
#include "TempDir.h"

namespace durak::testing {
namespace {

namespace fs = std::filesystem;

class FileSafetyTest : public TempDirTest {
 protected:
  mode_t ModeOf(const std::string& name) const {
    struct stat st {};
    ::stat(PathOf(name).c_str(), &st);
    return st.st_mode & 07777;
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir_)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }
};

TChempRec Player(const std::string& name, double rating = 0.5) {
  TChempRec r;
  r.SetName(name);
  r.Rating = rating;
  return r;
}

// ---- reading: only regular files, and no more bytes than the cap -----------------------

TEST_F(FileSafetyTest, DevicesPipesAndFoldersAreNotRead) {
  std::string bytes = "left over";
  EXPECT_EQ(ReadRegularFile("/dev/zero", 1 << 20, &bytes), TFileRead::NotRegular);
  EXPECT_TRUE(bytes.empty());
  ASSERT_EQ(::mkfifo(PathOf("pipe").c_str(), 0600), 0);
  // A pipe nobody writes to: a read would wait forever.
  EXPECT_EQ(ReadRegularFile(PathOf("pipe"), 1 << 20, &bytes), TFileRead::NotRegular);
  EXPECT_EQ(ReadRegularFile(dir_.string(), 1 << 20, &bytes), TFileRead::NotRegular);
  EXPECT_EQ(ReadRegularFile(PathOf("none"), 1 << 20, &bytes), TFileRead::Missing);
}

TEST_F(FileSafetyTest, SizeCapCountsTheBytesRead) {
  WriteFile("f", std::string(1000, 'a'));
  std::string bytes;
  EXPECT_EQ(ReadRegularFile(PathOf("f"), 1000, &bytes), TFileRead::Read);
  EXPECT_EQ(bytes.size(), 1000u);
  EXPECT_EQ(ReadRegularFile(PathOf("f"), 999, &bytes), TFileRead::TooBig);
  EXPECT_TRUE(bytes.empty());
  // A link to a device is no way round the check.
  fs::create_symlink("/dev/zero", PathOf("zero"));
  EXPECT_EQ(ReadRegularFile(PathOf("zero"), 1 << 20, &bytes), TFileRead::NotRegular);
}

TEST_F(FileSafetyTest, SettingsOrChampionsThatArePipesOrDevicesAreLeftAlone) {
  ASSERT_EQ(::mkfifo(PathOf("durak.ini").c_str(), 0600), 0);
  ASSERT_EQ(::mkfifo(PathOf("durak.r").c_str(), 0600), 0);
  fs::create_symlink("/dev/zero", PathOf("zero.ini"));
  const auto start = std::chrono::steady_clock::now();
  TProfileFile ini(PathOf("durak.ini"));
  EXPECT_FALSE(ini.Load());
  ini.WriteInteger("Settings", "ASpeed", 1);
  std::string error;
  EXPECT_FALSE(ini.Save(&error));
  TProfileFile zero(PathOf("zero.ini"));
  EXPECT_FALSE(zero.Load());
  EXPECT_TRUE(zero.Lines().empty());
  TChempTab table;
  EXPECT_EQ(ReadTab(PathOf("durak.r"), &table), TReadResult::Unreadable);
  EXPECT_FALSE(ChangeTab(PathOf("durak.r"), nullptr, &table));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  EXPECT_EQ(fs::status(PathOf("durak.ini")).type(), fs::file_type::fifo);
  EXPECT_EQ(fs::status(PathOf("durak.r")).type(), fs::file_type::fifo);
}

// ---- writing: a fresh temporary file, the old bits, through a link ---------------------

TEST_F(FileSafetyTest, LinkPlantedAtTheTemporaryNameIsNeverFollowed) {
  WriteFile("victim", "precious");
  fs::create_symlink(PathOf("victim"), PathOf("durak.ini.tmp"));
  fs::create_symlink(PathOf("victim"), PathOf("durak.r.tmp"));
  TProfileFile ini(PathOf("durak.ini"));
  ini.Load();
  ini.WriteInteger("Settings", "ASpeed", 7);
  std::string error;
  ASSERT_TRUE(ini.Save(&error)) << error;
  TChempTab table;
  ASSERT_TRUE(ChangeTab(
      PathOf("durak.r"), [](TChempTab& t) { t.push_back(Player("A")); }, &table));
  EXPECT_EQ(ReadFile("victim"), "precious");
  EXPECT_EQ(ReadFile("durak.ini"), "[Settings]\nASpeed=7\n");
  EXPECT_EQ(fs::file_size(PathOf("durak.r")), 60u);
  // The planted links were stale temporaries and are gone; nothing else is left over.
  EXPECT_EQ(Names(), (std::vector<std::string>{"durak.ini", "durak.r", "victim"}));
}

TEST_F(FileSafetyTest, StaleTemporariesOfAKilledRunAreRemovedOthersKept) {
  WriteFile("durak.r.tmp", "half");
  WriteFile("durak.r.tmpQ7x2Lp", "half");
  WriteFile("durak.r.tmp.notes", "mine");
  WriteFile("durak.r.tmp-v2", "mine");
  TChempTab table;
  ASSERT_TRUE(ChangeTab(PathOf("durak.r"), nullptr, &table));
  EXPECT_EQ(Names(), (std::vector<std::string>{"durak.r", "durak.r.tmp-v2", "durak.r.tmp.notes"}));
}

TEST_F(FileSafetyTest, PermissionBitsOfTheOldFileAreKept) {
  WriteFile("durak.r", "");
  WriteFile("durak.ini", "[Settings]\n");
  fs::permissions(PathOf("durak.r"), fs::perms(0660));
  fs::permissions(PathOf("durak.ini"), fs::perms(0600));
  TChempTab table;
  ASSERT_TRUE(ChangeTab(
      PathOf("durak.r"), [](TChempTab& t) { t.push_back(Player("A")); }, &table));
  TProfileFile ini(PathOf("durak.ini"));
  ini.Load();
  ini.WriteInteger("Settings", "ASpeed", 7);
  ASSERT_TRUE(ini.Save(nullptr));
  EXPECT_EQ(ModeOf("durak.r"), 0660u);
  EXPECT_EQ(ModeOf("durak.ini"), 0600u);
}

TEST_F(FileSafetyTest, LinkedChampionsFileIsWrittenThroughToItsTarget) {
  fs::create_directory(PathOf("shared"));
  WriteFile("shared/table.r", "");
  fs::create_symlink("shared/table.r", PathOf("durak.r"));  // a relative link
  TChempTab table;
  ASSERT_TRUE(ChangeTab(
      PathOf("durak.r"), [](TChempTab& t) { t.push_back(Player("A")); }, &table));
  EXPECT_TRUE(fs::is_symlink(PathOf("durak.r")));
  EXPECT_EQ(fs::file_size(PathOf("shared/table.r")), 60u);
  EXPECT_EQ(ReadTab(PathOf("durak.r"), &table), TReadResult::Read);
  EXPECT_EQ(table.size(), 1u);
}

TEST_F(FileSafetyTest, ReadOnlyChampionsFileIsReadButNotReplaced) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes every file";
  TChempTab t = {Player("A", 0.7)};
  ASSERT_TRUE(WriteTab(PathOf("durak.r"), t));
  const std::string before = ReadFile("durak.r");
  fs::permissions(PathOf("durak.r"), fs::perms(0444));
  TChempTab table;
  EXPECT_FALSE(ChangeTab(
      PathOf("durak.r"), [](TChempTab& x) { x.push_back(Player("B")); }, &table));
  // The table as it could be read, with the change: the player can go on.
  ASSERT_EQ(table.size(), 2u);
  EXPECT_EQ(table[0].NameText(), "A");
  EXPECT_EQ(ReadFile("durak.r"), before);
  EXPECT_EQ(ModeOf("durak.r"), 0444u);
}

// ---- two copies of the game at once ---------------------------------------------------

TEST_F(FileSafetyTest, TwoWritersAtOnceLoseNothing) {
  const std::string path = PathOf("durak.r");
  TChempTab start = {Player("Аня"), Player("Боря"), Player("Общий")};
  ASSERT_TRUE(WriteTab(path, start));
  constexpr int kDeals = 150;
  // Each writer is a copy of the game with its own descriptors: a deal of its own player
  // and one of the player both copies share, each a change to the rows as stored.
  const auto writer = [&](const std::string& own, bool wins) {
    for (int i = 0; i < kDeals; ++i) {
      for (const std::string& name : {own, std::string("Общий")}) {
        TChempRec key;
        key.SetName(name);
        TChempTab seen;
        const bool saved = ChangeTab(
            path,
            [&](TChempTab& t) {
              const int p = GetPos(key.Name, t);
              ASSERT_GE(p, 0);
              ++t[p].Games;
              (wins ? t[p].Wins : t[p].Losses)++;
              t[p].Rating = 0.5 / t[p].Games * (t[p].Wins - t[p].Losses) + 0.5;
            },
            &seen);
        EXPECT_TRUE(saved);
      }
    }
  };
  std::thread a(writer, "Аня", true);
  std::thread b(writer, "Боря", false);
  a.join();
  b.join();
  TChempTab end;
  ASSERT_EQ(ReadTab(path, &end), TReadResult::Read);
  ASSERT_EQ(end.size(), 3u);
  // Highest rating first: Аня won all, the shared player broke even, Боря lost all.
  EXPECT_EQ(end[0].NameText(), "Аня");
  EXPECT_EQ(end[0].Games, kDeals);
  EXPECT_EQ(end[0].Wins, kDeals);
  EXPECT_EQ(end[1].NameText(), "Общий");
  EXPECT_EQ(end[1].Games, 2 * kDeals);
  EXPECT_EQ(end[1].Wins, kDeals);
  EXPECT_EQ(end[1].Losses, kDeals);
  EXPECT_DOUBLE_EQ(end[1].Rating, 0.5);
  EXPECT_EQ(end[2].Losses, kDeals);
  EXPECT_EQ(Names(), std::vector<std::string>{"durak.r"});
}

}  // namespace
}  // namespace durak::testing

// The files' locks against other programs: a lock someone else holds for ever delays a
// change by the lock's wait at most and the change is reported busy, not lost; a file
// system without locks still gets its files written. The lock is held by a second process
// (as another user when the tests run as root, since any reader of durak.r may lock it).
#include <dlfcn.h>
#include <sys/file.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <filesystem>

#include "ChempFile.h"
#include "LockHolder.h"
#include "ProfileFile.h"
#include "SafeFile.h"
#include "TempDir.h"

// The file system's answer to every flock call of this program when not 0: as a network
// share without a lock service answers.
static std::atomic<int> g_flockError{0};

extern "C" int flock(int fd, int operation) {
  if (const int error = g_flockError.load()) {
    errno = error;
    return -1;
  }
  using TFlock = int (*)(int, int);
  static const auto real = reinterpret_cast<TFlock>(::dlsym(RTLD_NEXT, "flock"));
  return real(fd, operation);
}

namespace durak::testing {
namespace {

using Clock = std::chrono::steady_clock;

int64_t MillisSince(Clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

std::atomic<int> g_waitCalls{0};
void CountWait() {
  ++g_waitCalls;
}

class LockWaitTest : public TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    // Another user must be able to reach and read the files, as durak.r is (0644).
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_all |
                                           std::filesystem::perms::group_exec |
                                           std::filesystem::perms::others_exec);
    g_waitCalls = 0;
    previousHook_ = SetLockWaitHook(&CountWait);
  }
  void TearDown() override {
    SetLockWaitHook(previousHook_);
    g_flockError = 0;
    TempDirTest::TearDown();
  }
  static TChempRec Player(const std::string& name) {
    TChempRec r;
    r.SetName(name);
    return r;
  }
  TLockWaitHook previousHook_ = nullptr;
};

TEST_F(LockWaitTest, ChampionsChangeWaitsBoundedThenIsBusyAndLandsLater) {
  const std::string path = PathOf("durak.r");
  TChempTab start = {Player("first")};
  ASSERT_TRUE(WriteTab(path, start));
  const auto before = std::filesystem::file_size(path);
  TLockHolder holder(path);
  ASSERT_TRUE(holder.Locked());

  TChempTab table;
  const auto addSecond = [](TChempTab& t) { t.push_back(Player("second")); };
  const auto started = Clock::now();
  EXPECT_EQ(ChangeTabFor(path, addSecond, &table, 400), TChangeResult::Busy);
  const int64_t waited = MillisSince(started);
  EXPECT_GE(waited, 350);
  EXPECT_LT(waited, 2000);
  // The window was given its turns while the lock was waited for.
  EXPECT_GE(g_waitCalls.load(), 5);
  // The change is shown, not written; the file is as it was.
  EXPECT_EQ(table.size(), 2u);
  EXPECT_EQ(std::filesystem::file_size(path), before);

  holder.Release();
  EXPECT_EQ(ChangeTabFor(path, addSecond, &table, 400), TChangeResult::Saved);
  TChempTab back;
  ASSERT_EQ(ReadTab(path, &back), TReadResult::Read);
  EXPECT_EQ(back.size(), 2u);
}

TEST_F(LockWaitTest, SettingsAreWrittenAfterTheWaitWhileTheLockIsHeld) {
  const std::string path = PathOf("durak.ini");
  WriteFile("durak.ini", "[Settings]\nRubaha=1\n");
  TLockHolder holder(path);
  ASSERT_TRUE(holder.Locked());
  TProfileFile ini(path);
  ASSERT_TRUE(ini.Load());
  ini.WriteInteger("Settings", "Rubaha", 3);
  std::string error;
  const auto started = Clock::now();
  // The game's end waits for the lock no longer than the lock's wait, then writes the
  // file whole (through a temporary renamed over it).
  EXPECT_TRUE(ini.Save(&error)) << error;
  EXPECT_LT(MillisSince(started), kLockWaitMillis + 1500);
  EXPECT_EQ(ReadFile("durak.ini"), "[Settings]\nRubaha=3\n");
}

TEST_F(LockWaitTest, WithoutLockSupportFilesAreStillWritten) {
  g_flockError = ENOLCK;
  const std::string path = PathOf("durak.r");
  TChempTab table;
  EXPECT_EQ(ChangeTabFor(
                path, [](TChempTab& t) { t.push_back(Player("nfs")); }, &table),
            TChangeResult::Saved);
  {
    const TFileLock lock(path);
    EXPECT_EQ(lock.State(), TLockState::Unsupported);
    EXPECT_EQ(lock.Error(), ENOLCK);
    EXPECT_TRUE(lock.Locked());
  }
  g_flockError = EOPNOTSUPP;
  EXPECT_TRUE(ChangeTab(
      path, [](TChempTab& t) { t.push_back(Player("share")); }, &table));
  TChempTab back;
  ASSERT_EQ(ReadTab(path, &back), TReadResult::Read);
  EXPECT_EQ(back.size(), 2u);

  TProfileFile ini(PathOf("durak.ini"));
  ini.Load();
  ini.WriteInteger("Settings", "Rubaha", 2);
  std::string error;
  EXPECT_TRUE(ini.Save(&error)) << error;
  EXPECT_EQ(ReadFile("durak.ini"), "[Settings]\nRubaha=2\n");
}

TEST_F(LockWaitTest, OtherLockErrorsAreNamedNotTakenForBusy) {
  g_flockError = EIO;
  const TFileLock lock(PathOf("durak.r"), 100);
  EXPECT_EQ(lock.State(), TLockState::Failed);
  EXPECT_EQ(lock.Error(), EIO);
  EXPECT_FALSE(lock.Locked());
}

}  // namespace
}  // namespace durak::testing

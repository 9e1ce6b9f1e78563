// Where the game keeps durak.ini: in the desktop's configuration folder when it is started
// from the home folder (as a desktop menu starts it), in the current folder otherwise, and
// an old durak.ini in the home folder is taken over without losing it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "ChampionsDialog.h"
#include "MainWindow.h"
#include "ModalDriver.h"
#include "SettingsPath.h"

namespace durak::testing {
namespace {

// A home folder and another folder in a scratch tree, with $HOME pointing at the first.
class SettingsPathTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(base.isValid());
    previousDir = QDir::currentPath();
    previousHome = qgetenv("HOME");
    previousXdg = qgetenv("XDG_CONFIG_HOME");
    hadXdg = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    home = base.filePath("home");
    elsewhere = base.filePath("games");
    ASSERT_TRUE(QDir().mkpath(home));
    ASSERT_TRUE(QDir().mkpath(elsewhere));
    qputenv("HOME", QFile::encodeName(home));
    qunsetenv("XDG_CONFIG_HOME");
    config = QDir(home).filePath(".config/durak");
  }
  void TearDown() override {
    QDir::setCurrent(previousDir);
    qputenv("HOME", previousHome);
    if (hadXdg)
      qputenv("XDG_CONFIG_HOME", previousXdg);
    else
      qunsetenv("XDG_CONFIG_HOME");
  }

  static void Write(const QString& path, const QByteArray& text) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
  }
  static QByteArray Read(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
  }

  // Starts the game in "folder" up to the end of its start-up, then closes it; returns the
  // animation speed it read from its settings.
  int RunGameIn(const QString& folder) {
    QDir::setCurrent(folder);
    TModalDriver driver;
    TMainWindow form;
    form.ChampionsDialog()->ChempFile = base.filePath("durak.r");
    const int speed = form.Game().GlideSpeed;
    form.show();
    for (int i = 0; i < 200 && (!form.Activated || QApplication::activeModalWidget()); ++i)
      QTest::qWait(10);
    form.close();
    for (int i = 0; i < 50 && QApplication::activeModalWidget(); ++i) QTest::qWait(10);
    return speed;
  }

  QTemporaryDir base;
  QString home, elsewhere, config, previousDir;
  QByteArray previousHome, previousXdg;
  bool hadXdg = false;
};

TEST_F(SettingsPathTest, StartedFromHomeKeepsSettingsInTheConfigFolder) {
  RunGameIn(home);
  EXPECT_FALSE(QFileInfo::exists(QDir(home).filePath("durak.ini")));
  const QByteArray written = Read(QDir(config).filePath("durak.ini"));
  EXPECT_TRUE(written.contains("[Settings]")) << written.constData();
  EXPECT_TRUE(written.contains("[Position]")) << written.constData();

  // $XDG_CONFIG_HOME moves the configuration folder; a relative value is not a place.
  const QString xdg = base.filePath("xdg");
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(xdg));
  RunGameIn(home);
  EXPECT_TRUE(QFileInfo::exists(QDir(xdg).filePath("durak/durak.ini")));
  EXPECT_FALSE(QFileInfo::exists(QDir(home).filePath("durak.ini")));
  qputenv("XDG_CONFIG_HOME", "relative/config");
  EXPECT_EQ(ConfigFolder(), config);
}

TEST_F(SettingsPathTest, StartedFromAnotherFolderKeepsSettingsThere) {
  Write(QDir(elsewhere).filePath("durak.ini"), "[Settings]\r\nASpeed=77\r\n");
  EXPECT_EQ(RunGameIn(elsewhere), 77);
  const QByteArray written = Read(QDir(elsewhere).filePath("durak.ini"));
  EXPECT_TRUE(written.contains("ASpeed=77")) << written.constData();
  EXPECT_TRUE(written.contains("[Position]")) << written.constData();
  EXPECT_FALSE(QFileInfo::exists(config));
  EXPECT_FALSE(QFileInfo::exists(QDir(home).filePath("durak.ini")));

  // The settings follow the folder: a second folder starts from the defaults.
  const QString other = base.filePath("other");
  ASSERT_TRUE(QDir().mkpath(other));
  EXPECT_EQ(RunGameIn(other), 40);
  EXPECT_TRUE(QFileInfo::exists(QDir(other).filePath("durak.ini")));
}

TEST_F(SettingsPathTest, AnOldHomeSettingsFileIsTakenOverOnce) {
  Write(QDir(home).filePath("durak.ini"), "[Settings]\r\nASpeed=77\r\n; my note\r\n");
  EXPECT_EQ(RunGameIn(home), 77);
  EXPECT_FALSE(QFileInfo::exists(QDir(home).filePath("durak.ini")));
  const QByteArray moved = Read(QDir(config).filePath("durak.ini"));
  EXPECT_TRUE(moved.contains("ASpeed=77")) << moved.constData();
  EXPECT_TRUE(moved.contains("; my note")) << moved.constData();

  // Once only: a durak.ini that turns up in the home folder later is neither read nor touched.
  Write(QDir(home).filePath("durak.ini"), "[Settings]\r\nASpeed=15\r\n");
  EXPECT_EQ(RunGameIn(home), 77);
  EXPECT_EQ(Read(QDir(home).filePath("durak.ini")), "[Settings]\r\nASpeed=15\r\n");
}

TEST_F(SettingsPathTest, AHomeSettingsLinkIsKeptAndUsedWhereItLeads) {
  // ~/durak.ini -> dotfiles/durak.ini, relative, as a dotfiles manager makes it.
  ASSERT_TRUE(QDir().mkpath(QDir(home).filePath("dotfiles")));
  const QString kept = QDir(home).filePath("dotfiles/durak.ini");
  Write(kept, "[Settings]\nASpeed=33\n");
  const QString link = QDir(home).filePath("durak.ini");
  ASSERT_EQ(::symlink("dotfiles/durak.ini", QFile::encodeName(link).constData()), 0);

  EXPECT_EQ(RunGameIn(home), 33);
  EXPECT_TRUE(QFileInfo(link).isSymLink());
  EXPECT_EQ(QFileInfo(link).symLinkTarget(), kept);
  // The game's own keys went through the link into the player's file.
  EXPECT_TRUE(Read(kept).contains("ASpeed=33")) << Read(kept).constData();
  EXPECT_TRUE(Read(kept).contains("[Position]")) << Read(kept).constData();
  EXPECT_FALSE(QFileInfo::exists(QDir(config).filePath("durak.ini")));
  EXPECT_EQ(RunGameIn(home), 33);
  EXPECT_TRUE(QFileInfo(link).isSymLink());
}

TEST_F(SettingsPathTest, TheHomeFolderIsRecognisedThroughLinksAndSpellings) {
  const QString link = base.filePath("link-to-home");
  ASSERT_TRUE(QFile::link(home, link));
  EXPECT_EQ(ChooseSettingsFolder(link, home, true, config), config);
  EXPECT_EQ(ChooseSettingsFolder(home + "/", home, true, config), config);
  EXPECT_EQ(ChooseSettingsFolder(home + "/../home", home, true, config), config);
  EXPECT_EQ(ChooseSettingsFolder(elsewhere, home, true, config), elsewhere);
  // A folder inside the home folder is a folder of the player's choosing.
  EXPECT_EQ(ChooseSettingsFolder(QDir(home).filePath("Games"), home, true, config),
            QDir(home).filePath("Games"));
}

TEST_F(SettingsPathTest, AnUnwritableFolderSendsSettingsToTheConfigFolder) {
  EXPECT_EQ(ChooseSettingsFolder(elsewhere, home, false, config), config);

  // Settings found in a folder the game cannot write are copied as a start, left as they
  // were, and the copy can be written.
  Write(QDir(elsewhere).filePath("durak.ini"), "[Settings]\r\nASpeed=66\r\n");
  QFile::setPermissions(QDir(elsewhere).filePath("durak.ini"), QFile::ReadOwner);
  const QString path = PrepareSettingsFile(elsewhere, home, false, config);
  EXPECT_EQ(path, QDir(config).filePath("durak.ini"));
  EXPECT_EQ(Read(path), "[Settings]\r\nASpeed=66\r\n");
  EXPECT_TRUE(QFileInfo(path).permissions() & QFile::WriteOwner);
  EXPECT_TRUE(QFileInfo::exists(QDir(elsewhere).filePath("durak.ini")));

  // An old home file weighs more than such a copy, and the copy is made only once.
  ASSERT_TRUE(QFile::remove(path));
  Write(QDir(home).filePath("durak.ini"), "[Settings]\r\nASpeed=55\r\n");
  EXPECT_EQ(Read(PrepareSettingsFile(elsewhere, home, false, config)),
            "[Settings]\r\nASpeed=55\r\n");
  EXPECT_EQ(Read(PrepareSettingsFile(elsewhere, home, false, config)),
            "[Settings]\r\nASpeed=55\r\n");

  // A folder that refuses writing even to this user (the process's own /proc entry).
  if (!QFileInfo(QStringLiteral("/proc/self")).isWritable()) {
    QDir::setCurrent(QStringLiteral("/proc/self"));
    EXPECT_EQ(SettingsFilePath(), QDir(config).filePath("durak.ini"));
  }
}

TEST_F(SettingsPathTest, AConfigFolderThatCannotBeMadeKeepsTheDescribedPlace) {
  // A file stands where the configuration folder should be made.
  Write(base.filePath("blocked"), "not a folder");
  const QString blocked = base.filePath("blocked/durak");
  EXPECT_EQ(PrepareSettingsFile(home, home, true, blocked), QDir(home).filePath("durak.ini"));
  EXPECT_EQ(Read(base.filePath("blocked")), "not a folder");
}

// An installed game is told by its tree (bin beside share/durak) or by a folder it cannot
// write; a build folder of its own is not one. Its champions go to the desktop's data folder.
TEST_F(SettingsPathTest, AnInstalledGameIsToldByItsTreeAndKeepsItsTableInTheDataFolder) {
  const QString prefix = base.filePath("prefix");
  ASSERT_TRUE(QDir().mkpath(prefix + "/bin"));
  EXPECT_FALSE(RunsInstalled(prefix + "/bin"));
  ASSERT_TRUE(QDir().mkpath(prefix + "/share/durak"));
  EXPECT_TRUE(RunsInstalled(prefix + "/bin"));
  if (!QFileInfo(QStringLiteral("/proc/self")).isWritable()) {
    EXPECT_TRUE(RunsInstalled(QStringLiteral("/proc/self")));
  }

  const QByteArray previousData = qgetenv("XDG_DATA_HOME");
  const bool hadData = qEnvironmentVariableIsSet("XDG_DATA_HOME");
  qunsetenv("XDG_DATA_HOME");
  EXPECT_EQ(DataFolder(), QDir(home).filePath(".local/share/durak"));
  qputenv("XDG_DATA_HOME", "relative/data");
  EXPECT_EQ(DataFolder(), QDir(home).filePath(".local/share/durak"));
  qputenv("XDG_DATA_HOME", QFile::encodeName(base.filePath("data")));
  EXPECT_EQ(DataFolder(), base.filePath("data/durak"));
  if (hadData)
    qputenv("XDG_DATA_HOME", previousData);
  else
    qunsetenv("XDG_DATA_HOME");
}

}  // namespace
}  // namespace durak::testing

// Closing the game when its settings file cannot be written: the user is told once, the
// window still closes, and whatever stands at the settings path is left as it was.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "../files/LockHolder.h"
#include "AppearanceDialog.h"
#include "ChampionsDialog.h"
#include "MainWindow.h"
#include "ModalDriver.h"
#include "OptionsDialog.h"
#include "RaisedButton.h"
#include "SafeFile.h"
#include "WidgetPart.h"
#include "WindowFixture.h"

namespace durak::testing {
namespace {

class CloseSettingsTest : public TWindowTest {};

TEST_F(CloseSettingsTest, UnwritableSettingsAreReportedOnceAndTheGameStillCloses) {
  // A folder where durak.ini should be: it can be neither read nor replaced, even by root.
  ASSERT_TRUE(QDir(dir.path()).mkdir("durak.ini"));
  ASSERT_TRUE(QFile(dir.filePath("durak.ini/keep.txt")).open(QIODevice::WriteOnly));
  TModalDriver driver;
  TMainWindow form;
  Start(form);
  ASSERT_TRUE(form.isVisible());
  const int before = driver.Messages.size();

  form.close();
  for (int i = 0; i < 50 && QApplication::activeModalWidget(); ++i) QTest::qWait(10);

  EXPECT_FALSE(form.isVisible());
  ASSERT_EQ(driver.Messages.size(), before + 1) << driver.Messages.join("; ").toStdString();
  EXPECT_TRUE(driver.Messages.last().startsWith("Unable to write to "))
      << driver.Messages.last().toStdString();
  EXPECT_TRUE(driver.Messages.last().endsWith("durak.ini")) << driver.Messages.last().toStdString();
  EXPECT_TRUE(QFileInfo(dir.filePath("durak.ini")).isDir());
  EXPECT_TRUE(QFileInfo::exists(dir.filePath("durak.ini/keep.txt")));
  EXPECT_FALSE(QFileInfo::exists(dir.filePath("durak.ini.tmp")));
}

// Another program (another user, when the tests run as root) holds durak.ini's lock for
// ever: the game still closes after the lock's wait, and its settings are written whole.
TEST_F(CloseSettingsTest, ALockHeldForEverDelaysTheCloseOnlyByTheWait) {
  WriteText("durak.ini", "[Settings]\nASpeed=41\n");
  std::filesystem::permissions(dir.path().toStdString(), std::filesystem::perms::others_exec,
                               std::filesystem::perm_options::add);
  TModalDriver driver;
  TMainWindow form;
  Start(form);
  ASSERT_TRUE(form.isVisible());
  TLockHolder holder(QFile::encodeName(dir.filePath("durak.ini")).toStdString());
  ASSERT_TRUE(holder.Locked());
  QElapsedTimer closing;
  closing.start();
  form.close();
  EXPECT_LT(closing.elapsed(), kLockWaitMillis + 2000);
  EXPECT_FALSE(form.isVisible());
  QFile ini(dir.filePath("durak.ini"));
  ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
  const QByteArray text = ini.readAll();
  EXPECT_TRUE(text.contains("ASpeed=41")) << text.constData();
  EXPECT_TRUE(text.contains("[Position]")) << text.constData();
}

// Colours stored as system colours (top bit set) keep following the desktop: written back
// exactly as they were read unless the user picked another colour.
TEST_F(CloseSettingsTest, SystemColoursAreWrittenBackAsTheyWereRead) {
  WriteText("durak.ini",
            "[Settings]\nMyWords=-2147483640\nFColor=-2147483633\nSColor=-2147483646\n"
            "Color=-2147483633\nHotColor=-2147483635\n");
  TModalDriver driver;
  TMainWindow form;
  EXPECT_EQ(form.Settings().Color, -2147483633);
  // Both colour dialogs closed with OK and nothing changed.
  QTimer::singleShot(0, Part<TRaisedButton>(*form.Menus().OptionsDialog(), "OKBtn"),
                     &QPushButton::click);
  form.Menus().ShowOptions();
  QTimer::singleShot(0, Part<QPushButton>(*form.Menus().AppearanceDialog(), "OKBtn"),
                     &QPushButton::click);
  form.Menus().ShowAppearance();
  ASSERT_TRUE(form.WriteSettingsFile());
  const QString ini = ReadText("durak.ini");
  for (const char* line : {"MyWords=-2147483640\n", "FColor=-2147483633\n", "SColor=-2147483646\n",
                           "Color=-2147483633\n", "HotColor=-2147483635\n"})
    EXPECT_TRUE(ini.contains(QLatin1String("\n") + QLatin1String(line))) << line << "\n"
                                                                         << ini.toStdString();
}

}  // namespace
}  // namespace durak::testing

// Closing the game when its settings file cannot be written: the user is told once, the
// window still closes, and whatever stands at the settings path is left as it was.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "ModalDriver.h"
#include "TChempForm.h"
#include "TForm1.h"
#include "WindowFixture.h"

namespace durak::testing {
namespace {

class CloseSettingsTest : public TWindowTest {};

TEST_F(CloseSettingsTest, UnwritableSettingsAreReportedOnceAndTheGameStillCloses) {
  // A folder where durak.ini should be: it can be neither read nor replaced, even by root.
  ASSERT_TRUE(QDir(dir.path()).mkdir("durak.ini"));
  ASSERT_TRUE(QFile(dir.filePath("durak.ini/keep.txt")).open(QIODevice::WriteOnly));
  TModalDriver driver;
  TForm1 form;
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

}  // namespace
}  // namespace durak::testing

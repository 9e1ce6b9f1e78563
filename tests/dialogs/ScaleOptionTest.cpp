// The appearance dialog's "Scale to window" option, and the back previews of a deck of big
// cards side by side without covering each other.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "AppearanceDialog.h"
#include "CardWidget.h"
#include "MainWindow.h"
#include "WidgetPart.h"
#include "WindowFixture.h"

namespace durak::testing {
namespace {

class ScaleOption : public WindowFixture {};

TEST_F(ScaleOption, TurningItOffGivesTheLibrarySizeAndIsKept) {
  Form->resize(1280, 1000);
  QApplication::processEvents();
  ASSERT_GT(Form->CardSize().Width, Form->CardSize().LibraryWidth)
      << "the cards grow on a big window";
  TAppearanceDialog& d = *Form->Menus().AppearanceDialog();
  Answer(
      [&d] {
        EXPECT_TRUE(Part<QCheckBox>(d, "ScaleBox")->isChecked());
        EXPECT_FALSE(Part<QCheckBox>(d, "ScaleBox")->text().isEmpty());
        Part<QCheckBox>(d, "ScaleBox")->setChecked(false);
        Part<QPushButton>(d, "OKBtn")->click();
      },
      [this] { Form->Menus().ShowAppearance(); });
  EXPECT_FALSE(Form->Settings().ScaleToWindow);
  EXPECT_EQ(Form->CardSize().Width, Form->CardSize().LibraryWidth);
  EXPECT_EQ(Form->Game().Layout.CardWidth, Form->CardSize().LibraryWidth);
  Form->Game().Busy = false;
  ASSERT_TRUE(Form->WriteSettingsFile());
  QFile ini(QDir::current().filePath(QStringLiteral("durak.ini")));
  ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
  EXPECT_TRUE(ini.readAll().contains("ScaleToWindow=0"));

  // Cancel leaves it as it was.
  Answer(
      [&d] {
        EXPECT_FALSE(Part<QCheckBox>(d, "ScaleBox")->isChecked());
        Part<QCheckBox>(d, "ScaleBox")->setChecked(true);
        Part<QPushButton>(d, "CancelBtn")->click();
      },
      [this] { Form->Menus().ShowAppearance(); });
  EXPECT_FALSE(Form->Settings().ScaleToWindow);
}

TEST_F(ScaleOption, BigBacksSitSideBySide) {
  TAppearanceDialog& d = *Form->Menus().AppearanceDialog();
  Part<QLabel>(d, "Label2")->setText(QStringLiteral("coloda-atlas-big.col"));
  d.Arrange();
  for (int k = 0; k < 5; ++k) {
    const QRect r = Part<QLabel>(d, QStringLiteral("Image%1").arg(k + 1))->geometry();
    EXPECT_FALSE(Part<QLabel>(d, QStringLiteral("Image%1").arg(k + 1))->pixmap().isNull()) << k;
    EXPECT_GE(r.left(), 0) << k;
    EXPECT_LE(r.right(), Part<QGroupBox>(d, "RubBox1")->contentsRect().right()) << k;
    EXPECT_EQ(Part<QLabel>(d, QStringLiteral("Image%1").arg(k + 1))->pixmap().width(), r.width())
        << k;
    if (k > 0) {
      EXPECT_GT(r.left(),
                Part<QLabel>(d, QStringLiteral("Image%1").arg(k - 1 + 1))->geometry().right())
          << k;
    }
  }
  d.resize(d.width(), d.height());
  const QString dir = QStringLiteral(DURAK_PICTURE_DIR);
  QDir().mkpath(dir);
  d.grab().save(dir + QStringLiteral("/appearance-big-deck.png"));
}

}  // namespace
}  // namespace durak::testing

// The window against what comes from outside: names, speeches and captions shown as the
// text they are, and a saved placement that cannot put the window off the screen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTextDocument>

#include "ChampionsDialog.h"
#include "MainWindow.h"
#include "ModalDriver.h"
#include "PasswordDialog.h"
#include "PlainText.h"
#include "WindowFixture.h"
#include "WindowPlacement.h"

namespace durak::testing {
namespace {

class WindowGuardTest : public TWindowTest {};

// A name that would load a picture from a file and a heading, were it read as markup.
const QString kHostile = QStringLiteral("<img src=x.png><h1>Big</h1>");

TEST_F(WindowGuardTest, NamesSpeechesAndMessagesShowAsTyped) {
  TModalDriver driver;
  driver.NewName = QStringLiteral("<h1>Hi</h1>");
  TMainWindow form;
  Start(form);
  ASSERT_EQ(form.Parts().PlayerNameLabel->text(), "<h1>Hi</h1>");
  // Every label of the window and of its dialogs shows plain text.
  int labels = 0;
  for (QLabel* l : form.findChildren<QLabel*>()) {
    EXPECT_EQ(l->textFormat(), Qt::PlainText)
        << l->objectName().toStdString() << " " << l->text().toStdString();
    ++labels;
  }
  EXPECT_GE(labels, 10);
  // A speech from a pack with markup in it stays one line of text.
  form.Parts().SpeechLabel->setText(kHostile);
  EXPECT_EQ(form.Parts().SpeechLabel->text(), kHostile);
  const int plainHeight = form.Parts().SpeechLabel->sizeHint().height();
  QLabel rich(kHostile);
  rich.setWordWrap(true);
  EXPECT_LT(plainHeight, rich.sizeHint().height());
  // A message with markup from the language pack comes up as plain text.
  form.ChampionsDialog()->Text206 = kHostile;
  form.ChampionsDialog()->ShowMessage(form.ChampionsDialog()->Text206);
  ASSERT_FALSE(driver.Messages.isEmpty());
  EXPECT_EQ(driver.Messages.last(), kHostile);
  EXPECT_EQ(driver.RichMessages, 0);
  form.close();
}

TEST(PlainTextTest, ToolTipsKeepTheirMarkupAsText) {
  for (const QString& text :
       {kHostile, QStringLiteral("a & b < c"), QStringLiteral("http://example.org/?a=1&b=2")}) {
    // As the tool tip shows it: as markup when Qt takes it for markup, else as it is.
    const QString tip = PlainToolTip(text);
    QTextDocument doc;
    if (Qt::mightBeRichText(tip))
      doc.setHtml(tip);
    else
      doc.setPlainText(tip);
    EXPECT_EQ(doc.toPlainText(), text);
  }
  EXPECT_TRUE(PlainToolTip(QString()).isEmpty());
  // Text Qt would not take for markup is left exactly as it is.
  EXPECT_EQ(PlainToolTip(QStringLiteral("https://example.org/durak/")),
            QStringLiteral("https://example.org/durak/"));
}

TEST(WindowPlacementTest, ClampsToTheAvailableArea) {
  const QRect screen(0, 0, 1920, 1050);
  const QSize min(630, 450);
  // Sane placements stay as they are.
  EXPECT_EQ(ClampPlacement(100, 50, 800, 600, screen, min), QRect(100, 50, 800, 600));
  // The smallest size wins over a smaller saved one.
  EXPECT_EQ(ClampPlacement(100, 50, 600, 450, screen, min), QRect(100, 50, 630, 450));
  // A huge size shrinks to the screen; a far-off corner comes back.
  EXPECT_EQ(ClampPlacement(-100000, -100000, INT32_MAX, INT32_MAX, screen, min), screen);
  EXPECT_EQ(ClampPlacement(100000, 100000, 700, 500, screen, min),
            QRect(1920 - 700, 1050 - 500, 700, 500));
  EXPECT_EQ(ClampPlacement(INT32_MIN, INT32_MAX, INT32_MIN, -5, screen, min),
            QRect(0, 1050 - 450, 630, 450));
  // A second screen to the right keeps its own origin.
  EXPECT_EQ(ClampPlacement(1900, 10, 800, 600, QRect(1920, 0, 1280, 1024), min),
            QRect(1920, 10, 800, 600));
  // A screen smaller than the minimum: the minimum wins, the corner stays on the screen.
  EXPECT_EQ(ClampPlacement(500, 500, 700, 500, QRect(0, 0, 320, 240), min), QRect(0, 0, 630, 450));
}

TEST_F(WindowGuardTest, SavedPlacementOffTheScreenOpensOnIt) {
  WriteText("durak.ini",
            "[Position]\nLeft=-100000\nTop=-100000\nWidth=2147483647\n"
            "Height=2147483647\n");
  TModalDriver driver;
  {
    TMainWindow form;
    Start(form);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(area.contains(form.geometry()))
        << form.geometry().x() << "," << form.geometry().y() << " " << form.width() << "x"
        << form.height() << " in " << area.width() << "x" << area.height();
    EXPECT_GE(form.width(), 630);
    EXPECT_GE(form.height(), 450);
    form.close();
  }
  // What is saved again is the placement the window had.
  const QString ini = ReadText("durak.ini");
  EXPECT_FALSE(ini.contains("-100000")) << ini.toStdString();
  EXPECT_FALSE(ini.contains("2147483647")) << ini.toStdString();
}

TEST_F(WindowGuardTest, CardPackThatCannotBeOpenedIsNotKeptForTheNextStart) {
  {
    TMainWindow& form = StartWindowWith("[Settings]\nColodaPath=coloda-gone.col\n");
    // This start ends with the message, as it always has...
    ASSERT_FALSE(Driver->Messages.isEmpty());
    EXPECT_TRUE(Driver->Messages.first().contains("coloda-gone.col not found !"));
    EXPECT_FALSE(form.isVisible());
    CloseWindow();
  }
  // ...but the standard deck is what is kept, so the next start is a game again.
  EXPECT_TRUE(ReadText("durak.ini").contains("ColodaPath=c36.dll"));
  TMainWindow& form = StartWindow();
  EXPECT_TRUE(form.isVisible());
  EXPECT_GT(form.CardSize().LibraryWidth, 0);
  EXPECT_TRUE(Driver->Messages.filter("not found").isEmpty())
      << Driver->Messages.join("; ").toStdString();
  form.close();
}

}  // namespace
}  // namespace durak::testing

// The whole window at work: start in a fresh folder, register a player, play a deal to its
// end by clicking cards and buttons, close, and look at durak.r and durak.ini.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include "CardWidget.h"
#include "ChampionsDialog.h"
#include "MainWindow.h"
#include "ModalDriver.h"
#include "RaisedButton.h"
#include "WindowFixture.h"

namespace durak::testing {
namespace {

class WindowFlowTest : public TWindowTest {};

// One step of a player who plays the first card the rules accept, else presses a button.
bool PlayOneStep(TMainWindow& form) {
  TGame& g = form.Game();
  if (g.PlayMode != pmNone) {
    const TCardList hand = g.PlayerHand;
    for (const TCardInfo& k : hand) {
      const size_t before = g.PlayerHand.size();
      const int mode = g.PlayMode;
      QTest::mouseClick(form.Parts().Cards[k.Tag - 1], Qt::LeftButton);
      if (g.PlayerHand.size() != before || g.PlayMode != mode) return true;
    }
  }
  for (TRaisedButton* b : {form.Parts().DefendButton, form.Parts().DiscardButton,
                           form.Parts().ComputerTakesButton, form.Parts().TakeButton}) {
    if (b->isVisible()) {
      QTest::mouseClick(b, Qt::LeftButton);
      return true;
    }
  }
  return false;
}

TEST_F(WindowFlowTest, RegisterPlayADealAndKeepTheResults) {
  {
    TModalDriver driver;
    TMainWindow form;
    form.ChoosePair = [](const std::vector<TPairMenuItem>& items) { return items.front().Tag; };
    form.Game().GlideSpeed = 100;
    Start(form);
    ASSERT_EQ(form.Parts().PlayerNameLabel->text(), "Tester");
    ASSERT_TRUE(form.Parts().DealButton->isVisible());
    EXPECT_EQ(form.CardSize().LibraryWidth, form.Parts().Cards[0]->BackImage().width());

    QTest::mouseClick(form.Parts().DealButton, Qt::LeftButton);
    EXPECT_EQ(form.Game().PlayerHand.size() + form.Game().CompHand.size(),
              12u - form.Game().TableCards.size());
    int steps = 0;
    while (form.Game().DealResult == drGoesOn && steps < 500) {
      ASSERT_TRUE(PlayOneStep(form)) << "no move at step " << steps;
      ++steps;
    }
    ASSERT_NE(form.Game().DealResult, drGoesOn);
    // A picture of the table at the end of the deal, for a person to look at.
    form.grab().save(QDir::temp().filePath("durak-window-end-of-deal.png"));
    EXPECT_TRUE(form.Parts().DealButton->isVisible());
    EXPECT_EQ(form.Game().PlayerScore + form.Game().ComputerScore,
              form.Game().DealResult == drDraw ? 0 : 1);
    EXPECT_TRUE(driver.Messages.isEmpty()) << driver.Messages.join("; ").toStdString();
    form.resize(900, 700);
    form.close();
  }
  TChempTab table;
  ASSERT_EQ(ReadTab(dir.filePath("durak.r").toStdString(), &table), TReadResult::Read);
  ASSERT_EQ(table.size(), 1u);
  EXPECT_EQ(table[0].NameText(), "Tester");
  EXPECT_EQ(table[0].Games, 1);
  const QString ini = ReadText("durak.ini");
  EXPECT_TRUE(ini.contains("[Settings]\nRubaha=1\nASpeed=100\n")) << ini.toStdString();
  EXPECT_TRUE(ini.contains("Width=900\nHeight=700\n")) << ini.toStdString();
}

// While the window is open the engine holds the rules, the cards' speed and the hand's
// order: it takes them from durak.ini when the window is made, and what it holds when the
// file is written is what goes back, not what was read.
TEST_F(WindowFlowTest, TheEngineTakesTheRulesSpeedAndOrderFromDurakIniAndGivesThemBack) {
  WriteText("durak.ini", QStringLiteral("[Settings]\nArul=%1\nVidSort=2\nASpeed=55\n")
                             .arg(SetToInt(arTransfer | arHotCards))
                             .toUtf8());
  TModalDriver driver;
  TMainWindow form;
  EXPECT_EQ(form.Game().Options, arTransfer | arHotCards);
  EXPECT_EQ(form.Game().HandOrder, 2);
  EXPECT_EQ(form.Game().GlideSpeed, 55);

  form.Game().Options = arMultiLead;
  form.Game().HandOrder = 0;
  form.Game().GlideSpeed = 70;
  ASSERT_TRUE(form.WriteSettingsFile());
  const QString ini = ReadText("durak.ini");
  EXPECT_TRUE(ini.contains(QStringLiteral("\nArul=%1\n").arg(SetToInt(arMultiLead))))
      << ini.toStdString();
  EXPECT_TRUE(ini.contains(QStringLiteral("\nVidSort=0\n"))) << ini.toStdString();
  EXPECT_TRUE(ini.contains(QStringLiteral("\nASpeed=70\n"))) << ini.toStdString();
}

TEST_F(WindowFlowTest, GarbageSettingsGiveDefaults) {
  WriteText("durak.ini",
            QByteArray("\x01\xff[Settings\nASpeed=fast\nLanguage=abc\n[Position]\nWidth=-5\n", 52));
  TModalDriver driver;
  TMainWindow form;
  EXPECT_EQ(form.Settings().GlideSpeed, 40);
  EXPECT_EQ(form.Settings().Language, 1);
  EXPECT_GE(form.width(), 630);
}

TEST_F(WindowFlowTest, MissingCardPackIsReportedAndTheWindowCloses) {
  TMainWindow& form = StartWindowWith("[Settings]\nColodaPath=no-such-deck.dll\n");
  ASSERT_FALSE(Driver->Messages.isEmpty());
  EXPECT_TRUE(Driver->Messages.first().contains("no-such-deck.dll not found !"));
  EXPECT_FALSE(form.isVisible());
}

}  // namespace
}  // namespace durak::testing

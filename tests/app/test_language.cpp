// Switching languages: every caption from the language pack, English from its own numbers,
// the word tables cut to their size, the speech shown again in the new language.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>

#include "ChampionsDialog.h"
#include "MainWindow.h"
#include "Mnemonics.h"
#include "ModalDriver.h"
#include "RaisedButton.h"
#include "ResourcePack.h"
#include "WidgetPart.h"

namespace durak::testing {
namespace {

class LanguageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(pack.Open(QStringLiteral("durlang.dll"))) << "the language pack is built";
    previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
  }
  void TearDown() override { QDir::setCurrent(previous); }
  ResourcePack pack;
  QTemporaryDir dir;
  QString previous;
};

TEST_F(LanguageTest, EnglishComesFromItsOwnNumbersAndBackAgain) {
  TMainWindow form;
  form.ApplyLanguage(2);
  EXPECT_EQ(form.Texts().At(66), pack.LoadText(366));
  EXPECT_EQ(form.Parts().DealButton->text(), pack.LoadText(366));
  EXPECT_EQ(form.Menus().Items().NewGameItem->text(), pack.LoadText(302));
  EXPECT_EQ(WithoutMnemonic(Part<QPushButton>(*form.ChampionsDialog(), "BOK")->text()),
            pack.LoadText(394));
  EXPECT_NE(form.Parts().DealButton->text(), pack.LoadText(66));
  form.ApplyLanguage(1);
  EXPECT_EQ(form.Parts().DealButton->text(), pack.LoadText(66));
  EXPECT_EQ(form.windowTitle(), pack.LoadText(25));
  EXPECT_EQ(form.Parts().ComputerScoreCaption->text(), pack.LoadText(72));
  const TGameTexts& g = form.Game().Texts;
  EXPECT_EQ(QString::fromStdString(g.RankWords[14]), pack.LoadText(87).left(10));
  EXPECT_EQ(QString::fromStdString(g.SuitWords[4]), pack.LoadText(78).left(10));
  EXPECT_EQ(QString::fromStdString(g.Speeches[19][4]), pack.LoadText(196));
}

TEST_F(LanguageTest, WordTablesKeepTheirCapacity) {
  TMainWindow form;
  form.Texts().At(102) = QString(60, QChar(u'ы'));
  form.Texts().At(75) = QString(12, QChar(u'п'));
  form.ApplyTexts();
  EXPECT_EQ(QString::fromStdString(form.Game().Texts.Speeches[1][0]).size(), 49);
  EXPECT_EQ(QString::fromStdString(form.Game().Texts.SuitWords[1]).size(), 10);
}

TEST_F(LanguageTest, TheSpeechSituationFollowsTheLanguage) {
  TMainWindow form;
  form.ApplyLanguage(1);
  form.Game().ShowSpeech(sayNewGame);
  const QLabel* line = form.Parts().SpeechLabel;
  bool russian = false;
  for (int v = 0; v < 5; ++v) russian = russian || line->text() == pack.LoadText(167 + v);
  EXPECT_TRUE(russian) << line->text().toStdString();
  form.ApplyLanguage(2);
  bool english = false;
  for (int v = 0; v < 5; ++v) english = english || line->text() == pack.LoadText(467 + v);
  EXPECT_TRUE(english) << line->text().toStdString();
  EXPECT_EQ(form.Game().LastSpeech, sayNewGame);
}

TEST_F(LanguageTest, EverySpeechFitsTheSpeechLineOfTheSmallestWindow) {
  TMainWindow form;
  form.resize(630, 450);
  form.show();
  // The widest moment: two command buttons beside the line.
  form.TableView().SetButtonVisible(durak::TakeButton, true);
  form.TableView().SetButtonVisible(durak::DefendButton, true);
  const QLabel* line = form.Parts().SpeechLabel;
  ASSERT_TRUE(line->wordWrap());
  const QFontMetrics fm(line->font());
  for (int base : {0, 300})
    for (int i = 102; i <= 196; ++i) {
      const QString text = pack.LoadText(base + i);
      const QRect need = fm.boundingRect(QRect(0, 0, line->width(), 1000), Qt::TextWordWrap, text);
      EXPECT_LE(need.height(), line->height()) << (base + i) << ": " << text.toStdString();
      EXPECT_LE(need.width(), line->width()) << (base + i) << ": " << text.toStdString();
    }
  form.hide();
}

// A player who chose English and starts the game again sees English from the first paint:
// the player's counter caption too, before any player is picked in the champions table.
TEST_F(LanguageTest, ChosenLanguageShowsFromTheFirstPaint) {
  QFile ini(QDir(dir.path()).filePath(QStringLiteral("durak.ini")));
  ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
  ini.write("[Settings]\nLanguage=2\n");
  ini.close();
  TMainWindow form;
  EXPECT_EQ(form.Parts().PlayerNameLabel->text(), pack.LoadText(371));
  EXPECT_EQ(form.Parts().ComputerScoreCaption->text(), pack.LoadText(372));
  EXPECT_EQ(form.Parts().StockCaption->text(), pack.LoadText(373));
  EXPECT_EQ(form.Menus().Items().NewGameItem->text(), pack.LoadText(302));
  EXPECT_EQ(form.windowTitle(), pack.LoadText(325));
  EXPECT_TRUE(form.Menus().Items().EnglishItem->isChecked());
  // Back in Russian the caption is the Russian one, still before a player is picked.
  form.LanguageChosen(1);
  EXPECT_EQ(form.Parts().PlayerNameLabel->text(), pack.LoadText(71));
}

// The new-game command is spelt right in the window's own caption and in the pack.
TEST_F(LanguageTest, NewGameIsSpeltRight) {
  TMainWindow form;
  const QString right = QString::fromUtf8("Новая игра");
  EXPECT_EQ(pack.LoadText(2), right);
  EXPECT_EQ(form.Menus().Items().NewGameItem->text(), right);
  form.ApplyLanguage(1);
  EXPECT_EQ(form.Menus().Items().NewGameItem->text(), right);
}

}  // namespace
}  // namespace durak::testing

// The champions table with two copies of the game on one durak.r, and with a durak.r that
// cannot be written: no copy's deal is lost, and a table that cannot be saved is still
// shown and played on, with one message in the player's language.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTableWidget>
#include <QTemporaryDir>

#include "ChampionsDialog.h"
#include "Game.h"
#include "ModalDriver.h"
#include "PasswordDialog.h"
#include "WidgetPart.h"

namespace durak::testing {
namespace {

// One copy of the game: its own dialogs on the shared file.
struct TCopy {
  explicit TCopy(const QString& file) : chemp(&pass) {
    chemp.ChempFile = file;
    chemp.ShowMessage = [this](const QString& text) { shown << text; };
    chemp.CannotSaveText = QStringLiteral("Результаты не сохраняются");
  }
  // Chooses the player at start-up, as the user does.
  void Choose(const char* name) {
    chemp.ChempMode = cmStartUp;
    chemp.PrepareOnShow();
    TChempRec key;
    key.SetName(name);
    chemp.SelectRow(GetPos(key.Name, chemp.ChempTab) + 1);
    chemp.NextPressed();
  }
  // A deal ends: the game's copy of the record gains it, then the table is shown.
  void FinishDeal(bool won) {
    ++chemp.CurChemp.Games;
    ++(won ? chemp.CurChemp.Wins : chemp.CurChemp.Losses);
    chemp.ChempMode = cmAfterDeal;
    chemp.PrepareOnShow();
  }
  TPasswordDialog pass;
  TChampionsDialog chemp;
  QStringList shown;
};

TChempRec Player(const char* name, int games, int wins) {
  TChempRec r;
  r.SetName(name);
  r.Games = games;
  r.Wins = wins;
  r.Losses = games - wins;
  r.Rating = RatingOf(games, wins, games - wins);
  return r;
}

class ChempMergeTest : public ::testing::Test {
 protected:
  std::string Path() const { return dir.filePath("durak.r").toStdString(); }
  TChempTab Stored() const {
    TChempTab t;
    ReadTab(Path(), &t);
    return t;
  }
  QTemporaryDir dir;
};

TEST_F(ChempMergeTest, TwoCopiesPlayingEachKeepEveryDeal) {
  TChempTab start = {Player("Аня", 2, 1), Player("Боря", 0, 0)};
  WriteTab(Path(), start);
  TCopy one(dir.filePath("durak.r")), two(dir.filePath("durak.r"));
  one.Choose("Аня");
  two.Choose("Аня");  // the same player in both copies
  ASSERT_EQ(one.chemp.CurChemp.NameText(), "Аня");
  one.FinishDeal(true);
  two.FinishDeal(false);
  one.FinishDeal(true);
  TChempTab t = Stored();
  ASSERT_EQ(t.size(), 2u);
  EXPECT_EQ(t[0].NameText(), "Аня");
  EXPECT_EQ(t[0].Games, 5);
  EXPECT_EQ(t[0].Wins, 3);
  EXPECT_EQ(t[0].Losses, 2);
  EXPECT_DOUBLE_EQ(t[0].Rating, RatingOf(5, 3, 2));
  // Each copy's current record follows the stored row.
  EXPECT_EQ(one.chemp.CurChemp.Games, 5);

  // A new player in one copy survives the other copy's next deal; a reset elsewhere is
  // not undone by an old record either.
  TModalDriver driver;
  driver.NewName = QStringLiteral("Вера");
  two.chemp.ChempMode = cmStartUp;
  two.chemp.PrepareOnShow();
  two.chemp.NewPressed();
  one.FinishDeal(false);
  t = Stored();
  ASSERT_EQ(t.size(), 3u);
  EXPECT_GE(GetPos(Player("Вера", 0, 0).Name, t), 0);
  EXPECT_EQ(t[GetPos(Player("Аня", 0, 0).Name, t)].Games, 6);
  EXPECT_TRUE(one.shown.isEmpty() && two.shown.isEmpty());
}

TEST_F(ChempMergeTest, DeletedElsewhereStaysDeleted) {
  TChempTab start = {Player("Аня", 1, 1), Player("Боря", 1, 0)};
  WriteTab(Path(), start);
  TCopy one(dir.filePath("durak.r")), two(dir.filePath("durak.r"));
  one.Choose("Аня");
  two.Choose("Боря");
  TModalDriver driver;  // answers the password check of the delete
  two.chemp.ChempMode = cmStartUp;
  two.chemp.PrepareOnShow();
  two.chemp.SelectRow(2);  // Боря
  two.chemp.DeletePressed();
  one.FinishDeal(true);
  const TChempTab t = Stored();
  ASSERT_EQ(t.size(), 1u);
  EXPECT_EQ(t[0].NameText(), "Аня");
  EXPECT_EQ(t[0].Games, 2);
}

TEST_F(ChempMergeTest, TableThatCannotBeWrittenIsPlayedOnAndSaidOnce) {
  // A folder where the file should be: it can be neither read nor replaced, even by root.
  ASSERT_TRUE(QDir(dir.path()).mkdir("durak.r"));
  TCopy copy(dir.filePath("durak.r"));
  TModalDriver driver;
  driver.NewName = QStringLiteral("Аня");
  copy.chemp.ChempMode = cmStartUp;
  copy.chemp.PrepareOnShow();
  copy.chemp.NewPressed();
  // The new player is there to be chosen, and the player was told once, in their language.
  ASSERT_EQ(copy.chemp.ChempTab.size(), 1u);
  EXPECT_EQ(Part<QTableWidget>(copy.chemp, "StringGrid1")->item(0, 0)->text(), "Аня");
  ASSERT_EQ(copy.shown.size(), 1);
  EXPECT_TRUE(copy.shown[0].startsWith("Результаты не сохраняются")) << copy.shown[0].toStdString();
  copy.chemp.SelectRow(1);
  copy.chemp.NextPressed();
  EXPECT_EQ(copy.chemp.result(), QDialog::Accepted);
  copy.FinishDeal(true);
  copy.FinishDeal(true);
  EXPECT_EQ(copy.chemp.CurChemp.Games, 2);
  EXPECT_EQ(Part<QTableWidget>(copy.chemp, "StringGrid1")->item(0, 2)->text(), "2");
  EXPECT_EQ(copy.shown.size(), 1);
  EXPECT_TRUE(QFileInfo(dir.filePath("durak.r")).isDir());
}

}  // namespace
}  // namespace durak::testing

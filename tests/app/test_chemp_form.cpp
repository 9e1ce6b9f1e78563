// The champions table: reading damaged files, the grid, new players, the scroll position.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <random>

#include "ChempGrid.h"
#include "ModalDriver.h"
#include "TChempForm.h"
#include "TPassForm.h"
#include "WidgetPart.h"

namespace durak::testing {
namespace {

class ChempFormTest : public ::testing::Test {
 protected:
  ChempFormTest() : chemp(&pass) {
    chemp.ChempFile = dir.filePath("durak.r");
    chemp.ShowMessage = [this](const QString& text) { shown << text; };
    chemp.Text206 = "choose";
  }
  void WriteBytes(const QByteArray& bytes) {
    QFile f(chemp.ChempFile);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
  QByteArray ReadBytes() {
    QFile f(chemp.ChempFile);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
  }
  static TChempRec Player(const char* name, double rating) {
    TChempRec r;
    r.SetName(name);
    r.Rating = rating;
    return r;
  }

  QTemporaryDir dir;
  TPassForm pass;
  TChempForm chemp;
  QStringList shown;
};

TEST(ChempGrid, ColumnWidthsAndCells) {
  int w[4];
  ChempColumnWidths(244, w);
  EXPECT_EQ(w[0], 81);
  EXPECT_EQ(w[1], 59);
  EXPECT_EQ(w[2], 49);
  EXPECT_EQ(w[3], 49);
  TChempRec r;
  r.SetName("Новичок");
  QString cells[4];
  ChempCells(r, cells);
  EXPECT_EQ(cells[0], "Новичок");
  EXPECT_EQ(cells[1], "0");
  EXPECT_EQ(cells[2], "0");
  EXPECT_EQ(cells[3].trimmed(), QLocale().toString(0.5, 'f', 4));
}

TEST_F(ChempFormTest, RandomBytesAndOverlongLengthsShowWithoutHarm) {
  std::mt19937 rng(7);
  QByteArray bytes(130, 0);
  for (char& b : bytes) b = static_cast<char>(rng());
  bytes[0] = static_cast<char>(200);  // a name length beyond its field
  WriteBytes(bytes);
  chemp.ChempMode = cmView;
  chemp.FormActivate();
  EXPECT_EQ(chemp.ChempTab.size(), 2u);
  EXPECT_EQ(Part<QTableWidget>(chemp, "StringGrid1")->rowCount(), 2);
  EXPECT_LE(Part<QTableWidget>(chemp, "StringGrid1")->item(0, 0)->text().size(), 25);
  // Shown in view mode, the table is written back sorted, whole records only.
  EXPECT_EQ(ReadBytes().size(), 120);
}

TEST_F(ChempFormTest, EmptyTableShowsOneEmptyRowAndRefusesOk) {
  chemp.ChempMode = cmStartUp;
  chemp.FormActivate();
  EXPECT_TRUE(QFile::exists(chemp.ChempFile));
  EXPECT_EQ(Part<QTableWidget>(chemp, "StringGrid1")->rowCount(), 1);
  chemp.Button1Click();
  EXPECT_EQ(shown, QStringList{"choose"});
  EXPECT_NE(chemp.result(), QDialog::Accepted);
}

TEST_F(ChempFormTest, NewPlayerIsStoredAndSelected) {
  TChempTab t = {Player("Аня", 0.9), Player("Боря", 0.5), Player("Вера", 0.1)};
  WriteTab(chemp.ChempFile.toStdString(), t);
  chemp.ChempMode = cmStartUp;
  chemp.FormActivate();
  TModalDriver driver;
  driver.NewName = QString(30, QChar(u'Ж'));
  chemp.BNewClick();
  ASSERT_EQ(chemp.ChempTab.size(), 4u);
  // The new player (0.5) lands after Боря, the other 0.5 player.
  EXPECT_EQ(QString::fromStdString(chemp.ChempTab[2].NameText()), QString(25, QChar(u'Ж')));
  EXPECT_EQ(chemp.SelectedRow(), 3);
  EXPECT_EQ(ReadBytes().size(), 240);
  EXPECT_TRUE(chemp.NameExists(QString(25, QChar(u'ж'))));
  EXPECT_FALSE(chemp.NameExists("Аняя"));
}

TEST_F(ChempFormTest, ResultOfADealReachesTheFileAndOthersCannotBeReset) {
  TChempTab t = {Player("Аня", 0.9), Player("Боря", 0.5)};
  WriteTab(chemp.ChempFile.toStdString(), t);
  chemp.CurChemp = Player("Боря", 0.75);
  chemp.CurChemp.Games = 4;
  chemp.CurChemp.Wins = 3;
  chemp.CurChemp.Losses = 1;
  chemp.ChempMode = cmAfterDeal;
  chemp.FormActivate();
  TChempTab back;
  ReadTab(chemp.ChempFile.toStdString(), &back);
  ASSERT_EQ(back.size(), 2u);
  EXPECT_EQ(back[1].Games, 4);
  EXPECT_DOUBLE_EQ(back[1].Rating, 0.75);
  EXPECT_EQ(chemp.SelectedRow(), 2);
  chemp.SelectRow(1);
  chemp.BResetClick();
  EXPECT_EQ(shown, QStringList{"Mojno tolko sebya"});
}

TEST_F(ChempFormTest, CurrentPlayerFarDownIsScrolledIntoView) {
  TChempTab t;
  for (int i = 0; i < 20; ++i)
    t.push_back(Player(QString("P%1").arg(i).toUtf8().constData(), 1.0 - i * 0.01));
  WriteTab(chemp.ChempFile.toStdString(), t);
  chemp.CurChemp = t[15];
  chemp.ChempMode = cmView;
  chemp.show();  // shown, so the grid knows how many rows fit
  chemp.FormActivate();
  // Row 7 of the table (index 6 in the grid) is the top data row.
  EXPECT_EQ(Part<QTableWidget>(chemp, "StringGrid1")->verticalScrollBar()->value(), 6);
  chemp.hide();
}

TEST_F(ChempFormTest, UnreadableFileIsNeverOverwritten) {
  QDir(dir.path()).mkdir("durak.r");  // a folder where the file should be
  chemp.CurChemp = Player("Аня", 0.5);
  chemp.ChempMode = cmAfterDeal;
  chemp.FormActivate();
  EXPECT_TRUE(QFileInfo(chemp.ChempFile).isDir());
}

}  // namespace
}  // namespace durak::testing

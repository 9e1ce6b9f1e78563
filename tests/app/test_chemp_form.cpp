// The champions table: reading damaged files, the grid, new players, the scroll position.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <filesystem>
#include <random>

#include "../files/LockHolder.h"
#include "ChampionsDialog.h"
#include "ChampionsGrid.h"
#include "ModalDriver.h"
#include "PasswordDialog.h"
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
  TPasswordDialog pass;
  TChampionsDialog chemp;
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
  chemp.PrepareOnShow();
  EXPECT_EQ(chemp.ChempTab.size(), 2u);
  EXPECT_EQ(Part<QTableWidget>(chemp, "StringGrid1")->rowCount(), 2);
  EXPECT_LE(Part<QTableWidget>(chemp, "StringGrid1")->item(0, 0)->text().size(), 25);
  // Shown in view mode, the table is written back sorted, whole records only.
  EXPECT_EQ(ReadBytes().size(), 120);
}

TEST_F(ChempFormTest, EmptyTableShowsOneEmptyRowAndRefusesOk) {
  chemp.ChempMode = cmStartUp;
  chemp.PrepareOnShow();
  EXPECT_TRUE(QFile::exists(chemp.ChempFile));
  EXPECT_EQ(Part<QTableWidget>(chemp, "StringGrid1")->rowCount(), 1);
  chemp.NextPressed();
  EXPECT_EQ(shown, QStringList{"choose"});
  EXPECT_NE(chemp.result(), QDialog::Accepted);
}

TEST_F(ChempFormTest, NewPlayerIsStoredAndSelected) {
  TChempTab t = {Player("Аня", 0.9), Player("Боря", 0.5), Player("Вера", 0.1)};
  WriteTab(chemp.ChempFile.toStdString(), t);
  chemp.ChempMode = cmStartUp;
  chemp.PrepareOnShow();
  TModalDriver driver;
  driver.NewName = QString(30, QChar(u'Ж'));
  chemp.NewPressed();
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
  chemp.PrepareOnShow();
  TChempTab back;
  ReadTab(chemp.ChempFile.toStdString(), &back);
  ASSERT_EQ(back.size(), 2u);
  EXPECT_EQ(back[1].Games, 4);
  EXPECT_DOUBLE_EQ(back[1].Rating, 0.75);
  EXPECT_EQ(chemp.SelectedRow(), 2);
  chemp.SelectRow(1);
  chemp.ResetPressed();
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
  chemp.PrepareOnShow();
  // Row 7 of the table (index 6 in the grid) is the top data row.
  EXPECT_EQ(Part<QTableWidget>(chemp, "StringGrid1")->verticalScrollBar()->value(), 6);
  chemp.hide();
}

TEST_F(ChempFormTest, UnreadableFileIsNeverOverwritten) {
  QDir(dir.path()).mkdir("durak.r");  // a folder where the file should be
  chemp.CurChemp = Player("Аня", 0.5);
  chemp.ChempMode = cmAfterDeal;
  chemp.PrepareOnShow();
  EXPECT_TRUE(QFileInfo(chemp.ChempFile).isDir());
}

// Another program (here another user, when the tests run as root) holds durak.r's lock for
// ever: the deal's result waits a bounded time, is shown, kept and reported busy, and lands
// in the file once the lock is free, by the retry or at the game's end.
TEST_F(ChempFormTest, ABusyTableKeepsTheResultAndWritesItLater) {
  std::filesystem::permissions(dir.path().toStdString(), std::filesystem::perms::others_exec,
                               std::filesystem::perm_options::add);
  TChempTab t = {Player("Аня", 0.9), Player("Боря", 0.5)};
  WriteTab(chemp.ChempFile.toStdString(), t);
  const QByteArray before = ReadBytes();
  chemp.BusyText = "busy";
  chemp.LockWaitMillis = 300;
  TLockHolder holder(chemp.ChempFile.toStdString());
  ASSERT_TRUE(holder.Locked());

  chemp.CurChemp = t[1];
  chemp.CurChemp.Games = 1;
  chemp.CurChemp.Wins = 1;
  chemp.CurChemp.Rating = 1.0;
  chemp.ChempMode = cmAfterDeal;
  QElapsedTimer took;
  took.start();
  chemp.PrepareOnShow();
  EXPECT_LT(took.elapsed(), 2000);
  ASSERT_EQ(shown, QStringList{"busy\n" + chemp.ChempFile});
  EXPECT_TRUE(chemp.HasPending());
  EXPECT_EQ(ReadBytes(), before);
  // Shown as it will be: Боря's win is in the table.
  EXPECT_EQ(QString::fromStdString(chemp.ChempTab[0].NameText()), "Боря");
  // Said once: the next showing while still busy keeps quiet.
  chemp.PrepareOnShow();
  EXPECT_EQ(shown.size(), 1);
  chemp.RetryPending();
  EXPECT_TRUE(chemp.HasPending());

  holder.Release();
  chemp.RetryPending();
  EXPECT_FALSE(chemp.HasPending());
  TChempTab back;
  ASSERT_EQ(ReadTab(chemp.ChempFile.toStdString(), &back), TReadResult::Read);
  ASSERT_EQ(back.size(), 2u);
  EXPECT_EQ(QString::fromStdString(back[0].NameText()), "Боря");
  EXPECT_EQ(back[0].Games, 1);
  EXPECT_EQ(back[0].Wins, 1);
}

TEST_F(ChempFormTest, ABusyTableIsWrittenAtTheGamesEndAllTheSame) {
  std::filesystem::permissions(dir.path().toStdString(), std::filesystem::perms::others_exec,
                               std::filesystem::perm_options::add);
  TChempTab t = {Player("Аня", 0.5)};
  WriteTab(chemp.ChempFile.toStdString(), t);
  chemp.LockWaitMillis = 200;
  TLockHolder holder(chemp.ChempFile.toStdString());
  ASSERT_TRUE(holder.Locked());
  chemp.CurChemp = t[0];
  chemp.CurChemp.Games = 1;
  chemp.CurChemp.Losses = 1;
  chemp.CurChemp.Rating = 0.0;
  chemp.ChempMode = cmAfterDeal;
  chemp.PrepareOnShow();
  ASSERT_TRUE(chemp.HasPending());
  chemp.SavePendingAtExit();
  EXPECT_FALSE(chemp.HasPending());
  TChempTab back;
  ASSERT_EQ(ReadTab(chemp.ChempFile.toStdString(), &back), TReadResult::Read);
  EXPECT_EQ(back[0].Losses, 1);
}

// More players than a table holds: the file is left as it is, and the message says why.
TEST_F(ChempFormTest, ATableOverTheCapIsLeftAloneAndCalledTooLarge) {
  WriteBytes(QByteArray(static_cast<int>((kMaxChampions + 1) * TChempRec::kSize), '\x01'));
  const QByteArray before = ReadBytes();
  chemp.TooBigText = "too large";
  chemp.CannotSaveText = "cannot write";
  chemp.CurChemp = Player("Аня", 0.5);
  chemp.ChempMode = cmAfterDeal;
  chemp.PrepareOnShow();
  EXPECT_EQ(shown, QStringList{"too large\n" + chemp.ChempFile});
  EXPECT_EQ(ReadBytes(), before);
  // At the start, choosing a player: said once there too, and the file still untouched.
  TChampionsDialog fresh(&pass);
  fresh.ChempFile = chemp.ChempFile;
  fresh.TooBigText = "too large";
  fresh.ShowMessage = [this](const QString& text) { shown << text; };
  fresh.ChempMode = cmStartUp;
  fresh.PrepareOnShow();
  fresh.PrepareOnShow();
  EXPECT_EQ(shown.size(), 2);
  EXPECT_EQ(shown.last(), "too large\n" + chemp.ChempFile);
  EXPECT_EQ(ReadBytes(), before);
}

// A table at the cap opens at once: the grid makes the cells of the rows in view, not of
// every row, and the rows scrolled to get theirs.
TEST_F(ChempFormTest, ATableAtTheCapShowsWithoutMakingEveryRow) {
  TChempTab t;
  for (size_t i = 0; i < kMaxChampions; ++i)
    t.push_back(Player(QString("P%1").arg(i).toUtf8().constData(), 0.5 + (i % 97) * 0.001));
  WriteTab(chemp.ChempFile.toStdString(), t);
  chemp.CurChemp = t[96];  // among the highest ratings, near the top
  chemp.ChempMode = cmView;
  chemp.show();
  QElapsedTimer opened;
  opened.start();
  chemp.PrepareOnShow();
  QCoreApplication::processEvents();
  const qint64 millis = opened.elapsed();
  auto* grid = Part<QTableWidget>(chemp, "StringGrid1");
  EXPECT_EQ(grid->rowCount(), static_cast<int>(kMaxChampions));
  ASSERT_NE(grid->item(0, 0), nullptr);
  EXPECT_EQ(grid->item(static_cast<int>(kMaxChampions) - 1, 0), nullptr);
  EXPECT_LT(millis, 3000);  // a generous bound for a loaded machine; about 0.1 s alone
  grid->scrollToBottom();
  QCoreApplication::processEvents();
  ASSERT_NE(grid->item(static_cast<int>(kMaxChampions) - 1, 0), nullptr);
  EXPECT_FALSE(grid->item(static_cast<int>(kMaxChampions) - 1, 0)->text().isEmpty());
  chemp.hide();
}

// An installed program's durak.r that is a pipe: the start does not wait for it, and no
// copy is made of it.
TEST(ChampionsFilePath, APipeBesideTheProgramIsNotCopied) {
  QTemporaryDir program, data;
  const QString beside = QDir(program.path()).filePath("durak.r");
  ASSERT_EQ(::mkfifo(QFile::encodeName(beside).constData(), 0644), 0);
  QElapsedTimer took;
  took.start();
  const QString path = ChampionsFilePathFor(program.path(), false, data.path());
  EXPECT_LT(took.elapsed(), 2000);
  EXPECT_EQ(path, QDir(data.path()).filePath("durak.r"));
  EXPECT_FALSE(QFileInfo::exists(path));

  // A regular file is taken over byte for byte.
  ASSERT_TRUE(QFile::remove(beside));
  QFile f(beside);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(QByteArray(120, '\x07'));
  f.close();
  QFile copy(ChampionsFilePathFor(program.path(), false, data.path()));
  ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
  EXPECT_EQ(copy.readAll(), QByteArray(120, '\x07'));
}

}  // namespace
}  // namespace durak::testing

// The window at a table of three and four: the plan keeps every hand, line, pair and the
// stock clear of each other from the smallest table up; whole deals played by clicks end
// with a fool or a draw; the hint and the readings name the seats; and pictures of the
// table mid-deal are left under the build folder (pictures/) for a person to look at.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>
#include <algorithm>

#include "Announcer.h"
#include "CardWidget.h"
#include "HandFocus.h"
#include "HistoryFile.h"
#include "LedDisplay.h"
#include "MainWindow.h"
#include "ModalDriver.h"
#include "PaintedPanel.h"
#include "RaisedButton.h"
#include "TableDealRecord.h"
#include "TableSeatPlan.h"
#include "TableWindow.h"
#include "WindowFixture.h"

namespace durak::testing {
namespace {

using durak::table::TTableGame;

// Every rectangle the plan gives, named for the message.
std::vector<std::pair<std::string, QRect>> PlanRects(const TTablePlan& p, int seats) {
  const int cw = p.CardWidth, ch = p.CardHeight;
  std::vector<std::pair<std::string, QRect>> r;
  for (int s = 0; s < seats; ++s) {
    r.push_back({"hand " + std::to_string(s), p.Seats[s].Area});
    r.push_back({"line " + std::to_string(s), p.Seats[s].Label});
  }
  QRect pairs(p.AttackAt[0], QSize(cw, ch));
  pairs = pairs.united(QRect(p.CoverAt[5], QSize(cw, ch)));
  r.push_back({"pairs", pairs});
  r.push_back(
      {"stock", QRect(p.StockAt - QPoint(0, kStockLean), QSize(cw + kStockLean, ch + kStockLean))
                    .united(QRect(p.TrumpAt, QSize(ch, cw)))});
  return r;
}

TEST(TableSeatPlanTest, NothingOverlapsFromTheSmallestTableUp) {
  struct Case {
    int w, h, cw, ch;
  } cases[] = {{568, 385, 71, 105},
               {568, 380, 71, 96},
               {568, 380, 59, 80},
               {1218, 937, 142, 192},
               {1858, 980, 170, 230}};
  for (int seats : {3, 4}) {
    for (const Case& c : cases) {
      const TTablePlan p = PlanTable(seats, c.w, c.h, c.cw, c.ch, SeatLineHeight(c.ch));
      const auto rects = PlanRects(p, seats);
      const QRect table(0, 0, c.w, c.h);
      for (size_t i = 0; i < rects.size(); ++i) {
        EXPECT_TRUE(table.contains(rects[i].second)) << seats << " seats at " << c.w << "x" << c.h
                                                     << ": " << rects[i].first << " off the table";
        for (size_t j = i + 1; j < rects.size(); ++j)
          EXPECT_FALSE(rects[i].second.intersects(rects[j].second))
              << seats << " seats at " << c.w << "x" << c.h << ": " << rects[i].first << " and "
              << rects[j].first;
      }
      // A hand of many cards still keeps to its area.
      for (int s = 0; s < seats; ++s) {
        const auto at = SpreadHand(p.Seats[s], 20, c.cw, c.ch, c.cw);
        const QRect span =
            QRect(at.front(), QSize(c.cw, c.ch)).united(QRect(at.back(), QSize(c.cw, c.ch)));
        EXPECT_TRUE(p.Seats[s].Area.contains(span)) << "seat " << s;
      }
    }
  }
}

class TableWindowTest : public TWindowTest {
 protected:
  TMainWindow& StartTable(int players) {
    WriteText("durak.ini",
              QByteArray("[Settings]\nASpeed=100\nPlayers=") + QByteArray::number(players) + "\n");
    TMainWindow& form = StartWindow();
    form.ChoosePair = [](const std::vector<TPairMenuItem>& items) { return items.front().Tag; };
    // The same deals on every run.
    form.TableWindow()->DealNumbers = [n = 1000u + static_cast<uint32_t>(players)]() mutable {
      return n++;
    };
    return form;
  }
  static const durak::table::TTableState& State(TMainWindow& form) {
    return form.TableWindow()->Game()->State();
  }
  // One move of a person who plays the first card that is taken, else presses the button
  // shown. False when nothing could be done.
  static bool PlayOneStep(TMainWindow& form) {
    // On a loaded machine the window may still be finishing the computers' moves.
    for (int waited = 0;
         waited < 100 && !form.TableWindow()->Game()->PersonToMove() && !State(form).Over();
         ++waited)
      QTest::qWait(50);
    const auto& s = State(form);
    const int handBefore = s.HandCount(0);
    for (TCardWidget* card : form.TableWindow()->HandCards()) {
      QTest::mouseClick(card, Qt::LeftButton);
      if (State(form).HandCount(0) != handBefore || State(form).Over()) return true;
    }
    for (TRaisedButton* b :
         {form.Parts().DefendButton, form.Parts().DiscardButton, form.Parts().PassButton,
          form.Parts().ComputerTakesButton, form.Parts().TakeButton}) {
      if (b->isVisible()) {
        QTest::mouseClick(b, Qt::LeftButton);
        return true;
      }
    }
    return false;
  }
  static void PlaySomeMoves(TMainWindow& form, int moves) {
    for (int m = 0; m < moves && !State(form).Over(); ++m)
      if (!PlayOneStep(form)) break;
  }
  // The seat lines shown lie on the table and clear of each other.
  static void ExpectLinesClear(TMainWindow& form, const QString& where) {
    std::vector<QLabel*> lines;
    for (QLabel* l :
         form.Parts().TablePanel->findChildren<QLabel*>(QRegularExpression("^SeatLine")))
      if (l->isVisible()) lines.push_back(l);
    EXPECT_EQ(static_cast<int>(lines.size()), form.TableWindow()->Seats()) << where.toStdString();
    for (size_t i = 0; i < lines.size(); ++i) {
      EXPECT_TRUE(form.Parts().TablePanel->rect().contains(lines[i]->geometry()))
          << where.toStdString();
      for (size_t j = i + 1; j < lines.size(); ++j)
        EXPECT_FALSE(lines[i]->geometry().intersects(lines[j]->geometry()))
            << where.toStdString() << ": " << lines[i]->text().toStdString() << " / "
            << lines[j]->text().toStdString();
    }
  }
};

TEST_F(TableWindowTest, WholeDealsAtThreeAndFourEndWithAFoolOrADraw) {
  for (int players : {3, 4}) {
    TMainWindow& form = StartTable(players);
    ASSERT_TRUE(form.TablePlaying());
    ASSERT_EQ(form.TableWindow()->Seats(), players);
    ASSERT_TRUE(form.Parts().DealButton->isVisible());
    QTest::mouseClick(form.Parts().DealButton, Qt::LeftButton);
    ASSERT_FALSE(State(form).Over());
    // Every card lies where the state puts it: the person's face up, the others' face down.
    for (int tag = 1; tag <= 36; ++tag) {
      const bool mine = form.TableWindow()->PersonHolds(tag);
      const bool inAHand = [&] {
        for (int s = 0; s < players; ++s) {
          if (State(form).Hand[s] & durak::table::Bit(tag)) return true;
        }
        return false;
      }();
      if (inAHand) {
        EXPECT_EQ(form.Parts().Cards[tag - 1]->CardState(), mine ? 1 : 0) << tag;
      }
    }
    // The hint marks a card or names a button.
    form.Menus().HintClick();
    EXPECT_TRUE(form.Keys().HandFocus()->Card() != nullptr ||
                form.Parts().SpeechLabel->text().contains(":"));
    // F6 names the computer seats with their card counts.
    const QString reading = form.TableWindow()->StateReading();
    EXPECT_TRUE(reading.contains(form.Texts()[kFirstSeatNameText])) << reading.toStdString();
    int steps = 0;
    while (!State(form).Over() && steps < 400) {
      ASSERT_TRUE(PlayOneStep(form))
          << "no move at step " << steps << " with " << players << ": phase "
          << int(State(form).Phase) << ", seat to move " << int(State(form).ToMove) << ", deal "
          << form.TableWindow()->DealNumber().value_or(0);
      ++steps;
    }
    ASSERT_TRUE(State(form).Over());
    EXPECT_TRUE(form.Parts().DealButton->isVisible());
    EXPECT_FALSE(form.Parts().SpeechLabel->text().isEmpty());
    EXPECT_EQ(form.Parts().ComputerScoreLed->Number() + form.Parts().PlayerScoreLed->Number(), 1);
    // Cards went down with their sound, and the deal ended with the person's win or loss.
    const std::vector<int>& sounds = form.Game().SoundLog;
    EXPECT_NE(std::find(sounds.begin(), sounds.end(), snPutDown), sounds.end());
    ASSERT_FALSE(sounds.empty());
    EXPECT_EQ(sounds.back(), State(form).Fool == TTableGame::kPerson ? snCompWon : snPlayerWon);
    EXPECT_TRUE(Driver->Messages.isEmpty()) << Driver->Messages.join("; ").toStdString();
    // The deal went into the history with its table size, and plays again to the same end.
    const auto history = ReadHistory(
        QFile::encodeName(form.KeptFilePath(QStringLiteral("durak-history.jsonl"))).toStdString());
    ASSERT_FALSE(history.empty());
    EXPECT_EQ(history.back().Players, players);
    EXPECT_EQ(history.back().Deal, *form.TableWindow()->DealNumber());
    EXPECT_TRUE(form.windowTitle().contains(QString::number(history.back().Deal)));
    durak::table::TTableState replayed;
    std::string why;
    ASSERT_TRUE(ReplayTableDeal(history.back(), replayed, &why)) << why;
    EXPECT_EQ(replayed.Fool, State(form).Fool);
    CloseWindow();
  }
}

TEST_F(TableWindowTest, TheTwoPlayerGameReturnsWithANewGame) {
  TMainWindow& form = StartTable(3);
  QTest::mouseClick(form.Parts().DealButton, Qt::LeftButton);
  PlaySomeMoves(form, 2);
  form.Settings().Players = 2;
  form.StartNewGame();
  EXPECT_FALSE(form.TablePlaying());
  EXPECT_FALSE(form.Parts().PassButton->isVisible());
  QTest::mouseClick(form.Parts().DealButton, Qt::LeftButton);
  EXPECT_EQ(form.Game().PlayerHand.size() + form.Game().CompHand.size(),
            12u - form.Game().TableCards.size());
  // Only the trump card lies sideways, as in the two-player game.
  int sideways = 0;
  for (TCardWidget* c : form.Parts().Cards) sideways += c->Turned() ? 1 : 0;
  EXPECT_EQ(sideways, 1);
}

class TableOfThreeAndFourPicturesTest : public TableWindowTest {};

TEST_F(TableOfThreeAndFourPicturesTest, MidDealAtTheSmallestAndMaximised) {
  for (int players : {3, 4}) {
    TMainWindow& form = StartTable(players);
    const QString suffix = form.devicePixelRatioF() > 1.5 ? QStringLiteral("-dpr2") : QString();
    const QString out = QStringLiteral(DURAK_PICTURE_DIR);
    QDir().mkpath(out);
    form.resize(630, 450);
    QApplication::processEvents();
    QTest::mouseClick(form.Parts().DealButton, Qt::LeftButton);
    PlaySomeMoves(form, 3);
    ExpectLinesClear(form, QStringLiteral("630x450"));
    form.grab().save(out + QStringLiteral("/table%1-630x450%2.png").arg(players).arg(suffix));
    form.showMaximized();
    for (int i = 0; i < 20; ++i) QTest::qWait(10);
    ExpectLinesClear(form, QStringLiteral("maximised"));
    form.grab().save(out + QStringLiteral("/table%1-maximised%2.png").arg(players).arg(suffix));
    CloseWindow();
  }
}

}  // namespace
}  // namespace durak::testing

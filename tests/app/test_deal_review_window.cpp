// The deal review window over a history of recorded deals: it opens the last deal, judges
// it off the window's thread, steps with the keys, and marks mistakes.
#include <QDir>
#include <QLabel>
#include <QScreen>
#include <QTest>

#include "DealRecorder.h"
#include "DealReviewWindow.h"
#include "TableDealRecord.h"
#include "TextIds.h"
#include "WindowFixture.h"

namespace durak::testing {
namespace {

class TDealReviewWindowTest : public TWindowTest {};

TEST_F(TDealReviewWindowTest, OpensTheLastDealJudgesItAndStepsWithTheKeys) {
  QByteArray history;
  for (uint32_t seed : {12u, 11u})
    history += QByteArray::fromStdString(
        DealRecordLine(RecordDeal(seed, arHotCards | arSound, "described", StrongPolicy(100))) +
        "\n");
  WriteText("durak-history.jsonl", history);
  TMainWindow& form = StartWindow();
  form.Menus().OpenDealReview();
  auto* review = form.findChild<TDealReviewWindow*>();
  ASSERT_NE(review, nullptr);
  ASSERT_GT(review->StepCount(), 5);
  for (int i = 0; i < 600 && !review->Judged(); ++i) QTest::qWait(50);
  EXPECT_TRUE(review->Judged());

  QTest::keyClick(review, Qt::Key_End);
  EXPECT_EQ(review->CurrentStep(), review->StepCount() - 1);
  QTest::keyClick(review, Qt::Key_Left);
  EXPECT_EQ(review->CurrentStep(), review->StepCount() - 2);
  QTest::keyClick(review, Qt::Key_Home);
  EXPECT_EQ(review->CurrentStep(), 0);
  QTest::keyClick(review, Qt::Key_Right);
  EXPECT_EQ(review->CurrentStep(), 1);

  // Pictures for a person to look at, in both languages, small and maximised.
  const QString pictures = qEnvironmentVariable("DURAK_REVIEW_PICTURES");
  if (pictures.isEmpty()) return;
  QDir().mkpath(pictures);
  for (const char* language : {"L1", "L2"}) {
    form.Menus().TriggerMenuItem(QString::fromLatin1(language));
    review->ShowStep(6);
    review->showNormal();
    review->resize(630, 450);
    QTest::qWait(200);
    review->grab().save(pictures + QStringLiteral("/review-%1-630x450.png").arg(language));
    review->showMaximized();
    QTest::qWait(200);
    review->grab().save(pictures + QStringLiteral("/review-%1-maximised.png").arg(language));
  }
}

TEST_F(TDealReviewWindowTest, ADealAtATableOfThreeIsNamedAsNotReviewed) {
  table::TTableGame game(3, "ordinary", 4);
  game.NewGame();
  game.Deal(table::TTableRules{}, 77);
  while (!game.State().Over()) {
    if (game.PersonToMove()) {
      table::TTableMoves moves;
      game.PersonMoves(moves);
      ASSERT_TRUE(game.PersonPlays(moves.Items[0], nullptr));
    } else {
      ASSERT_TRUE(game.ComputerPlays(nullptr));
    }
  }
  TDealRecord record = TableDealRecord(game, 77, 0);
  record.Time = "2026-12-09T05:00:00Z";
  record.Opponent = "described";
  WriteText("durak-history.jsonl", QByteArray::fromStdString(DealRecordLine(record) + "\n"));
  TMainWindow& form = StartWindow();
  form.Menus().OpenDealReview();
  auto* review = form.findChild<TDealReviewWindow*>();
  ASSERT_NE(review, nullptr);
  EXPECT_EQ(review->StepCount(), 0);
  const QString expected = form.Texts()[kReviewTableDealText].arg(3);
  ASSERT_FALSE(expected.isEmpty());
  bool named = false;
  for (const QLabel* label : review->findChildren<QLabel*>())
    if (label->text() == expected) named = true;
  EXPECT_TRUE(named) << expected.toStdString();
}

}  // namespace
}  // namespace durak::testing

// The deal kept beyond the window: cut off and resumed at the next start, a damaged resume
// file set aside with one message, deals by number matching the harness, the history a
// finished deal leaves, and the statistics window drawn from it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <algorithm>

#include "ApplyEvent.h"
#include "CardWidget.h"
#include "DealKeeper.h"
#include "HistoryFile.h"
#include "MainWindow.h"
#include "ModalDriver.h"
#include "RaisedButton.h"
#include "StateJson.h"
#include "StatisticsDialog.h"
#include "TextIds.h"
#include "WindowFixture.h"

namespace durak::testing {
namespace {

class DealKeepingTest : public TWindowTest {
 protected:
  std::string PathOf(const char* name) {
    return QFile::encodeName(dir.filePath(name)).toStdString();
  }
};

// The window's game as the harness writes a state.
nlohmann::ordered_json StateOf(TMainWindow& form) {
  THeadlessCards marks;
  for (const TCardWidget* c : form.Parts().Cards)
    marks.Cards[c->Tag() - 1]->SetHotMouse(c->HotMouse());
  return SaveState(form.Game(), marks);
}

std::vector<int> Tags(TCardList list) {
  std::vector<int> tags;
  for (const TCardInfo& k : list) tags.push_back(k.Tag);
  std::sort(tags.begin(), tags.end());
  return tags;
}

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

int FirstPair(const std::vector<TPairMenuItem>& items) {
  return items.front().Tag;
}

TEST_F(DealKeepingTest, ADealCutOffGoesOnAtTheNextStartAndEndsInTheHistory) {
  nlohmann::ordered_json cutOff;
  uint32_t number = 0;
  {
    TModalDriver driver;
    TMainWindow form;
    form.ChoosePair = FirstPair;
    form.Game().GlideSpeed = 100;
    Start(form);
    QTest::mouseClick(form.Parts().DealButton, Qt::LeftButton);
    for (int i = 0; i < 5 && form.Game().DealResult == drGoesOn; ++i)
      ASSERT_TRUE(PlayOneStep(form));
    ASSERT_EQ(form.Game().DealResult, drGoesOn);
    TResumePoint point;
    ASSERT_EQ(ReadResumeFile(PathOf("durak-resume.json"), &point), TResumeLoad::Loaded);
    cutOff = StateOf(form);
    EXPECT_EQ(point.State, cutOff);
    number = point.Deal.Deal;
    EXPECT_TRUE(form.windowTitle().contains(QString::number(number)))
        << form.windowTitle().toStdString();
  }  // gone without a word, as a crash leaves it
  TModalDriver driver;
  TMainWindow form;
  form.ChoosePair = FirstPair;
  form.Game().GlideSpeed = 100;
  int asked = 0;
  form.AskYesNo = [&](const QString& question) {
    ++asked;
    EXPECT_EQ(question, form.Texts()[kResumeQuestionText]);
    return true;
  };
  Start(form);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(StateOf(form), cutOff);
  EXPECT_TRUE(form.windowTitle().contains(QString::number(number)));
  // The table as it was: the player's cards face up where the hand lies, the computer's
  // face down.
  for (const TCardInfo& k : form.Game().PlayerHand) {
    const TCardWidget* c = form.Parts().Cards[k.Tag - 1];
    EXPECT_EQ(c->CardState(), 1);
    EXPECT_TRUE(c->Clickable());
    EXPECT_GE(c->x(), 0);
  }
  for (const TCardInfo& k : form.Game().CompHand)
    EXPECT_EQ(form.Parts().Cards[k.Tag - 1]->CardState(), 0);

  int steps = 0;
  while (form.Game().DealResult == drGoesOn && steps++ < 500) ASSERT_TRUE(PlayOneStep(form));
  ASSERT_NE(form.Game().DealResult, drGoesOn);
  EXPECT_FALSE(QFile::exists(dir.filePath("durak-resume.json")));
  // The history's line replays the whole deal, both halves, to the same end.
  const std::vector<TDealRecord> history = ReadHistory(PathOf("durak-history.jsonl"));
  ASSERT_EQ(history.size(), 1u);
  const TDealRecord& r = history.front();
  EXPECT_EQ(r.Player, "Tester");
  EXPECT_EQ(r.Deal, number);
  THeadlessGame replay;
  LoadState(r.Start, replay.Game, replay.Cards);
  for (const nlohmann::json& e : r.Events) ApplyEvent(e, replay);
  EXPECT_EQ(replay.Game.DealResult, form.Game().DealResult);
  EXPECT_EQ(Tags(replay.Game.PlayerHand), Tags(form.Game().PlayerHand));
  EXPECT_EQ(Tags(replay.Game.CompHand), Tags(form.Game().CompHand));
  EXPECT_EQ(r.Result, ResultWord(form.Game().DealResult));
}

TEST_F(DealKeepingTest, ADamagedResumeFileIsToldOnceAndSetAside) {
  WriteText("durak-resume.json", "{\"version\":1,\"kind\":\"durak-resume\",\"state\":{\"trump\":");
  TMainWindow& form = StartWindow(100);
  int told = 0;
  for (const QString& m : Driver->Messages) told += m.contains(form.Texts()[kResumeDamagedText]);
  EXPECT_EQ(told, 1);
  EXPECT_TRUE(QFile::exists(dir.filePath("durak-resume.json.bad")));
  EXPECT_FALSE(QFile::exists(dir.filePath("durak-resume.json")));
  // A new deal waits.
  EXPECT_TRUE(form.Parts().DealButton->isVisible());
  EXPECT_TRUE(form.Game().PlayerHand.empty());
}

TEST_F(DealKeepingTest, ADealByNumberDealsTheCardsTheHarnessDealsForIt) {
  TMainWindow& form = StartWindow(100);
  QString typed = QStringLiteral("3000000000");
  form.AskDealNumber = [&typed] { return std::optional<QString>(typed); };
  const nlohmann::ordered_json before = StateOf(form);
  form.DealByNumberClick();
  EXPECT_TRUE(form.windowTitle().contains(QStringLiteral("3000000000")));
  THeadlessGame harness;
  LoadState(before, harness.Game, harness.Cards);
  ApplyEvent({{"type", "deal"}, {"seed", 3000000000u}}, harness);
  const std::vector<int> hand = Tags(form.Game().PlayerHand);
  EXPECT_EQ(hand, Tags(harness.Game.PlayerHand));
  EXPECT_EQ(Tags(form.Game().CompHand), Tags(harness.Game.CompHand));
  EXPECT_EQ(form.Game().Deck.front().Tag, harness.Game.Deck.front().Tag);

  // Mid-deal, the same number again (the leader decided afresh as at the first): the same
  // cards.
  form.DealByNumberClick();
  EXPECT_EQ(Tags(form.Game().PlayerHand), hand);
  // Another number, other cards; text that is no number: a message and no deal.
  typed = QStringLiteral("3000000001");
  form.DealByNumberClick();
  EXPECT_NE(Tags(form.Game().PlayerHand), hand);
  form.NewGameClick();
  for (const char* bad : {"-5", "4294967296", "twelve"}) {
    typed = QString::fromLatin1(bad);
    const int messages = static_cast<int>(Driver->Messages.size());
    form.DealByNumberClick();
    ASSERT_EQ(static_cast<int>(Driver->Messages.size()), messages + 1) << bad;
    EXPECT_EQ(Driver->Messages.back(), form.Texts()[kDealNumberInvalidText]);
    EXPECT_TRUE(form.Game().PlayerHand.empty());
  }
}

// Pictures of the statistics window for a person to look at: both languages, at the
// window's least size and maximised.
TEST_F(DealKeepingTest, StatisticsWindowPictures) {
  TMainWindow& form = StartWindow(100);
  const std::string path = PathOf("durak-history.jsonl");
  const char* results[] = {"win", "loss", "win", "draw", "win", "win", "loss"};
  for (int i = 0; i < 67; ++i) {
    TDealRecord r;
    r.Player = i % 9 == 8 ? "Other" : "Tester";
    r.Time = "2026-12-09T05:00:00Z";
    r.Players = i < 60 ? 2 : 3;
    r.Options = (i / 20 % 2 ? arTransfer : 0) | (i % 3 == 0 ? arMultiLead : 0);
    r.Opponent = i < 30 ? "described" : i < 50 ? "strong" : "easy";
    r.Deal = static_cast<uint32_t>(1000 + i);
    r.Result = results[(i * 5 + i / 10) % 7];
    r.Start = nlohmann::json::object();
    r.Events = {nlohmann::json{{"type", "deal"}, {"seed", r.Deal}}};
    ASSERT_TRUE(AppendToHistory(path, DealRecordLine(r)));
  }
  const QString out = QStringLiteral(DURAK_PICTURE_DIR);
  QDir().mkpath(out);
  for (int language : {1, 2}) {
    form.ApplyLanguage(language);
    TStatisticsDialog dialog(&form);
    dialog.Show(ReadHistory(path), "Tester", form.Texts());
    EXPECT_EQ(dialog.windowTitle(), form.Texts()[kStatisticsMenuText]);
    // All, four rules, three opponents, two table sizes.
    EXPECT_EQ(dialog.Tallies->rowCount(), 1 + 4 + 3 + 2);
    EXPECT_EQ(dialog.Tallies->item(0, 1)->text().toInt(), 67 - 67 / 9);
    const QString tag = language == 1 ? QStringLiteral("ru") : QStringLiteral("en");
    dialog.resize(630, 450);
    dialog.show();
    QTest::qWait(50);
    dialog.grab().save(out + QStringLiteral("/statistics-630x450-%1.png").arg(tag));
    // Every row shows whole in the smallest window: no scrolling.
    const int lastRow = dialog.Tallies->rowCount() - 1;
    const QRect last = dialog.Tallies->visualItemRect(dialog.Tallies->item(lastRow, 0));
    EXPECT_LE(last.bottom(), dialog.Tallies->viewport()->height()) << tag.toStdString();
    EXPECT_FALSE(dialog.Tallies->verticalScrollBar()->isVisible()) << tag.toStdString();
    dialog.showMaximized();
    QTest::qWait(50);
    dialog.grab().save(out + QStringLiteral("/statistics-maximised-%1.png").arg(tag));
    dialog.close();
  }
}

}  // namespace
}  // namespace durak::testing

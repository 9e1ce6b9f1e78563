// The history file: lines added under the lock by two processes at once, the bound, lines
// of other versions kept but not read; the resume file refused when damaged; the statistics
// drawn from the history.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <map>

#include "DealKeeper.h"
#include "DealNumber.h"
#include "DealStatistics.h"
#include "Game.h"
#include "Headless.h"
#include "HistoryFile.h"
#include "ResumeFile.h"
#include "StateJson.h"
#include "TempDir.h"

namespace durak::testing {
namespace {

class HistoryFileTest : public TempDirTest {};

TDealRecord Deal(const std::string& player, const std::string& result, int32_t options = 0,
                 const std::string& opponent = "described", int players = 2) {
  TDealRecord r;
  r.Player = player;
  r.Time = "2026-12-09T05:00:00Z";
  r.Players = players;
  r.Options = options;
  r.Opponent = opponent;
  r.Deal = 7;
  r.Result = result;
  r.Start = nlohmann::json::object();
  r.Events = {{{"type", "deal"}, {"seed", 7}}};
  return r;
}

TEST_F(HistoryFileTest, TwoProcessesFinishingDealsAtOnceLoseNone) {
  const int kDeals = 40;
  pid_t pids[2];
  const char* names[2] = {"First", "Second"};
  for (int i = 0; i < 2; ++i) {
    pids[i] = ::fork();
    if (pids[i] == 0) {
      const std::string seed = std::to_string(100 + i), count = std::to_string(kDeals);
      ::execl(DURAK_KEEPING_DRIVER, DURAK_KEEPING_DRIVER, "finish", dir_.c_str(), seed.c_str(),
              count.c_str(), names[i], static_cast<char*>(nullptr));
      ::_exit(127);
    }
  }
  for (pid_t pid : pids) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  std::map<std::string, int> byPlayer;
  for (const TDealRecord& r : ReadHistory(PathOf("durak-history.jsonl"))) {
    ++byPlayer[r.Player];
    // Every line replays: it starts with the deal and its seed.
    ASSERT_FALSE(r.Events.empty());
    EXPECT_EQ(r.Events.front()["type"], "deal");
    EXPECT_EQ(r.Events.front()["seed"], r.Deal);
  }
  EXPECT_EQ(byPlayer["First"], kDeals);
  EXPECT_EQ(byPlayer["Second"], kDeals);
}

TEST_F(HistoryFileTest, TheBoundDropsTheOldestAndKeepsLinesItCannotRead) {
  const std::string path = PathOf("durak-history.jsonl");
  const std::string newer = R"({"version":2,"player":"A","note":"a line of a later game version"})";
  WriteFile("durak-history.jsonl", "not json at all\n" + newer + "\n");
  for (const char* name : {"a", "b", "c"})
    ASSERT_TRUE(AppendToHistory(path, DealRecordLine(Deal(name, "win")), 4));
  // Four lines at most: the damaged first line went, the later version's line stays as it
  // was, the newest deal is there.
  std::string text = ReadFile("durak-history.jsonl");
  EXPECT_EQ(text.find("not json"), std::string::npos);
  EXPECT_NE(text.find(newer + "\n"), std::string::npos);
  std::vector<TDealRecord> kept = ReadHistory(path);
  ASSERT_EQ(kept.size(), 3u);
  EXPECT_EQ(kept.back().Player, "c");

  ASSERT_TRUE(AppendToHistory(path, DealRecordLine(Deal("d", "loss")), 2));
  kept = ReadHistory(path);
  ASSERT_EQ(kept.size(), 2u);
  EXPECT_EQ(kept[0].Player, "c");
  EXPECT_EQ(kept[1].Player, "d");
  // A bound of nothing still keeps the newest deal.
  ASSERT_TRUE(AppendToHistory(path, DealRecordLine(Deal("e", "draw")), 0));
  kept = ReadHistory(path);
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(kept[0].Player, "e");
}

TEST_F(HistoryFileTest, ADamagedForeignOrNewerResumeFileIsSetAsideNotLoaded) {
  const std::string path = PathOf("durak-resume.json");
  // A good one first, as the keeper writes it, so that each bad one differs in one way.
  THeadlessCards cards;
  THeadlessTable table;
  TFixedClock clock(4242);
  TGame game(cards.Pointers(), table, clock);
  TDealKeeper keeper(path, PathOf("durak-history.jsonl"));
  keeper.StartDeal(SaveState(game, cards), 4242, "A", "described", game.Options);
  game.DealPressed();
  ASSERT_TRUE(keeper.AfterEvent({{"type", "deal"}, {"seed", 4242}}, SaveState(game, cards),
                                game.DealResult));
  const std::string good = ReadFile("durak-resume.json");
  TResumePoint point;
  ASSERT_EQ(ReadResumeFile(path, &point), TResumeLoad::Loaded);
  EXPECT_EQ(point.State, SaveState(game, cards));
  EXPECT_EQ(point.Deal.Deal, 4242u);

  auto replace = [&](const std::string& from, const std::string& to) {
    std::string s = good;
    s.replace(s.find(from), from.size(), to);
    return s;
  };
  const std::string bad[] = {
      good.substr(0, good.size() / 2),                             // cut off
      replace("\"version\":1", "\"version\":2"),                   // newer
      replace("\"kind\":\"durak-resume\"", "\"kind\":\"other\""),  // another program's
      replace("\"playerHand\":[", "\"playerHand\":[" +
                                      std::to_string(point.State["compHand"][0].get<int>()) +
                                      ","),  // a card twice
      "{\"version\":1}",
  };
  for (const std::string& bytes : bad) {
    WriteFile("durak-resume.json", bytes);
    EXPECT_EQ(ReadResumeFile(path, &point), TResumeLoad::Refused) << bytes.substr(0, 80);
    EXPECT_EQ(ReadFile("durak-resume.json.bad"), bytes);
    // Set aside: the next start finds nothing to resume.
    EXPECT_EQ(ReadResumeFile(path, &point), TResumeLoad::None);
  }
}

TEST_F(HistoryFileTest, StatisticsCountByRulesOpponentAndTableAndFollowTheStreaks) {
  std::vector<TDealRecord> history;
  // 25 deals of A: win, win, loss, then 22 alternating with a run of 4 wins at the end.
  for (const char* r : {"win", "win", "loss"}) history.push_back(Deal("A", r));
  for (int i = 0; i < 18; ++i)
    history.push_back(Deal("A", i % 2 ? "win" : "draw", arTransfer | arMultiLead, "strong"));
  history.push_back(Deal("B", "win"));  // another player's deal breaks nothing
  for (int i = 0; i < 4; ++i) history.push_back(Deal("A", "win", arTransfer, "easy", 3));
  const TPlayerStatistics s = StatisticsFor(history, "A");
  EXPECT_EQ(s.All.Deals, 25);
  EXPECT_EQ(s.All.Wins, 2 + 9 + 4);
  EXPECT_EQ(s.All.Losses, 1);
  EXPECT_EQ(s.All.Draws, 9);
  const TTally throwIn = s.ByRules.at({false, false});
  EXPECT_EQ(throwIn.Deals, 3);
  EXPECT_EQ(s.ByRules.at({true, true}).Draws, 9);
  EXPECT_EQ(s.ByRules.at({true, false}).Wins, 4);
  EXPECT_EQ(s.ByOpponent.at("strong").Deals, 18);
  EXPECT_EQ(s.ByPlayers.at(3).Deals, 4);
  EXPECT_EQ(s.CurrentStreak, 5);  // the last alternating deal was a win, then four more
  EXPECT_EQ(s.LongestStreak, 5);
  ASSERT_EQ(s.Shares.size(), 2u);
  EXPECT_EQ(s.Shares[0].Deals, 20);
  EXPECT_DOUBLE_EQ(s.Shares[0].Won, (2 + 8) / 20.0);
  EXPECT_EQ(s.Shares[1].FirstDeal, 21);
  EXPECT_EQ(s.Shares[1].Deals, 5);
  EXPECT_DOUBLE_EQ(s.Shares[1].Won, 5 / 5.0);
}

TEST(DealNumberText, OnlyWholeNumbersOfThirtyTwoBits) {
  uint32_t n = 0;
  EXPECT_TRUE(ParseDealNumber(" 4294967295 ", &n));
  EXPECT_EQ(n, 4294967295u);
  EXPECT_TRUE(ParseDealNumber("0", &n));
  EXPECT_EQ(n, 0u);
  for (const char* bad : {"", "  ", "4294967296", "-1", "12a", "1 2", "+5", "99999999999999999999"})
    EXPECT_FALSE(ParseDealNumber(bad, &n)) << bad;
}

}  // namespace
}  // namespace durak::testing

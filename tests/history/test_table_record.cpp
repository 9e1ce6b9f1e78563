// Deals at a table of three and four in the history: a finished deal's record reads back
// from its line and, played again, ends where the deal ended; a record that was tampered
// with is refused rather than replayed into another deal; the statistics count it by its
// table size.
#include <gtest/gtest.h>

#include <string>

#include "DealRecord.h"
#include "DealStatistics.h"
#include "TableDealRecord.h"
#include "TableGame.h"

namespace durak {
namespace {

using nlohmann::json;
using namespace table;

// Plays one deal of a game: the person takes its first legal move each time.
void PlayDeal(TTableGame& game, const TTableRules& rules, uint32_t number) {
  game.Deal(rules, number);
  int guard = 0;
  while (!game.State().Over() && ++guard < 5000) {
    if (game.PersonToMove()) {
      TTableMoves moves;
      game.PersonMoves(moves);
      ASSERT_GT(moves.Count, 0);
      ASSERT_TRUE(game.PersonPlays(moves.Items[0], nullptr));
    } else {
      ASSERT_TRUE(game.ComputerPlays(nullptr));
    }
  }
  ASSERT_TRUE(game.State().Over());
}

TDealRecord ThroughALine(const TDealRecord& record) {
  TDealRecord back;
  std::string why;
  EXPECT_TRUE(ParseDealRecord(DealRecordLine(record), back, &why)) << why;
  return back;
}

TEST(TableDealRecord, EveryDealOfAGameReplaysToTheSameEnd) {
  for (int seats : {3, 4})
    for (bool transfer : {false, true}) {
      TTableGame game(seats, "ordinary", 11);
      game.NewGame();
      // Later deals start from the fool of the one before, which the record must carry.
      for (uint32_t number : {7u, 4000000000u, 123u}) {
        PlayDeal(game, TTableRules{transfer, true}, number);
        TDealRecord record = TableDealRecord(game, number, transfer ? 2 : 0);
        record.Player = "Маша";
        record.Time = "2026-12-09T05:00:00Z";
        record.Opponent = "described";
        const TDealRecord back = ThroughALine(record);
        EXPECT_EQ(back.Players, seats);
        EXPECT_EQ(back.Deal, number);
        const int fool = game.State().Fool;
        EXPECT_EQ(back.Result, fool == 0 ? "loss" : fool < 0 ? "draw" : "win");
        TTableState end;
        std::string why;
        ASSERT_TRUE(ReplayTableDeal(back, end, &why)) << why;
        ASSERT_TRUE(end.Over());
        EXPECT_EQ(end.Fool, fool);
        EXPECT_EQ(end.Discard, game.State().Discard);
        for (int seat = 0; seat < seats; ++seat) EXPECT_EQ(end.Hand[seat], game.State().Hand[seat]);
      }
    }
}

TEST(TableDealRecord, ATamperedRecordIsRefused) {
  TTableGame game(3, "ordinary", 5);
  game.NewGame();
  PlayDeal(game, TTableRules{}, 99);
  const TDealRecord good = TableDealRecord(game, 99, 0);
  TTableState end;
  std::string why;
  ASSERT_TRUE(ReplayTableDeal(good, end, &why)) << why;

  TDealRecord otherSeed = good;  // another shuffle: the moves no longer fit the hands
  otherSeed.Events[0]["seed"] = 100;
  EXPECT_FALSE(ReplayTableDeal(otherSeed, end, &why));

  TDealRecord wrongSeat = good;
  json& move = wrongSeat.Events[1];
  move["seat"] = (move["seat"].get<int>() + 1) % 3;
  EXPECT_FALSE(ReplayTableDeal(wrongSeat, end, &why));
  EXPECT_NE(why.find("seat to move"), std::string::npos) << why;

  TDealRecord badKind = good;
  badKind.Events[1]["move"]["kind"] = "fold";
  EXPECT_FALSE(ReplayTableDeal(badKind, end, &why));

  TDealRecord cut = good;  // a deal cut short still replays, to where it stopped
  cut.Events.resize(3);
  ASSERT_TRUE(ReplayTableDeal(cut, end, &why)) << why;
  EXPECT_FALSE(end.Over());

  TDealRecord twoPlayers = good;
  twoPlayers.Players = 2;
  EXPECT_FALSE(ReplayTableDeal(twoPlayers, end, &why));
}

TEST(TableDealRecord, StatisticsCountDealsByTableSize) {
  std::vector<TDealRecord> history;
  for (int seats : {3, 4}) {
    TTableGame game(seats, "ordinary", 3);
    game.NewGame();
    PlayDeal(game, TTableRules{}, 42);
    TDealRecord r = TableDealRecord(game, 42, 0);
    r.Player = "Маша";
    r.Opponent = "described";
    history.push_back(r);
  }
  TDealRecord two;
  two.Player = "Маша";
  two.Opponent = "described";
  two.Result = "win";
  history.push_back(two);
  const TPlayerStatistics s = StatisticsFor(history, "Маша");
  ASSERT_EQ(s.ByPlayers.size(), 3u);
  EXPECT_EQ(s.ByPlayers.at(2).Deals, 1);
  EXPECT_EQ(s.ByPlayers.at(3).Deals, 1);
  EXPECT_EQ(s.ByPlayers.at(4).Deals, 1);
}

}  // namespace
}  // namespace durak

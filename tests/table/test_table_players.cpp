// The computer players of the table: what they may know, how "Обычный" plays, and whole
// deals played out under the invariants.
#include <gtest/gtest.h>

#include <memory>

#include "SeatKnowledge.h"
#include "TableGame.h"
#include "TablePlayers.h"
#include "TablePosition.h"

namespace durak::table {
namespace {

uint64_t Mix(uint64_t& state) {
  uint64_t z = (state += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

// Deals the cards `seat` has not seen afresh among the other seats' hidden cards and the
// face-down stock, each place keeping its number of cards.
TTableState ExchangeUnseen(const TTableState& s, int seat, uint64_t& rng) {
  std::vector<int> pool;
  for (TCards set = UnseenBy(s, seat); set != 0; set &= set - 1) pool.push_back(Lowest(set));
  for (size_t i = pool.size(); i > 1; --i) std::swap(pool[i - 1], pool[Mix(rng) % i]);
  TTableState t = s;
  size_t next = 0;
  for (int other = 0; other < s.Seats; ++other) {
    if (other == seat) continue;
    const int hidden = Count(s.Hand[other] & ~s.Shown[other]);
    t.Hand[other] = s.Shown[other];
    for (int i = 0; i < hidden; ++i) t.Hand[other] |= Bit(pool[next++]);
  }
  for (int i = 1; i < s.StockCount; ++i) t.Stock[i] = static_cast<uint8_t>(pool[next++]);
  return t;
}

TEST(TableKnowledge, OtherSeatsUnseenCardsDoNotChangeADecision) {
  uint64_t rng = 7;
  int positions = 0, handsChanged = 0;
  for (int seats : {3, 4}) {
    for (int options : {0, 2, 4, 6}) {
      for (uint64_t seed = 1; seed <= 40; ++seed) {
        TTableState s;
        DealTable(s, seats, TTableRules{(options & 2) != 0, (options & 4) != 0}, seed, -1);
        auto random = MakeTablePlayer("random", seed);
        while (!s.Over()) {
          const int seat = s.ToMove;
          const TTableMove mine = OrdinaryMove(s);
          for (int k = 0; k < 3; ++k) {
            const TTableState other = ExchangeUnseen(s, seat, rng);
            ASSERT_EQ(UnseenBy(other, seat), UnseenBy(s, seat));
            if (other.Hand != s.Hand) ++handsChanged;
            ASSERT_EQ(OrdinaryMove(other), mine) << "seat " << seat << " deal " << seed;
          }
          ++positions;
          ASSERT_TRUE(ApplyMove(s, random->Choose(s)));
        }
      }
    }
  }
  EXPECT_GT(positions, 1000);
  EXPECT_GT(handsChanged, positions);  // the exchanges did move cards between the others
}

TEST(TableKnowledge, TheSearchingPlayerSamplesOnlyWhatItCannotSee) {
  uint64_t rng = 9;
  int decisions = 0;
  for (int seats : {3, 4}) {
    TTableState s;
    DealTable(s, seats, TTableRules{true, false}, 17 + seats, -1);
    auto random = MakeTablePlayer("random", 5);
    for (int step = 0; !s.Over() && step < 60; ++step) {
      if (step % 6 == 0) {
        const TTableMove mine = StrongMove(s, 77, 60);
        const TTableState other = ExchangeUnseen(s, s.ToMove, rng);
        ASSERT_EQ(StrongMove(other, 77, 60), mine) << "step " << step;
        ++decisions;
      }
      ASSERT_TRUE(ApplyMove(s, random->Choose(s)));
    }
  }
  EXPECT_GT(decisions, 8);
}

TEST(TableKnowledge, ASeatKnowsWhatItSawOthersTake) {
  const TTableRules rules{};
  TTableState s = Position({Cards({"7S", "7C"}), Cards({"9D", "10D"}), Cards({"QD", "KD"})},
                           {"9H", "10C", "JC", "QC", "KC", "AC", "JD", "AD"}, "9H", rules, 1);
  Play(s, tmPlay, "7S");
  Play(s, tmTake);
  Play(s, tmPlay, "7C");
  ASSERT_EQ(s.Phase, tpLead);
  EXPECT_EQ(UnseenBy(s, 2) & Cards({"7S", "7C"}), 0u);
  const TTableState known = SeatKnowledge(s, 2);
  EXPECT_EQ(known.Hand[1] & Cards({"7S", "7C"}), Cards({"7S", "7C"}));
  EXPECT_EQ(known.Hand[2], s.Hand[2]);
  EXPECT_EQ(known.StockCount, s.StockCount);
}

// --- "Обычный" ---------------------------------------------------------------------

const std::vector<const char*> kStock = {"9H", "10C", "JC", "QC", "KC",
                                         "AC", "10D", "JD", "QD", "KD"};

TEST(TableOrdinary, LeadsItsLowestPlainCardAndKeepsTrumps) {
  TTableState s = Position({Cards({"6H", "8S", "QS", "AS"}), Cards({"7S", "9S"}), Cards({"10S"})},
                           kStock, "9H", {}, 1);
  EXPECT_EQ(OrdinaryMove(s), (TTableMove{tmPlay, static_cast<uint8_t>(Card("8S")), 0}));
}

TEST(TableOrdinary, BeatsWithTheCheapestCard) {
  TTableState s = Position({Cards({"8S", "AD"}), Cards({"10S", "QS", "7H"}), Cards({"JS"})}, kStock,
                           "9H", {}, 1);
  Play(s, tmPlay, "8S");
  EXPECT_EQ(OrdinaryMove(s), (TTableMove{tmBeat, static_cast<uint8_t>(Card("10S")), 0}));
}

TEST(TableOrdinary, TakesAPlainCardRatherThanSpendAHighTrumpEarly) {
  TTableState s = Position({Cards({"8S", "AD"}), Cards({"KH", "7C", "8C"}), Cards({"JS"})}, kStock,
                           "9H", {}, 1);
  Play(s, tmPlay, "8S");
  EXPECT_EQ(OrdinaryMove(s).Kind, tmTake);
  // With the stock gone every card counts: it beats.
  TTableState late =
      Position({Cards({"8S", "AD"}), Cards({"KH", "7C", "8C"}), Cards({"JS"})}, {}, "9H", {}, 1);
  Play(late, tmPlay, "8S");
  EXPECT_EQ(OrdinaryMove(late), (TTableMove{tmBeat, static_cast<uint8_t>(Card("KH")), 0}));
}

TEST(TableOrdinary, PassesTheAttackOnWithAPlainCard) {
  TTableState s = Position({Cards({"8S", "AD"}), Cards({"8C", "10S"}), Cards({"JS", "AS", "9S"})},
                           kStock, "9H", TTableRules{true, false}, 1);
  Play(s, tmPlay, "8S");
  EXPECT_EQ(OrdinaryMove(s), (TTableMove{tmTransfer, static_cast<uint8_t>(Card("8C")), 0}));
}

TEST(TableOrdinary, ThrowsInLowPlainCardsButNotTrumpsWhileTheStockLasts) {
  TTableState s = Position({Cards({"8S", "8H", "8D"}), Cards({"10S", "QS", "KS"}), Cards({"AD"})},
                           kStock, "9H", {}, 1);
  Play(s, tmPlay, "8S");
  Play(s, tmBeat, "10S", 0);
  ASSERT_EQ(s.ToMove, 0);
  EXPECT_EQ(OrdinaryMove(s), (TTableMove{tmPlay, static_cast<uint8_t>(Card("8D")), 0}));
  Play(s, tmPlay, "8D");
  Play(s, tmTake);
  EXPECT_EQ(OrdinaryMove(s).Kind, tmPass);  // the eight of trumps stays
}

// --- Whole deals -------------------------------------------------------------------

TEST(TableDeals, EveryDealEndsWithinTheRules) {
  for (int seats : {3, 4}) {
    for (int options : {0, 2, 4, 6}) {
      std::vector<std::unique_ptr<TTablePlayer>> players;
      for (int seat = 0; seat < seats; ++seat)
        players.push_back(MakeTablePlayer(seat == 0 ? "random" : "ordinary", 99 + seat));
      int fool = -1, ended = 0;
      for (uint64_t seed = 1; seed <= 150; ++seed) {
        TTableState s;
        DealTable(s, seats, TTableRules{(options & 2) != 0, (options & 4) != 0}, seed, fool);
        for (int events = 0; !s.Over() && events < 5000; ++events) {
          ASSERT_TRUE(ApplyMove(s, players[s.ToMove]->Choose(s)));
          ASSERT_EQ(CheckTable(s), "") << "deal " << seed << " seats " << seats;
        }
        ASSERT_TRUE(s.Over()) << "deal " << seed << " seats " << seats << " options " << options;
        ++ended;
        fool = s.Fool;
      }
      EXPECT_EQ(ended, 150);
    }
  }
}

}  // namespace
}  // namespace durak::table

namespace durak::table {
namespace {

TEST(TableGameForAWindow, ThePersonAndTheComputersTakeTurnsThroughWholeDeals) {
  TTableGame game(4, "ordinary", 3);
  auto person = MakeTablePlayer("random", 8);
  int previousFool = -1;
  for (uint64_t deal = 1; deal <= 20; ++deal) {
    const TTableEvents dealt = game.Deal(TTableRules{true, true}, deal);
    ASSERT_EQ(dealt.front().Kind, teDealt);
    if (previousFool >= 0) {
      EXPECT_EQ(game.State().Defender, previousFool);  // under the fool
    }
    for (int steps = 0; !game.State().Over(); ++steps) {
      ASSERT_LT(steps, 5000);
      TTableEvents events;
      TTableMoves moves;
      game.PersonMoves(moves);
      if (game.PersonToMove()) {
        ASSERT_GT(moves.Count, 0);
        EXPECT_FALSE(game.ComputerPlays(&events));  // not the computers' turn
        ASSERT_TRUE(game.PersonPlays(person->Choose(game.State()), &events));
      } else {
        EXPECT_EQ(moves.Count, 0);
        EXPECT_FALSE(game.PersonPlays(TTableMove{tmTake, 0, 0}, &events));
        ASSERT_TRUE(game.ComputerPlays(&events));
      }
      ASSERT_FALSE(events.empty());
      ASSERT_EQ(CheckTable(game.State()), "");
    }
    previousFool = game.State().Fool;
  }
}

// --- "Лёгкий" ----------------------------------------------------------------------

TEST(TableEasy, NeverTakesWhatItCanBeatInSuitNorSpendsATrumpToAddEarly) {
  // The defender holds a higher spade for the open spade: taking is never its choice.
  for (uint64_t seed = 1; seed <= 200; ++seed) {
    TTableState s = Position({Cards({"8S", "AD"}), Cards({"10S", "QS", "7H"}), Cards({"JS"})},
                             kStock, "9H", {}, 1);
    Play(s, tmPlay, "8S");
    EXPECT_NE(MakeTablePlayer("easy", seed)->Choose(s).Kind, tmTake) << seed;
  }
  // Adding to a beaten bout with the stock still there: never the trump eight.
  for (uint64_t seed = 1; seed <= 200; ++seed) {
    TTableState s = Position({Cards({"8S", "8H", "8D"}), Cards({"10S", "QS", "KS"}), Cards({"AD"})},
                             kStock, "9H", {}, 1);
    Play(s, tmPlay, "8S");
    Play(s, tmBeat, "10S", 0);
    ASSERT_EQ(s.ToMove, 0);
    EXPECT_NE(MakeTablePlayer("easy", seed)->Choose(s).Card, Card("8H")) << seed;
  }
}

TEST(TableEasy, PlaysWholeDealsAndIsTheFoolMoreOftenThanTheUsualPlayer) {
  // An easy seat against two "Обычный" ones: a seat is the fool in a third of deals by
  // chance, and the easy one clearly more often.
  int deals = 0, easyFool = 0;
  for (int options : {0, 2}) {
    std::vector<std::unique_ptr<TTablePlayer>> players;
    for (int seat = 0; seat < 3; ++seat)
      players.push_back(MakeTablePlayer(seat == 0 ? "easy" : "ordinary", 7 + seat));
    int fool = -1;
    for (uint64_t seed = 1; seed <= 300; ++seed) {
      TTableState s;
      DealTable(s, 3, TTableRules{(options & 2) != 0, false}, seed, fool);
      for (int events = 0; !s.Over() && events < 5000; ++events) {
        ASSERT_TRUE(ApplyMove(s, players[s.ToMove]->Choose(s)));
        ASSERT_EQ(CheckTable(s), "") << "deal " << seed;
      }
      ASSERT_TRUE(s.Over());
      ++deals;
      easyFool += s.Fool == 0 ? 1 : 0;
      fool = s.Fool;
    }
  }
  EXPECT_GT(easyFool * 100, deals * 40) << easyFool << " of " << deals;
}

}  // namespace
}  // namespace durak::table

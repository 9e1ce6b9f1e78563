// The evaluation helpers: choosing by score, counting, and what the computer may infer
// about the player's hand.
#include "AiFixture.h"
#include "CompEval.h"

namespace durak::testing {
namespace {

TCardList Scored(std::initializer_list<std::pair<TCardInfo, int>> cards) {
  TCardList list;
  for (auto [k, score] : cards) {
    k.Score = score;
    list.push_back(k);
  }
  return list;
}

TEST(PickLowest, HighestLevelThenLowestRankThenHandOrder) {
  const TCardList hand = Scored({{K(9, S), 2}, {K(7, C), 3}, {K(12, D), 3}, {K(7, H), 3}});
  EXPECT_EQ(PickLowest(hand, 3), TagOf(7, C));  // level 3: two sevens, the first in hand order
  EXPECT_EQ(PickLowest(hand, 2), TagOf(9, S));  // levels above the limit are never chosen
  EXPECT_EQ(PickLowest(hand, 1), -1);
  EXPECT_EQ(PickLowest(Scored({{K(6, S), 10}, {K(7, S), 11}}), 9), -1);
  EXPECT_EQ(PickLowest(Scored({{K(14, S), 0}}), 9), TagOf(14, S));
}

TEST(Counting, RanksHigherSuitAndJoin) {
  EXPECT_EQ(CountRanks({}), -1);
  EXPECT_EQ(CountRanks(L({K(9, S), K(9, H), K(14, C)})), 2);
  const TCardList spades = L({K(8, S), K(10, S), K(14, S), K(12, H)});
  EXPECT_EQ(CountHigher(8, S, spades), 2);
  EXPECT_EQ(CountHigher(14, S, spades), 0);
  EXPECT_EQ(CountHigher(11, H, spades), 1);
  EXPECT_EQ(CountSuit(S, spades), 3);
  EXPECT_EQ(Tags(JoinKarts(L({K(6, S)}), L({K(7, S), K(8, S)}))),
            (std::vector<int>{TagOf(6, S), TagOf(7, S), TagOf(8, S)}));
}

TEST(AvgStrength, TrumpsCountNineMoreAndHalvesRoundToEven) {
  EXPECT_EQ(AvgStrength({}, H), 0);
  EXPECT_EQ(AvgStrength(L({K(6, S), K(7, S)}), H), 6);              // 6.5 -> 6
  EXPECT_EQ(AvgStrength(L({K(7, S), K(8, S)}), H), 8);              // 7.5 -> 8
  EXPECT_EQ(AvgStrength(L({K(6, S), K(6, H)}), H), 10);             // (6 + 15) / 2 = 10.5 -> 10
  EXPECT_EQ(AvgStrength(L({K(9, S), K(10, S), K(10, C)}), H), 10);  // 9.67
}

class EvalTest : public AiTest {};

TEST_F(EvalTest, CardSafetyWithEveryPlaceKnown) {
  game.Trump = H;
  game.CompHand = L({K(14, S), K(9, C)});
  game.PlayerHand = L({K(10, C), K(6, D)});
  FillStock(1);
  AllKnown();
  EXPECT_EQ(CardSafety(View(), 14, S), 1);  // plain ace, the player holds no trump
  EXPECT_EQ(CardSafety(View(), 9, C), -1);  // the player is known to hold the club ten
  game.PlayerHand.push_back(K(6, H));
  AllKnown();
  EXPECT_EQ(CardSafety(View(), 14, S), 2);  // now the player could trump it
  EXPECT_EQ(CardSafety(View(), 13, H), 1);  // a trump never scores 2
}

TEST_F(EvalTest, CardSafetyWhileCardsAreUnseen) {
  game.Trump = H;
  game.CompHand = L({K(13, S), K(12, C)});
  game.Discard = L({K(14, S)});
  game.PlayerHand = L({K(6, D), K(7, D)});
  FillStock(10);
  NothingKnown();
  // Every higher spade is accounted for, but not every trump.
  EXPECT_EQ(CardSafety(View(), 13, S), 2);
  // The club king and ace are unaccounted for.
  EXPECT_EQ(CardSafety(View(), 12, C), 0);
  // A higher card of the suit the player is known to hold decides, whatever else is known.
  game.KnownCards = L({K(13, C)});
  EXPECT_EQ(CardSafety(View(), 12, C), -1);
}

TEST_F(EvalTest, TransferRiskAndRankThreat) {
  game.Trump = H;
  game.TransferOn = true;
  game.CompHand = L({K(9, S), K(9, C), K(9, D)});
  game.PlayerHand = L({K(7, H), K(7, S), K(10, C), K(12, D)});
  FillStock(8);
  NothingKnown();
  game.KnownCards = L({K(7, H), K(10, C)});
  EXPECT_EQ(TransferRisk(View(), 7), 2);   // the only known seven is the trump
  EXPECT_EQ(TransferRisk(View(), 10), 1);  // a known plain ten
  EXPECT_EQ(TransferRisk(View(), 12), 0);  // nothing known, cards unseen
  game.Discard = L({K(8, S), K(8, C), K(8, D)});
  game.TableCards = L({K(8, H)});
  EXPECT_EQ(TransferRisk(View(), 8), -1);  // all four eights accounted for
  EXPECT_EQ(RankThreat(View(), 8), -2);    // and one lies on the table
  game.TableCards = L({K(10, S)});
  EXPECT_EQ(RankThreat(View(), 10), -2);  // on the table even though the player holds one
  game.TransferOn = false;
  EXPECT_EQ(TransferRisk(View(), 10), -1);
  EXPECT_EQ(RankThreat(View(), 7), 2);  // the variant does not matter for the threat
  AllKnown();
  EXPECT_EQ(RankThreat(View(), 12), 1);
  EXPECT_EQ(RankThreat(View(), 13), -1);  // the whole hand is known and holds no king
}

TEST_F(EvalTest, BuildPairsTakesTheSafestCardOfEachRank) {
  game.Trump = H;
  game.CompHand = L({K(10, S), K(8, C), K(10, C), K(8, D), K(14, S)});
  game.PlayerHand = L({K(12, S), K(6, D)});
  FillStock(1);
  AllKnown();
  const TPairAr pairs = BuildPairs(View());
  ASSERT_EQ(pairs.size(), 2u);
  EXPECT_EQ(pairs[0].Rank, 8);
  EXPECT_EQ(pairs[0].Count, 2);
  EXPECT_EQ(pairs[0].Status, 1);  // nothing of the player's beats the eights
  EXPECT_EQ(pairs[1].Rank, 10);
  EXPECT_EQ(pairs[1].Status, 1);  // the club ten is safe although the spade ten is not
  EXPECT_EQ(PairStatus(10, pairs), 1);
  EXPECT_EQ(PairStatus(14, pairs), -1);
  game.CompHand = L({K(10, S)});
  EXPECT_TRUE(BuildPairs(View()).empty());
}

TEST_F(EvalTest, PlayerCannotBeat) {
  game.Trump = H;
  game.PlayerHand = L({K(10, S), K(7, H)});
  FillStock(1);
  AllKnown();
  TCardList attack = L({K(9, S), K(9, C)});
  EXPECT_EQ(PlayerCannotBeat(View(), attack), -1);  // ten of spades and the trump seven
  attack = L({K(9, S), K(9, C), K(9, D)});
  EXPECT_EQ(PlayerCannotBeat(View(), attack), -1);  // more cards than the player holds
  game.PlayerHand = L({K(10, S), K(6, C), K(6, D)});
  AllKnown();
  EXPECT_EQ(PlayerCannotBeat(View(), attack), 1);
  // The ten of spades is the only beater of both nines of spades.
  TCardList two = L({K(9, S), K(8, S)});
  EXPECT_EQ(PlayerCannotBeat(View(), two), 1);
  game.KnownCards = L({K(10, S)});  // the other cards are not known
  EXPECT_EQ(PlayerCannotBeat(View(), two), 0);
  game.KnownCards.clear();
  EXPECT_EQ(PlayerCannotBeat(View(), two), 0);
}

}  // namespace
}  // namespace durak::testing

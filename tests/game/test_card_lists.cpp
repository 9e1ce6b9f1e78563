// The beating rule, the list operations and the two hand orders.
#include "EngineFixture.h"

namespace durak::testing {
namespace {

TEST(CardIdentity, TagsMapToSuitRankAndFaceNumber) {
  EXPECT_EQ(SuitOfTag(1), Spades);
  EXPECT_EQ(RankOfTag(1), 6);
  EXPECT_EQ(SuitOfTag(36), Hearts);
  EXPECT_EQ(RankOfTag(36), 14);
  for (int tag = 1; tag <= 36; ++tag) {
    EXPECT_EQ(CardNoOfTag(tag), (RankOfTag(tag) - 2) * 4 + SuitOfTag(tag));
    EXPECT_EQ(TagOf(RankOfTag(tag), SuitOfTag(tag)), tag);
  }
}

TEST(BeatingRule, SameSuitHigherTrumpOverPlainNothingElse) {
  const int trump = Hearts;
  EXPECT_TRUE(CanBeat(6, Hearts, 14, Spades, trump));   // trump six beats a plain ace
  EXPECT_FALSE(CanBeat(14, Spades, 6, Hearts, trump));  // a plain ace never beats a trump
  EXPECT_TRUE(CanBeat(7, Hearts, 6, Hearts, trump));    // higher trump beats a trump
  EXPECT_FALSE(CanBeat(6, Hearts, 7, Hearts, trump));
  EXPECT_FALSE(CanBeat(8, Clubs, 7, Hearts, Spades));    // eight of clubs vs seven of hearts
  EXPECT_FALSE(CanBeat(8, Clubs, 7, Diamonds, Hearts));  // other plain suit
  EXPECT_TRUE(CanBeat(13, Clubs, 12, Clubs, Hearts));
  EXPECT_FALSE(CanBeat(12, Clubs, 13, Clubs, Hearts));
}

TEST(BeatingRule, BeatCostIsCheapestWithinSuit) {
  EXPECT_EQ(BeatCost(12, Clubs, 9, Clubs, Hearts), 3);
  EXPECT_EQ(BeatCost(6, Hearts, 14, Clubs, Hearts), 6 + 9 - 14);
  EXPECT_EQ(BeatCost(9, Clubs, 12, Clubs, Hearts), -1);
  EXPECT_EQ(BeatCost(14, Spades, 6, Hearts, Hearts), -1);
}

TEST(CardListOps, ArrAddSkipsDuplicatesAndResetsScore) {
  TCardList list;
  TCardInfo k = K(9, Clubs);
  k.Score = 7;
  AddToList(k, list);
  AddToList(K(9, Clubs), list);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].Score, 0);
  AddToList(TCardInfo{}, list);  // no card
  EXPECT_EQ(list.size(), 1u);
}

TEST(CardListOps, ArrDelRemovesOnlyThatCardKeepingOrder) {
  TCardList empty;
  RemoveFromList(K(9, Clubs), empty);
  EXPECT_TRUE(empty.empty());
  TCardList list = L({{6, 1}, {9, 2}, {14, 4}});
  RemoveFromList(K(10, 3), list);
  EXPECT_EQ(list.size(), 3u);
  RemoveFromList(K(9, 2), list);
  EXPECT_EQ(Tags(list), (std::vector<int>{TagOf(6, 1), TagOf(14, 4)}));
}

TEST(CardListOps, CountRankIsNegativeWhenTheTrumpOfThatRankIsThere) {
  const TCardList list = L({{9, Hearts}, {9, Clubs}, {7, Spades}});
  EXPECT_EQ(CountRank(9, list, Hearts), -2);
  EXPECT_EQ(CountRank(9, list, Spades), 2);
  EXPECT_EQ(CountRank(7, list, Spades), -1);
  EXPECT_EQ(CountRank(8, list, Spades), 0);
}

TEST(CardListOps, LowestTrumpAndFindCard) {
  const TCardList list = L({{12, Hearts}, {7, Hearts}, {6, Clubs}});
  EXPECT_EQ(LowestTrump(list, Hearts), 7);
  EXPECT_EQ(LowestTrump(list, Spades), 20);
  EXPECT_EQ(LowestTrump(TCardList{}, Spades), 20);
  EXPECT_EQ(FindCard(list, Hearts, 7), TagOf(7, Hearts));
  EXPECT_EQ(FindCard(list, Hearts, 8), 0);
}

TEST(CardListOps, RowsCountOccupiedSlots) {
  TRow row{};
  EXPECT_EQ(RowCount(row), 0);
  row[0] = K(6, 1);
  row[4] = K(8, 2);
  EXPECT_EQ(RowCount(row), 2);
  ClearRow(row);
  EXPECT_EQ(RowCount(row), 0);
}

TEST(HandOrder, ByRankPutsTrumpsLast) {
  TCardList hand = L({{10, Hearts}, {6, Spades}, {14, Clubs}, {6, Hearts}});
  SortHand(hand, 2, Hearts);
  EXPECT_EQ(Tags(hand), Tags(L({{6, Spades}, {14, Clubs}, {6, Hearts}, {10, Hearts}})));
}

TEST(HandOrder, BySuitPutsTrumpSuitLast) {
  TCardList hand = L({{10, Hearts}, {6, Spades}, {14, Clubs}, {6, Hearts}});
  SortHand(hand, 1, Hearts);
  EXPECT_EQ(Tags(hand), Tags(L({{6, Spades}, {14, Clubs}, {6, Hearts}, {10, Hearts}})));
  hand = L({{10, Hearts}, {6, Spades}, {14, Clubs}, {6, Hearts}});
  SortHand(hand, 1, Spades);
  EXPECT_EQ(Tags(hand), Tags(L({{14, Clubs}, {6, Hearts}, {10, Hearts}, {6, Spades}})));
}

TEST(HandOrder, ByRankTiesBrokenBySuitNumberAndFieldsKept) {
  TCardList hand = L({{9, Diamonds}, {9, Spades}, {13, Clubs}, {7, Clubs}});
  hand[2].Score = 42;
  SortHand(hand, 2, Hearts);
  EXPECT_EQ(Tags(hand), Tags(L({{7, Clubs}, {9, Spades}, {9, Diamonds}, {13, Clubs}})));
  EXPECT_EQ(hand[3].Score, 42);
  for (const TCardInfo& k : hand) {
    EXPECT_LE(k.Suit, 4);
    EXPECT_LE(k.CardNo, 52);
  }
}

TEST(HandOrder, NoSortOrderOrShortListLeavesTheListAlone) {
  const TCardList original = L({{10, Hearts}, {6, Spades}, {14, Clubs}});
  for (int order : {0, 3, 7, -1}) {
    TCardList hand = original;
    SortHand(hand, order, Hearts);
    EXPECT_EQ(Tags(hand), Tags(original)) << "order " << order;
  }
  TCardList one = L({{10, Hearts}});
  SortHand(one, 2, Hearts);
  EXPECT_EQ(one.size(), 1u);
}

}  // namespace
}  // namespace durak::testing

// The table layout: positions of the hands, the stock and the six pairs.
#include "EngineFixture.h"

namespace durak::testing {
namespace {

TEST(TableLayout, WorkedExampleOfASmallTable) {
  const TLayout l = ComputeLayout(560, 359, 59, 80);
  EXPECT_EQ(l.PlayerHandTop, 257);
  EXPECT_EQ(l.HandRight, 516);
  EXPECT_EQ(l.DeckLeft, 467);
  EXPECT_EQ(l.DeckTop, 139);
  EXPECT_EQ(SlotGap(560, 59), 10);
  const int xs[] = {20, 89, 158, 227, 296, 365};
  for (int k = 0; k < 6; ++k) {
    EXPECT_EQ(l.PlayerSlotPos[k].X, xs[k] + 5);
    EXPECT_EQ(l.CompSlotPos[k].X, xs[k] - 5);
    EXPECT_EQ(l.PlayerSlotPos[k].Y, 149);
    EXPECT_EQ(l.CompSlotPos[k].Y, 129);
  }
}

TEST(TableLayout, GapGrowsOnAWideTableAndRoundsHalfToEven) {
  // 1000 * 0.75 = 750: (750 - 71 - 5) div 6 - 71 = 41.
  EXPECT_EQ(SlotGap(1000, 71), 41);
  EXPECT_EQ(Nearest(2.5), 2);
  EXPECT_EQ(Nearest(3.5), 4);
  EXPECT_EQ(Nearest(-0.5), 0);
  // 561 * 0.75 = 420.75 rounds to 421.
  EXPECT_EQ(SlotGap(561, 50), (421 - 50 - 5) / 6 - 50);
}

TEST(TableLayout, HandSteps) {
  EXPECT_EQ(PlaceCardsStep(516, 59, 6, 0), 91);
  EXPECT_EQ(PlaceCardsStep(516, 59, 6, 1), 57);
  EXPECT_EQ(PlaceCardsStep(516, 59, 2, 0), 109);
  EXPECT_EQ(PlaceCardsStep(516, 59, 1, 0), 0);
  EXPECT_EQ(HandStep(516, 59, 0), 0);
  EXPECT_EQ(HandStep(516, 59, -1), 0);
  EXPECT_EQ(HandStep(516, 59, 5), 91);
}

class LayoutTest : public EngineTest {};

TEST_F(LayoutTest, SortedBySuitLeavesAnEmptyStepBetweenSuits) {
  game.Trump = Hearts;
  GivePlayer(L({{6, Spades}, {9, Spades}, {7, Clubs}, {8, Diamonds}, {10, Diamonds}, {6, Hearts}}));
  game.PlaceCards(20, 516, 257, 1, game.PlayerHand);
  const int xs[] = {20, 77, 191, 305, 362, 476};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(game.GetCard(game.PlayerHand[i].Tag).Left(), xs[i]) << i;
    EXPECT_EQ(game.GetCard(game.PlayerHand[i].Tag).Top(), 257);
  }
}

TEST_F(LayoutTest, StockIsASlantingPileOverTheSidewaysTrump) {
  game.Trump = Clubs;
  SetDeck(L({{9, Clubs}, {6, Spades}, {7, Spades}}));
  game.PaintStock();
  ICardControl& trump = Card(9, Clubs);
  EXPECT_TRUE(trump.Turned());
  EXPECT_EQ(trump.CardState(), 1);
  EXPECT_EQ(trump.Left(), 467 - 80 / 3);
  EXPECT_EQ(trump.Top(), 139 + (80 - 59) / 2);
  EXPECT_EQ(Card(6, Spades).Left(), 467);
  EXPECT_EQ(Card(7, Spades).Left(), 468);
  EXPECT_EQ(Card(7, Spades).Top(), 138);
  EXPECT_EQ(Card(7, Spades).CardState(), 0);
  EXPECT_EQ(table.Leds[StockLed], 3);
  // Painting again does not stand the trump card up.
  game.PaintStock();
  EXPECT_TRUE(trump.Turned());
  EXPECT_EQ(table.TrumpLeft, 467 - (63 - 59) / 2);
  EXPECT_EQ(table.TrumpTop, 139 - (84 - 80) / 2);
}

TEST_F(LayoutTest, EmptyStockShowsCounterZero) {
  game.PaintStock();
  EXPECT_EQ(table.Leds[StockLed], 0);
}

}  // namespace
}  // namespace durak::testing

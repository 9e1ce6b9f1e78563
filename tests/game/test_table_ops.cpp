// Putting cards on the table, the transfer shift and the hot-card marking.
#include "EngineFixture.h"

namespace durak::testing {
namespace {

class TableOpsTest : public EngineTest {};

TEST_F(TableOpsTest, COnDeskMovesACardFromHandToItsSlot) {
  game.Options = arSound;
  GivePlayer(L({{9, Clubs}, {10, Clubs}}));
  game.KnownCards = L({{9, Clubs}});
  game.UnseenCards = L({{10, Clubs}, {9, Clubs}});
  Card(9, Clubs).SetHotMouse(true);
  game.PutOnTable(Card(9, Clubs), dsPlayer, 2);
  EXPECT_EQ(Tags(game.PlayerHand), Tags(L({{10, Clubs}})));
  EXPECT_TRUE(game.KnownCards.empty());
  EXPECT_EQ(Tags(game.UnseenCards), Tags(L({{10, Clubs}})));
  EXPECT_EQ(game.PlayerRow[2].Tag, TagOf(9, Clubs));
  EXPECT_EQ(Tags(game.TableCards), Tags(L({{9, Clubs}})));
  EXPECT_FALSE(Card(9, Clubs).HotMouse());
  EXPECT_FALSE(Card(9, Clubs).Clickable());
  EXPECT_EQ(Card(9, Clubs).Left(), game.Layout.PlayerSlotPos[2].X);
  EXPECT_EQ(Card(9, Clubs).Top(), game.Layout.PlayerSlotPos[2].Y);
  EXPECT_EQ(game.SoundLog, (std::vector<int>{1}));
  EXPECT_EQ(table.Played, (std::vector<int>{1}));
}

TEST_F(TableOpsTest, ComputerCardTurnsFaceUpOnTheWayToItsSlot) {
  GiveComputer(L({{7, Hearts}}));
  game.PutOnTable(Card(7, Hearts), dsComputer, 0);
  EXPECT_TRUE(game.CompHand.empty());
  EXPECT_EQ(game.CompRow[0].Tag, TagOf(7, Hearts));
  EXPECT_EQ(Card(7, Hearts).CardState(), 1);
  EXPECT_EQ(Card(7, Hearts).Left(), game.Layout.CompSlotPos[0].X);
  // The sound is asked for even when the sound option is off, but nothing plays.
  EXPECT_EQ(game.SoundLog, (std::vector<int>{1}));
  EXPECT_TRUE(table.Played.empty());
}

TEST_F(TableOpsTest, COnDeskBeyondTheSixthSlotChangesNothing) {
  GivePlayer(L({{9, Clubs}}));
  Card(9, Clubs).SetHotMouse(true);
  game.PutOnTable(Card(9, Clubs), dsPlayer, 6);
  EXPECT_EQ(game.PlayerHand.size(), 1u);
  EXPECT_TRUE(game.TableCards.empty());
  EXPECT_EQ(RowCount(game.PlayerRow), 0);
  EXPECT_FALSE(Card(9, Clubs).HotMouse());
  EXPECT_TRUE(game.SoundLog.empty());
}

TEST_F(TableOpsTest, ShiftRowMovesTheAttackOnlyOntoAnEmptyRow) {
  ComputerPlays(8, Clubs, 0);
  ComputerPlays(8, Hearts, 1);
  game.ShiftRow(sdComputer);  // the computer's row is not empty: nothing
  EXPECT_EQ(RowCount(game.CompRow), 2);
  game.ShiftRow(sdPlayer);
  EXPECT_EQ(RowCount(game.CompRow), 0);
  EXPECT_EQ(game.PlayerRow[1].Tag, TagOf(8, Hearts));
  EXPECT_EQ(Card(8, Hearts).Left(), game.Layout.PlayerSlotPos[1].X);
  EXPECT_EQ(Card(8, Hearts).Top(), game.Layout.PlayerSlotPos[1].Y);
}

TEST_F(TableOpsTest, ShiftRowTowardsThePlayerWithAPlayerCardDownDoesNothing) {
  ComputerPlays(8, Clubs, 0);
  PlayerPlays(9, Clubs, 0);
  Card(8, Clubs).SetBounds(1, 2, 59, 80);
  game.ShiftRow(sdPlayer);
  EXPECT_EQ(game.CompRow[0].Tag, TagOf(8, Clubs));
  EXPECT_EQ(game.PlayerRow[0].Tag, TagOf(9, Clubs));
  EXPECT_EQ(Card(8, Clubs).Left(), 1);
}

TEST_F(TableOpsTest, MarkHotWithHotCardsOffOnlySetsTheMode) {
  GivePlayer(L({{9, Clubs}, {10, Clubs}}));
  Card(9, Clubs).SetHotMouse(true);
  game.MarkPlayable(pmLead);
  EXPECT_EQ(game.PlayMode, pmLead);
  EXPECT_FALSE(Card(9, Clubs).HotMouse());
  EXPECT_FALSE(Card(10, Clubs).HotMouse());
}

TEST_F(TableOpsTest, MarkHotLightsWhatMayBePlayed) {
  game.Options = arHotCards;
  game.Trump = Hearts;
  GivePlayer(L({{7, Clubs}, {10, Clubs}, {8, Spades}, {6, Hearts}, {9, Diamonds}}));
  GiveComputer(L({{6, Spades}, {7, Spades}, {11, Spades}}));
  ComputerPlays(8, Clubs, 0);

  game.MarkPlayable(pmDefend);
  EXPECT_FALSE(Card(7, Clubs).HotMouse());
  EXPECT_TRUE(Card(10, Clubs).HotMouse());   // beats
  EXPECT_FALSE(Card(8, Spades).HotMouse());  // transfer is off
  EXPECT_TRUE(Card(6, Hearts).HotMouse());   // trump
  EXPECT_FALSE(Card(9, Diamonds).HotMouse());

  game.TransferOn = true;
  game.MarkPlayable(pmDefend);
  EXPECT_TRUE(Card(8, Spades).HotMouse());  // may transfer

  game.MarkPlayable(pmThrowIn);
  EXPECT_TRUE(Card(8, Spades).HotMouse());
  EXPECT_FALSE(Card(10, Clubs).HotMouse());

  game.MarkPlayable(pmNone);
  for (const TCardInfo& k : game.PlayerHand) EXPECT_FALSE(game.GetCard(k.Tag).HotMouse());
  game.MarkPlayable(pmLead);
  for (const TCardInfo& k : game.PlayerHand) EXPECT_TRUE(game.GetCard(k.Tag).HotMouse());
}

TEST_F(TableOpsTest, MarkHotDefendingWithNothingOnTheTableLightsNothing) {
  game.Options = arHotCards;
  GivePlayer(L({{7, Clubs}}));
  Card(7, Clubs).SetHotMouse(true);
  game.MarkPlayable(pmDefend);
  EXPECT_FALSE(Card(7, Clubs).HotMouse());
}

TEST_F(TableOpsTest, MarkHotTransferNeedsRoomInTheComputersHand) {
  game.Options = arHotCards;
  game.TransferOn = true;
  game.Trump = Hearts;
  GivePlayer(L({{8, Spades}}));
  GiveComputer(L({{6, Spades}}));  // one attack card + 1 > 1 card in hand
  ComputerPlays(8, Clubs, 0);
  game.MarkPlayable(pmDefend);
  EXPECT_FALSE(Card(8, Spades).HotMouse());
}

}  // namespace
}  // namespace durak::testing

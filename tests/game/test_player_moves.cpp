// The player's clicks (lead, defend, transfer, throw in) and the command buttons.
#include "EngineFixture.h"

namespace durak::testing {
namespace {

class MovesTest : public EngineTest {
 protected:
  void SetUp() override {
    game.Trump = Hearts;
    SetDeck(L({{14, Hearts}, {6, Diamonds}, {7, Diamonds}}));
  }
  void Click(int rank, int suit) { game.CardClicked(Card(rank, suit)); }
};

TEST_F(MovesTest, ClickIsIgnoredWhileTheComputerMoves) {
  GivePlayer(L({{9, Clubs}}));
  GiveComputer(L({{6, Spades}}));
  game.PlayMode = pmNone;
  Click(9, Clubs);
  EXPECT_EQ(game.PlayerHand.size(), 1u);
  EXPECT_TRUE(game.SpeechLog.empty());
}

TEST_F(MovesTest, LeadOfOneCardHandsTheTurnToTheComputer) {
  GivePlayer(L({{9, Clubs}, {10, Clubs}}));
  GiveComputer(L({{6, Spades}, {7, Spades}}));
  game.PlayMode = pmLead;
  game.SetButton(TakeButton, true);
  Click(9, Clubs);
  EXPECT_EQ(game.PlayerRow[0].Tag, TagOf(9, Clubs));
  EXPECT_EQ(game.PlayMode, pmNone);
  EXPECT_EQ(game.CompAction, caDefend);
  EXPECT_FALSE(game.ButtonVisible[TakeButton]);
  EXPECT_FALSE(game.ButtonVisible[DefendButton]);
  EXPECT_EQ(game.Calls, (std::vector<std::pair<int, int>>{{caDefend, 0}}));
  EXPECT_EQ(game.SpeechLog, (std::vector<int>{0}));
}

TEST_F(MovesTest, MultiCardLeadAgainstATwoCardHand) {
  game.MultiLeadOn = true;
  game.Options = arHotCards;
  GivePlayer(L({{9, Clubs}, {9, Spades}, {9, Diamonds}, {12, Clubs}}));
  GiveComputer(L({{6, Spades}, {7, Spades}}));
  game.PlayMode = pmLead;

  Click(9, Clubs);  // another nine in hand and 0 < 2 - 1: may go on
  EXPECT_TRUE(game.ButtonVisible[DefendButton]);
  EXPECT_EQ(game.PlayMode, pmLead);
  EXPECT_EQ(game.CompAction, caNothing);
  EXPECT_EQ(game.SpeechLog, (std::vector<int>{0, 17}));
  EXPECT_TRUE(game.Calls.empty());
  EXPECT_TRUE(Card(9, Spades).HotMouse());
  EXPECT_FALSE(Card(12, Clubs).HotMouse());

  Click(12, Clubs);  // a different rank is refused silently
  EXPECT_EQ(RowCount(game.PlayerRow), 1);

  Click(9, Spades);  // accepted (1 < 2) but the lead cannot grow further
  EXPECT_EQ(RowCount(game.PlayerRow), 2);
  EXPECT_FALSE(game.ButtonVisible[DefendButton]);
  EXPECT_EQ(game.PlayMode, pmNone);
  EXPECT_EQ(game.Calls, (std::vector<std::pair<int, int>>{{caDefend, 0}}));
}

TEST_F(MovesTest, LeadNeverExceedsTheComputersHand) {
  GivePlayer(L({{9, Clubs}, {9, Spades}}));
  GiveComputer(L({{6, Spades}}));
  PlayerPlays(9, Diamonds, 0);
  game.PlayMode = pmLead;
  Click(9, Clubs);
  EXPECT_EQ(RowCount(game.PlayerRow), 1);
  EXPECT_EQ(game.PlayerHand.size(), 2u);
}

TEST_F(MovesTest, BeiSyaHandsAMultiCardLeadToTheComputer) {
  game.SetButton(DefendButton, true);
  game.DefendPressed();
  EXPECT_FALSE(game.ButtonVisible[DefendButton]);
  EXPECT_EQ(game.PlayMode, pmNone);
  EXPECT_EQ(game.CompAction, caDefend);
  EXPECT_EQ(game.Calls, (std::vector<std::pair<int, int>>{{caDefend, 0}}));
}

TEST_F(MovesTest, DefendWithACardThatBeatsNothingSaysSo) {
  GivePlayer(L({{7, Clubs}}));
  GiveComputer(L({{6, Spades}}));
  ComputerPlays(8, Clubs, 0);
  game.PlayMode = pmDefend;
  Click(7, Clubs);
  EXPECT_EQ(game.SpeechLog, (std::vector<int>{0, 9}));
  EXPECT_EQ(game.PlayerHand.size(), 1u);
  EXPECT_FALSE(table.MenuShown);
}

TEST_F(MovesTest, SingleBeatIsPlayedWithoutAMenu) {
  GivePlayer(L({{10, Clubs}, {6, Spades}}));
  GiveComputer(L({{6, Diamonds}}));
  ComputerPlays(8, Clubs, 0);
  ComputerPlays(8, Spades, 1);
  game.PlayMode = pmDefend;
  Click(10, Clubs);
  EXPECT_FALSE(table.MenuShown);
  EXPECT_EQ(game.PlayerRow[0].Tag, TagOf(10, Clubs));
  // One card still unanswered: the player defends on, the computer is not called.
  EXPECT_EQ(game.PlayMode, pmDefend);
  EXPECT_TRUE(game.Calls.empty());
  EXPECT_EQ(game.CompAction, caThrowIn);
}

TEST_F(MovesTest, AnsweringTheLastCardPassesTheTurn) {
  GivePlayer(L({{10, Clubs}, {6, Spades}}));
  GiveComputer(L({{6, Diamonds}}));
  ComputerPlays(8, Clubs, 0);
  game.PlayMode = pmDefend;
  game.SetButton(TakeButton, true);
  Click(10, Clubs);
  EXPECT_EQ(game.PlayMode, pmNone);
  EXPECT_FALSE(game.ButtonVisible[TakeButton]);
  EXPECT_EQ(game.Calls, (std::vector<std::pair<int, int>>{{caThrowIn, 0}}));
}

TEST_F(MovesTest, OnceEveryAttackCardIsAnsweredADefenceClickDoesNothing) {
  GivePlayer(L({{10, Clubs}, {6, Hearts}}));
  GiveComputer(L({{6, Diamonds}}));
  ComputerPlays(8, Clubs, 0);
  PlayerPlays(9, Clubs, 0);
  game.PlayMode = pmDefend;
  EXPECT_FALSE(game.AttackOpen());
  Click(6, Hearts);  // a trump, but there is nothing left to beat
  EXPECT_EQ(game.PlayerHand.size(), 2u);
  EXPECT_EQ(game.PlayerRow[1].Tag, 0);
  EXPECT_FALSE(table.MenuShown);
  EXPECT_EQ(game.SpeechLog, (std::vector<int>{sayClear}));  // no "cannot beat that"
  EXPECT_TRUE(game.Calls.empty());
}

TEST_F(MovesTest, TrumpThatBeatsSeveralCardsAsksWhichPair) {
  game.Texts.PopupWords = {"Beat", "Transfer"};
  game.Texts.RankWords[8] = "eight";
  game.Texts.RankWords[12] = "queen";
  game.Texts.SuitWords[Clubs] = "clubs";
  game.Texts.SuitWords[Spades] = "spades";
  GivePlayer(L({{6, Hearts}}));
  GiveComputer(L({{6, Diamonds}}));
  ComputerPlays(8, Clubs, 0);
  ComputerPlays(12, Spades, 1);
  game.PlayMode = pmDefend;
  table.MenuChoice = 1;
  Click(6, Hearts);
  ASSERT_TRUE(table.MenuShown);
  EXPECT_EQ(table.MenuOffered, (std::vector<int>{0, 1}));
  EXPECT_EQ(table.MenuItems[0].Caption, "Beat eight clubs");
  EXPECT_EQ(table.MenuItems[1].Caption, "Beat queen spades");
  EXPECT_EQ(table.MenuItems[1].PictureCard, TagOf(12, Spades));
  EXPECT_EQ(game.PlayerRow[1].Tag, TagOf(6, Hearts));
  EXPECT_EQ(RowCount(game.PlayerRow), 1);
}

TEST_F(MovesTest, TransferAndBeatBothOfferedDismissLeavesAllUnchanged) {
  game.TransferOn = true;
  GivePlayer(L({{8, Hearts}, {9, Spades}}));
  GiveComputer(L({{6, Diamonds}, {7, Diamonds}}));
  ComputerPlays(8, Clubs, 0);
  game.PlayMode = pmDefend;
  table.MenuChoice = -1;
  Click(8, Hearts);
  EXPECT_EQ(table.MenuOffered, (std::vector<int>{0, 6}));
  EXPECT_TRUE(table.MenuItems[1].Arrow);
  EXPECT_EQ(table.MenuItems[1].PictureCard, TagOf(8, Hearts));
  EXPECT_EQ(game.PlayerHand.size(), 2u);
  EXPECT_EQ(RowCount(game.PlayerRow), 0);
  EXPECT_EQ(game.PlayMode, pmDefend);
  // A choice that was not offered counts as dismissing the menu.
  table.MenuChoice = 3;
  Click(8, Hearts);
  EXPECT_EQ(game.PlayerHand.size(), 2u);
}

TEST_F(MovesTest, TransferMovesTheAttackAndTheComputerDefends) {
  game.TransferOn = true;
  GivePlayer(L({{8, Spades}, {9, Spades}}));
  GiveComputer(L({{6, Diamonds}, {7, Diamonds}}));
  ComputerPlays(8, Clubs, 0);
  game.PlayMode = pmDefend;
  Click(8, Spades);  // cannot beat, may transfer: no menu
  EXPECT_FALSE(table.MenuShown);
  EXPECT_EQ(RowCount(game.CompRow), 0);
  EXPECT_EQ(game.PlayerRow[0].Tag, TagOf(8, Clubs));
  EXPECT_EQ(game.PlayerRow[1].Tag, TagOf(8, Spades));
  EXPECT_EQ(game.Calls, (std::vector<std::pair<int, int>>{{caDefend, 0}}));
}

TEST_F(MovesTest, TransferIsRefusedInEachForbiddenCase) {
  game.TransferOn = true;
  GivePlayer(L({{8, Spades}, {9, Spades}}));
  game.PlayMode = pmDefend;

  // The computer holds no more cards than lie in the attack.
  GiveComputer(L({{6, Diamonds}}));
  ComputerPlays(8, Clubs, 0);
  Click(8, Spades);
  EXPECT_EQ(game.SpeechLog.back(), 9);

  // Rank differs from the first attacking card.
  GiveComputer(L({{6, Diamonds}, {7, Diamonds}, {10, Diamonds}}));
  Click(9, Spades);
  EXPECT_EQ(game.SpeechLog.back(), 9);

  // A card has already been beaten.
  ComputerPlays(8, Diamonds, 1);
  PlayerPlays(10, Diamonds, 1);
  Click(8, Spades);
  EXPECT_EQ(game.SpeechLog.back(), 9);
  EXPECT_EQ(game.PlayerHand.size(), 2u);
}

TEST_F(MovesTest, ThrowInOfARankNotOnTheTable) {
  GivePlayer(L({{7, Clubs}}));
  GiveComputer(L({{6, Diamonds}, {7, Diamonds}}));
  PlayerPlays(9, Spades, 0);
  ComputerPlays(10, Spades, 0);
  game.PlayMode = pmThrowIn;
  Click(7, Clubs);
  EXPECT_EQ(game.SpeechLog, (std::vector<int>{0, 8}));
  EXPECT_EQ(game.PlayerHand.size(), 1u);
}

TEST_F(MovesTest, ThrowInMatchingTheComputersBeatingCard) {
  GivePlayer(L({{10, Clubs}}));
  GiveComputer(L({{6, Diamonds}, {7, Diamonds}}));
  PlayerPlays(9, Spades, 0);
  ComputerPlays(10, Spades, 0);
  game.PlayMode = pmThrowIn;
  game.CompAction = caThrowIn;
  Click(10, Clubs);
  EXPECT_EQ(game.PlayerRow[1].Tag, TagOf(10, Clubs));
  EXPECT_EQ(game.Calls, (std::vector<std::pair<int, int>>{{caDefend, 0}}));
}

TEST_F(MovesTest, ThrowInWhileTheComputerTakesKeepsItTaking) {
  GivePlayer(L({{9, Clubs}}));
  GiveComputer(L({{6, Diamonds}, {7, Diamonds}}));
  PlayerPlays(9, Spades, 0);
  game.PlayMode = pmThrowIn;
  game.CompAction = caTakes;
  Click(9, Clubs);
  EXPECT_EQ(game.Calls, (std::vector<std::pair<int, int>>{{caTakes, 0}}));
}

TEST_F(MovesTest, ThrowInBeyondWhatTheComputerCanAnswerBlocksTheCards) {
  GivePlayer(L({{9, Clubs}}));
  GiveComputer(L({{6, Diamonds}}));
  PlayerPlays(9, Spades, 0);  // one unanswered card against a one-card hand
  game.PlayMode = pmThrowIn;
  Click(9, Clubs);
  EXPECT_EQ(game.SpeechLog, (std::vector<int>{0, 12}));
  EXPECT_EQ(game.PlayMode, pmNone);
  EXPECT_EQ(game.PlayerHand.size(), 1u);
}

TEST_F(MovesTest, AttackRowNeverExceedsSixCards) {
  GivePlayer(L({{9, Clubs}}));
  GiveComputer(L({{6, Diamonds}, {7, Diamonds}, {8, Diamonds}}));
  for (int i = 0; i < 6; ++i) {
    PlayerPlays(6 + i, Spades, i);
    ComputerPlays(6 + i, Hearts, i);
  }
  game.PlayMode = pmThrowIn;
  Click(9, Clubs);
  EXPECT_EQ(game.SpeechLog.back(), 12);
  EXPECT_EQ(game.PlayMode, pmNone);
}

TEST_F(MovesTest, BeruLetsTheComputerThrowInThenThePlayerTakes) {
  GivePlayer(L({{9, Clubs}}));
  GiveComputer(L({{6, Diamonds}, {7, Diamonds}}));
  ComputerPlays(8, Clubs, 0);
  game.SetButton(TakeButton, true);
  game.TakePressed();
  EXPECT_FALSE(game.ButtonVisible[TakeButton]);
  EXPECT_EQ(game.Calls, (std::vector<std::pair<int, int>>{{caThrowIn, 1}, {caLead, 0}}));
  EXPECT_TRUE(ListHasTag(game.PlayerHand, TagOf(8, Clubs)));
  EXPECT_TRUE(ListHasTag(game.KnownCards, TagOf(8, Clubs)));
  EXPECT_EQ(game.CompAction, caLead);
}

TEST_F(MovesTest, ZabiraiMakesTheComputerTakeAndThePlayerLeads) {
  GivePlayer(L({{9, Clubs}}));
  GiveComputer(L({{6, Diamonds}}));
  PlayerPlays(8, Clubs, 0);
  game.SetButton(ComputerTakesButton, true);
  game.ComputerTakesPressed();
  EXPECT_FALSE(game.ButtonVisible[ComputerTakesButton]);
  EXPECT_TRUE(ListHasTag(game.CompHand, TagOf(8, Clubs)));
  EXPECT_EQ(Card(8, Clubs).CardState(), 0);
  EXPECT_EQ(game.SpeechLog.back(), 11);
  EXPECT_EQ(game.PlayMode, pmLead);
  EXPECT_EQ(game.CompAction, caNothing);
}

TEST_F(MovesTest, BitoDiscardsAndTheComputerLeads) {
  GivePlayer(L({{9, Clubs}}));
  GiveComputer(L({{6, Diamonds}}));
  PlayerPlays(8, Clubs, 0);
  ComputerPlays(10, Clubs, 0);
  game.SetButton(DiscardButton, true);
  game.DiscardPressed();
  EXPECT_EQ(Tags(game.Discard), Tags(L({{8, Clubs}, {10, Clubs}})));
  EXPECT_EQ(game.SpeechLog.back(), 0);
  EXPECT_EQ(game.Calls, (std::vector<std::pair<int, int>>{{caLead, 0}}));
  EXPECT_EQ(game.PlayMode, pmNone);
}

}  // namespace
}  // namespace durak::testing

// The computer's lead and throw-in, by the size of the stock.
#include "AiFixture.h"

namespace durak::testing {
namespace {

class AttackTest : public AiTest {
 protected:
  // Leads and returns the computer's row.
  std::vector<int> Lead() {
    game.ComputerMove(caLead, 0);
    return RowTags(game.CompRow);
  }
  std::vector<int> Slot0(const TCardInfo& k) { return {k.Tag, 0, 0, 0, 0, 0}; }
};

TEST_F(AttackTest, FullStockLeadsTheLowestPlainCardAndEndsAsALead) {
  game.Trump = S;
  game.CompHand = L({K(7, S), K(9, H), K(6, D)});
  game.PlayerHand = L({K(10, C), K(11, C)});
  FillStock(20);
  NothingKnown();
  EXPECT_EQ(Lead(), Slot0(K(6, D)));
  EXPECT_EQ(Speeches(), std::vector<int>{1});
  EXPECT_EQ(game.PlayMode, pmDefend);
  EXPECT_EQ(game.CompAction, caNothing);
  EXPECT_TRUE(Button(TakeButton));
  EXPECT_EQ(Tags(game.TableCards), std::vector<int>{TagOf(6, D)});
  EXPECT_EQ(Tags(game.CompHand), (std::vector<int>{TagOf(7, S), TagOf(9, H)}));
}

TEST_F(AttackTest, FullStockWithOnlyTrumpsLeadsTheLowestTrump) {
  game.Trump = S;
  game.CompHand = L({K(12, S), K(8, S), K(10, S)});
  game.PlayerHand = L({K(10, C)});
  FillStock(16);
  NothingKnown();
  EXPECT_EQ(Lead(), Slot0(K(8, S)));
}

TEST_F(AttackTest, MiddleStockPrefersALowPlainCardThatIsTopOfItsSuit) {
  game.Trump = H;
  // Every club above the ten is accounted for: the club ten scores 4, the seven of
  // diamonds only 3. The club jack, safe as well, is above the bonus ranks.
  game.Discard = L({K(11, C), K(12, C), K(13, C), K(14, C), K(12, S), K(13, S), K(14, S)});
  game.CompHand = L({K(10, C), K(7, D), K(11, S)});
  game.PlayerHand = L({K(6, C), K(6, S)});
  FillStock(10);
  NothingKnown();
  EXPECT_EQ(Lead(), Slot0(K(10, C)));
}

TEST_F(AttackTest, MiddleStockJackGainsNothingForBeingSafe) {
  game.Trump = H;
  game.Discard = L({K(12, S), K(13, S), K(14, S)});
  game.CompHand = L({K(11, S), K(10, D)});
  game.PlayerHand = L({K(6, C)});
  FillStock(10);
  NothingKnown();
  EXPECT_EQ(Lead(), Slot0(K(10, D)));  // both score 3; the lower rank goes
}

TEST_F(AttackTest, LateStockPairsOfLowRanks) {
  game.Trump = H;
  game.PlayerHand = L({K(6, C), K(7, C)});
  // A plain pair of eights gains 1 each and beats the lone seven of spades (both 3 else).
  game.CompHand = L({K(7, S), K(8, S), K(8, D)});
  FillStock(5);
  NothingKnown();
  EXPECT_EQ(Lead(), Slot0(K(8, S)));
}

TEST_F(AttackTest, LateStockPairWithTheTrumpOfItsRankGainsNothing) {
  game.Trump = H;
  game.PlayerHand = L({K(6, C), K(7, C)});
  game.CompHand = L({K(8, S), K(8, H), K(7, D)});
  FillStock(5);
  NothingKnown();
  EXPECT_EQ(Lead(), Slot0(K(7, D)));
}

TEST_F(AttackTest, LateStockThreeOfARankGainEvenWithTheTrump) {
  game.Trump = H;
  game.PlayerHand = L({K(6, C), K(7, C)});
  game.CompHand = L({K(8, S), K(8, H), K(8, D), K(7, D)});
  FillStock(5);
  NothingKnown();
  EXPECT_EQ(Lead(), Slot0(K(8, S)));
}

TEST_F(AttackTest, LateStockAvoidsARankThePlayerCanTransferWith) {
  game.Trump = H;
  game.TransferOn = true;
  game.PlayerHand = L({K(9, C), K(6, C)});
  game.CompHand = L({K(9, S), K(10, D)});
  FillStock(5);
  NothingKnown();
  game.KnownCards = L({K(9, C)});
  EXPECT_EQ(Lead(), Slot0(K(10, D)));  // the nine loses 1: the player holds a nine
}

TEST_F(AttackTest, EndgameMultiCardLeadPutsTheWholeHandDown) {
  game.Trump = H;
  game.MultiLeadOn = true;
  game.CompHand = L({K(9, S), K(9, C), K(9, D)});
  game.PlayerHand = L({K(6, S), K(6, C), K(7, S), K(7, C), K(8, S)});
  AllKnown();
  EXPECT_EQ(Lead(), (std::vector<int>{TagOf(9, S), TagOf(9, C), TagOf(9, D), 0, 0, 0}));
  // Its hand is empty with the stock gone and the player can answer only 3 of 5: it wins.
  EXPECT_EQ(Speeches(), (std::vector<int>{1, 4}));
  EXPECT_EQ(game.DealResult, drComputerWon);
  EXPECT_EQ(game.PlayMode, pmNone);
  EXPECT_FALSE(Button(TakeButton));
}

TEST_F(AttackTest, EndgameWithoutMultiCardLeadChoosesOneCard) {
  game.Trump = H;
  game.CompHand = L({K(9, S), K(9, C), K(9, D)});
  game.PlayerHand = L({K(6, S), K(6, C), K(7, S), K(7, C), K(8, S)});
  AllKnown();
  const std::vector<int> row = Lead();
  EXPECT_EQ(RowCount(game.CompRow), 1);
  EXPECT_EQ(row[0], TagOf(9, S));  // every nine scores alike: hand order decides
}

TEST_F(AttackTest, EndgameLeadsWhatThePlayerCannotBeat) {
  game.Trump = H;
  game.CompHand = L({K(7, S), K(13, D)});
  game.PlayerHand = L({K(8, S), K(6, D), K(14, C)});
  AllKnown();
  // The king of diamonds is beaten by nothing known and no trump is known: it scores 4.
  EXPECT_EQ(Lead(), Slot0(K(13, D)));
}

TEST_F(AttackTest, EndgameWithTooManyDoubtfulRanksFallsBackToTheLowestCard) {
  game.Trump = H;
  game.CompHand = L({K(12, C), K(13, D), K(7, S)});
  game.PlayerHand = L({K(8, S), K(6, D), K(14, C)});
  AllKnown();
  // Three ranks and only one safe: every card is rescored to 0 and the lowest goes.
  EXPECT_EQ(Lead(), Slot0(K(7, S)));
}

class ThrowInTest : public AiTest {
 protected:
  // The computer led `led` and the player beat it with `beat`.
  void Bout(const TCardInfo& led, const TCardInfo& beat) {
    ComputerPlays(led, 0);
    PlayerPlays(beat, 0);
  }
};

TEST_F(ThrowInTest, OnlyRanksOnTheTableNothingLeftEndsTheBout) {
  game.Trump = H;
  Bout(K(7, S), K(9, S));
  game.CompHand = L({K(8, C), K(10, D), K(12, C), K(6, D), K(11, S)});
  game.PlayerHand = L({K(6, C), K(13, S), K(14, S), K(14, D), K(13, D)});
  FillStock(12);
  NothingKnown();
  game.ComputerMove(caThrowIn, 0);
  EXPECT_EQ(Speeches(), std::vector<int>{10});
  EXPECT_EQ(game.PlayMode, pmLead);
  EXPECT_EQ(game.CompAction, caNothing);
  EXPECT_TRUE(game.TableCards.empty());
  EXPECT_EQ(game.Discard.size(), 2u);
  EXPECT_EQ(game.CompHand.size(), 6u);  // the computer draws first
  EXPECT_FALSE(Button(TakeButton));
}

TEST_F(ThrowInTest, OneCardAfterThePlayerBeat) {
  game.Trump = H;
  Bout(K(7, S), K(9, S));
  game.CompHand = L({K(9, C), K(7, D), K(12, C), K(7, H)});
  game.PlayerHand = L({K(6, C), K(13, S), K(14, S), K(14, D), K(13, D)});
  FillStock(12);
  NothingKnown();
  game.ComputerMove(caThrowIn, 0);
  // The trump seven is barred; the nine and the seven of diamonds score 7: lower rank first.
  EXPECT_EQ(RowTags(game.CompRow), (std::vector<int>{TagOf(7, S), TagOf(7, D), 0, 0, 0, 0}));
  EXPECT_EQ(Speeches(), std::vector<int>{7});
  EXPECT_EQ(game.PlayMode, pmDefend);
  EXPECT_TRUE(Button(TakeButton));
}

TEST_F(ThrowInTest, HighCardsOnTheTableStopTheThrowInWhileTheStockIsLarge) {
  game.Trump = H;
  Bout(K(12, S), K(12, H));  // (12 + 21) / 2 = 16.5: the table is strong
  game.CompHand = L({K(12, C), K(6, D)});
  game.PlayerHand = L({K(6, C), K(13, S)});
  FillStock(12);
  NothingKnown();
  game.ComputerMove(caThrowIn, 0);
  EXPECT_EQ(Speeches(), std::vector<int>{10});
  EXPECT_TRUE(ListHasTag(game.CompHand, TagOf(12, C)));
  EXPECT_EQ(game.Discard.size(), 2u);
}

TEST_F(ThrowInTest, ATrumpQueenIsNeverThrownInWhileTheStockLasts) {
  game.Trump = H;
  Bout(K(12, S), K(13, S));
  game.CompHand = L({K(12, H), K(6, D)});
  game.PlayerHand = L({K(6, C), K(7, C)});
  FillStock(3);
  NothingKnown();
  game.ComputerMove(caThrowIn, 0);
  EXPECT_EQ(Speeches(), std::vector<int>{10});
}

TEST_F(ThrowInTest, BeforeATakeRoomForOnlyOneMoreCard) {
  game.Trump = H;
  for (int i = 0; i < 5; ++i) ComputerPlays(K(6 + i, i % 2 ? S : C), i);
  game.CompHand = L({K(6, D), K(7, D), K(8, D)});
  game.PlayerHand = L({K(6, H), K(7, H), K(8, H), K(9, H), K(10, H), K(11, H)});
  FillStock(4);
  NothingKnown();
  game.ComputerMove(caThrowIn, 1);
  EXPECT_EQ(RowCount(game.CompRow), 6);  // 6 cards in hand less 5 unanswered: one more
  EXPECT_EQ(game.CompHand.size(), 2u);
  EXPECT_EQ(game.PlayMode, pmNone);
  EXPECT_TRUE(Speeches().empty());
  EXPECT_FALSE(Button(TakeButton));
}

TEST_F(ThrowInTest, BeforeATakeEveryEligibleCardInTurn) {
  game.Trump = H;
  Bout(K(8, S), K(10, S));
  game.CompHand = L({K(10, C), K(8, D), K(14, C), K(8, C)});
  game.PlayerHand = L({K(6, C), K(7, C), K(9, C), K(12, D)});
  FillStock(6);
  NothingKnown();
  game.ComputerMove(caThrowIn, 1);
  // Low plain cards score 7 with afterTake; the ten scores 1. Filled lowest first.
  EXPECT_EQ(RowTags(game.CompRow),
            (std::vector<int>{TagOf(8, S), TagOf(8, D), TagOf(8, C), TagOf(10, C), 0, 0}));
  EXPECT_EQ(game.PlayMode, pmNone);
}

TEST_F(ThrowInTest, BeforeATakeNoMoreOpenCardsThanThePlayerHolds) {
  // Three eights to spare and room for five more in the attack, but the player holds three
  // cards: one is open already, so two more at most.
  game.Trump = S;
  ComputerPlays(K(8, S), 0);
  game.CompHand = L({K(8, D), K(8, C), K(8, H), K(13, D)});
  game.PlayerHand = L({K(6, C), K(7, C), K(9, C)});
  FillStock(6);
  NothingKnown();
  game.ComputerMove(caThrowIn, 1);
  EXPECT_EQ(RowCount(game.CompRow), 3);
  EXPECT_EQ(game.CompHand.size(), 2u);
}

TEST_F(ThrowInTest, NoRoomWhenThePlayerCannotFaceAnotherCard) {
  game.Trump = H;
  ComputerPlays(K(8, S), 0);
  ComputerPlays(K(8, C), 1);
  game.CompHand = L({K(8, D)});
  game.PlayerHand = L({K(6, C), K(7, C)});
  FillStock(6);
  NothingKnown();
  game.ComputerMove(caThrowIn, 1);
  EXPECT_EQ(RowCount(game.CompRow), 2);
  EXPECT_EQ(game.PlayMode, pmNone);
}

}  // namespace
}  // namespace durak::testing

// The computer's defence: transfer, beat every open card, or take.
#include "AiFixture.h"

namespace durak::testing {
namespace {

class DefenceTest : public AiTest {
 protected:
  // The player has led these cards; the player's hand is six free cards unless set.
  void Defend(std::initializer_list<TCardInfo> led, const TCardList& hand, int stock) {
    int slot = 0;
    for (const TCardInfo& k : led) {
      while (game.PlayerRow[slot].Rank != 0) ++slot;
      PlayerPlays(k, slot);
    }
    game.CompHand = hand;
    for (int tag = 35; tag >= 1 && game.PlayerHand.size() < 6 && !playerSet_; --tag)
      if (SuitOfTag(tag) != game.Trump && !Used(tag)) game.PlayerHand.push_back(CardInfoOfTag(tag));
    FillStock(stock);
    NothingKnown();
    game.CompAction = caDefend;
    game.ComputerMove(caDefend, 0);
  }
  void PlayerHolds(const TCardList& hand) {
    game.PlayerHand = hand;
    playerSet_ = true;
  }
  int BeaterOf(int slot) const { return game.CompRow[slot].Rank ? game.CompRow[slot].Tag : 0; }
  bool Took() const { return RowCount(game.CompRow) == 0 && Button(ComputerTakesButton); }

 private:
  bool playerSet_ = false;
};

TEST_F(DefenceTest, BeatsWithinTheSuitAndOffersBito) {
  game.Trump = H;
  Defend({K(9, S)}, L({K(10, S), K(6, H), K(12, D)}), 20);
  EXPECT_EQ(BeaterOf(0), TagOf(10, S));
  EXPECT_EQ(Speeches(), std::vector<int>{3});
  EXPECT_EQ(game.PlayMode, pmThrowIn);
  EXPECT_EQ(game.CompAction, caNothing);
  EXPECT_TRUE(Button(DiscardButton));
  EXPECT_FALSE(Button(ComputerTakesButton));
  EXPECT_FALSE(Button(TakeButton));
}

TEST_F(DefenceTest, NoTrumpAtAllWhileTheStockIsLargeSoItTakes) {
  game.Trump = H;
  Defend({K(9, S)}, L({K(6, H), K(12, D)}), 20);
  EXPECT_TRUE(Took());
  EXPECT_EQ(Speeches(), std::vector<int>{2});
  EXPECT_EQ(game.PlayMode, pmThrowIn);
  EXPECT_EQ(game.CompAction, caTakes);
  EXPECT_FALSE(Button(DiscardButton));
}

struct TBanCase {
  int Stock, TrumpRank;
  bool Beats;
};

// Names the case in the test list: the stock and the trump's rank.
void PrintTo(const TBanCase& c, std::ostream* os) {
  *os << "stock" << c.Stock << "_trump" << c.TrumpRank << (c.Beats ? "_beats" : "_takes");
}

class TrumpBanTest : public DefenceTest, public ::testing::WithParamInterface<TBanCase> {};

TEST_P(TrumpBanTest, TrumpsAllowedByTheStock) {
  const TBanCase c = GetParam();
  game.Trump = H;
  Defend({K(9, S)}, L({K(c.TrumpRank, H), K(7, D)}), c.Stock);
  EXPECT_EQ(BeaterOf(0), c.Beats ? TagOf(c.TrumpRank, H) : 0);
  EXPECT_EQ(Took(), !c.Beats);
}

INSTANTIATE_TEST_SUITE_P(Bands, TrumpBanTest,
                         ::testing::Values(TBanCase{17, 6, false}, TBanCase{16, 8, true},
                                           TBanCase{12, 8, true}, TBanCase{12, 9, false},
                                           TBanCase{9, 9, false}, TBanCase{8, 10, true},
                                           TBanCase{5, 11, false}, TBanCase{2, 13, false},
                                           TBanCase{1, 14, true}, TBanCase{0, 13, true}));

TEST_F(DefenceTest, TheSuitBeforeATrumpAndTheCloserBeatFirst) {
  game.Trump = H;
  Defend({K(7, S)}, L({K(6, H), K(13, S)}), 5);
  EXPECT_EQ(BeaterOf(0), TagOf(13, S));  // base 3 against 0 for the trump
}

TEST_F(DefenceTest, TheCloserOfTwoBeatersInTheSuit) {
  game.Trump = H;
  Defend({K(7, S)}, L({K(13, S), K(8, S)}), 12);
  EXPECT_EQ(BeaterOf(0), TagOf(8, S));
}

TEST_F(DefenceTest, EqualScoresGoToTheLowerRank) {
  game.Trump = H;
  Defend({K(6, S)}, L({K(13, S), K(11, S)}), 12);
  EXPECT_EQ(BeaterOf(0), TagOf(11, S));
}

TEST_F(DefenceTest, TheHighestTargetIsServedFirst) {
  game.Trump = H;
  // The ace of clubs takes the only trump allowed; the seven of clubs then gets the eight.
  Defend({K(7, C), K(14, C)}, L({K(6, H), K(8, C), K(12, D)}), 5);
  EXPECT_EQ(BeaterOf(0), TagOf(8, C));
  EXPECT_EQ(BeaterOf(1), TagOf(6, H));
  EXPECT_EQ(Speeches(), std::vector<int>{3});
}

TEST_F(DefenceTest, OneUnbeatableCardMakesTheWholeDefenceATake) {
  game.Trump = H;
  Defend({K(7, C), K(14, D)}, L({K(8, C), K(9, S)}), 5);
  EXPECT_TRUE(Took());
  EXPECT_EQ(Tags(game.CompHand), (std::vector<int>{TagOf(8, C), TagOf(9, S)}));
}

TEST_F(DefenceTest, ATakeWithSixCardsOnTheTableAllowsNoMore) {
  game.Trump = H;
  // Trumps from the nine up are held back at this stock: the eight of spades is left open.
  Defend({K(6, S), K(7, S), K(8, S), K(9, S), K(10, S), K(14, S)},
         L({K(6, H), K(7, H), K(8, H), K(9, H), K(10, H), K(11, H), K(12, C)}), 12);
  EXPECT_TRUE(Took());
  EXPECT_EQ(Speeches(), std::vector<int>{13});
  EXPECT_EQ(game.PlayMode, pmNone);
  EXPECT_EQ(game.CompAction, caNothing);
  EXPECT_TRUE(Button(ComputerTakesButton));
}

TEST_F(DefenceTest, BeatingTheSixthCardLeavesOnlyTheButtons) {
  game.Trump = H;
  Defend({K(6, S), K(6, C), K(6, D), K(7, S), K(7, C), K(7, D)},
         L({K(8, S), K(8, C), K(8, D), K(9, S), K(9, C), K(9, D), K(14, C)}), 12);
  EXPECT_EQ(RowCount(game.CompRow), 6);
  EXPECT_EQ(Speeches(), std::vector<int>{12});
  EXPECT_EQ(game.PlayMode, pmNone);
  EXPECT_TRUE(Button(DiscardButton));
}

class TransferTest : public DefenceTest {
 protected:
  void SetUp() override { game.TransferOn = true; }
};

TEST_F(TransferTest, TransfersWithAPlainCardWhenItHoldsNothingHigherInTheSuit) {
  game.Trump = H;
  Defend({K(7, C)}, L({K(7, D), K(6, C), K(12, S)}), 10);
  EXPECT_EQ(RowTags(game.CompRow), (std::vector<int>{TagOf(7, C), TagOf(7, D), 0, 0, 0, 0}));
  EXPECT_EQ(RowCount(game.PlayerRow), 0);
  EXPECT_EQ(Speeches(), std::vector<int>{15});
  EXPECT_EQ(game.PlayMode, pmDefend);
  EXPECT_TRUE(Button(TakeButton));
}

TEST_F(TransferTest, NeverWithATrumpWhileTheStockLasts) {
  game.Trump = H;
  Defend({K(7, C)}, L({K(7, H), K(12, S)}), 10);
  EXPECT_EQ(game.CompRow[1].Rank, 0);
  EXPECT_EQ(BeaterOf(0), TagOf(7, H));  // it beats with that trump instead
}

TEST_F(TransferTest, HoldingAHigherCardOfTheLedSuitItBeats) {
  game.Trump = H;
  Defend({K(7, C)}, L({K(7, D), K(9, C)}), 10);
  EXPECT_EQ(BeaterOf(0), TagOf(9, C));
  EXPECT_EQ(Speeches(), std::vector<int>{3});
}

TEST_F(TransferTest, NotWhenThePlayerCouldNotFaceAnotherCard) {
  game.Trump = H;
  PlayerHolds(L({K(6, S)}));
  Defend({K(7, C)}, L({K(7, D), K(12, S)}), 10);
  EXPECT_TRUE(Took());
  EXPECT_EQ(Speeches(), std::vector<int>{2});
}

TEST_F(TransferTest, NotOnceACardOfTheBoutIsAnswered) {
  game.Trump = H;
  game.CompRow[0] = K(8, C);
  game.TableCards.push_back(K(8, C));
  Defend({K(7, C), K(7, S)}, L({K(7, D), K(12, S)}), 10);
  EXPECT_EQ(BeaterOf(1), TagOf(12, S));
  EXPECT_EQ(Speeches(), std::vector<int>{3});
}

TEST_F(TransferTest, EndgameTransfersWhenTheKnownHandCannotAnswer) {
  game.Trump = H;
  game.PlayerHand = L({K(6, S), K(6, D), K(8, C)});
  PlayerPlays(K(7, C), 0);
  game.CompHand = L({K(7, D), K(10, C), K(13, S)});
  AllKnown();
  game.CompAction = caDefend;
  game.ComputerMove(caDefend, 0);
  EXPECT_EQ(Speeches(), std::vector<int>{15});
  EXPECT_EQ(game.CompRow[1].Tag, TagOf(7, D));
}

TEST_F(TransferTest, EndgameBeatsWhenTheKnownHandCouldAnswer) {
  game.Trump = H;
  game.PlayerHand = L({K(6, S), K(9, D), K(8, C)});
  PlayerPlays(K(7, C), 0);
  game.CompHand = L({K(7, D), K(10, C), K(13, S)});
  AllKnown();
  game.CompAction = caDefend;
  game.ComputerMove(caDefend, 0);
  EXPECT_EQ(Speeches(), std::vector<int>{3});
  EXPECT_EQ(BeaterOf(0), TagOf(10, C));
}

}  // namespace
}  // namespace durak::testing

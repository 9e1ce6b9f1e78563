// The computer's decisions on both sides of every stock band and cap: one table row per
// side of each boundary, so that a threshold moved by one card shows.
#include "AiFixture.h"

namespace durak::testing {
namespace {

class BandTest : public AiTest {
 protected:
  // The computer leads; returns the card it put down first.
  int LeadWith(int stock) {
    FillStock(stock);
    NothingKnown();
    game.ComputerMove(caLead, 0);
    return game.CompRow[0].Rank ? game.CompRow[0].Tag : 0;
  }
  // The computer led `led`, the player beat it with `beat`; the computer may throw in.
  // Returns the card thrown in, 0 for none.
  int ThrowInWith(const TCardInfo& led, const TCardInfo& beat, int stock, bool known) {
    ComputerPlays(led, 0);
    PlayerPlays(beat, 0);
    FillStock(stock);
    if (known)
      AllKnown();
    else
      NothingKnown();
    game.ComputerMove(caThrowIn, 0);
    return game.CompRow[1].Rank ? game.CompRow[1].Tag : 0;
  }
};

struct TLeadCase {
  int Stock;
  int Rank, Suit;  // the card led
};

// Names the case in the test list: the stock and the card led.
void PrintTo(const TLeadCase& c, std::ostream* os) {
  *os << "stock" << c.Stock << "_leads" << c.Rank << "_" << c.Suit;
}

class LeadBandTest : public BandTest, public ::testing::WithParamInterface<TLeadCase> {};

// A hand whose choice differs by band: the lowest plain card goes with a full stock; the
// middle and late bands prefer the club ten, top of its suit.
TEST_P(LeadBandTest, TheStockDecidesTheBand) {
  const TLeadCase c = GetParam();
  game.Trump = S;
  game.Discard = L({K(11, C), K(12, C), K(13, C), K(14, C)});
  game.CompHand = L({K(10, C), K(8, D), K(7, H)});
  game.PlayerHand = L({K(6, C), K(9, H)});
  EXPECT_EQ(LeadWith(c.Stock), TagOf(c.Rank, c.Suit));
}

INSTANTIATE_TEST_SUITE_P(Boundaries, LeadBandTest,
                         ::testing::Values(TLeadCase{17, 7, H}, TLeadCase{16, 7, H},
                                           TLeadCase{15, 10, C}, TLeadCase{8, 10, C},
                                           TLeadCase{7, 10, C}, TLeadCase{2, 10, C}));

// One stock size per case; each test checks its rule on both sides of its boundary, over
// the stock sizes where that rule decides.
class StockTest : public BandTest, public ::testing::WithParamInterface<int> {};
class LeadStockTest : public StockTest {};
class EarlyThrowInTest : public StockTest {};
class LateThrowInTest : public StockTest {};

// The late band's pair bonus against the middle band: a pair of eights and a lone six.
TEST_P(LeadStockTest, PairsCountFromSevenCardsDown) {
  const int stock = GetParam();
  game.Trump = S;
  game.CompHand = L({K(8, D), K(8, H), K(6, C)});
  game.PlayerHand = L({K(9, C), K(9, H)});
  const int led = LeadWith(stock);
  if (stock >= 8)
    EXPECT_EQ(led, TagOf(6, C));
  else
    EXPECT_EQ(RankOfTag(led), 8);
}

// A strong table stops the throw-in while the stock holds nine cards or more; below that a
// plain ten may still come.
TEST_P(LeadStockTest, StrongTableBarsTheThrowInFromNineCards) {
  const int stock = GetParam();
  game.Trump = S;
  game.CompHand = L({K(10, D), K(7, C)});
  game.PlayerHand = L({K(6, H), K(7, H), K(8, H)});
  // (10 + 13 + 9) / 2 = 16: the table is strong.
  const int thrown = ThrowInWith(K(10, H), K(13, S), stock, false);
  EXPECT_EQ(thrown, stock >= 9 ? 0 : TagOf(10, D));
}

// The strength that bars it: fourteen (a queen beaten by a trump seven) bars; thirteen (a
// queen beaten by the ace of its suit) does not.
TEST_P(EarlyThrowInTest, ATableOfStrengthFourteenIsStrong) {
  const int stock = GetParam();
  game.Trump = S;
  game.CompHand = L({K(12, D), K(7, C)});
  game.PlayerHand = L({K(6, H), K(7, H), K(8, H)});
  // (12 + 7 + 9) / 2 = 14.
  EXPECT_EQ(ThrowInWith(K(12, H), K(7, S), stock, false), 0);
}

TEST_P(EarlyThrowInTest, ATableOfStrengthThirteenIsNot) {
  const int stock = GetParam();
  game.Trump = S;
  game.CompHand = L({K(12, D), K(7, C)});
  game.PlayerHand = L({K(6, H), K(7, H), K(8, H)});
  // (12 + 14) / 2 = 13.
  EXPECT_EQ(ThrowInWith(K(12, H), K(14, H), stock, false), TagOf(12, D));
}

// From two cards in the stock the late band throws a plain nine in; at one card the
// endgame's knowledge of the player's hand bars it, since the player holds two higher clubs.
TEST_P(LateThrowInTest, TheEndgameThrowInStartsBelowTwoCards) {
  const int stock = GetParam();
  game.Trump = S;
  game.CompHand = L({K(9, C), K(6, H)});
  game.PlayerHand = L({K(12, C), K(13, C)});
  const int thrown = ThrowInWith(K(9, D), K(10, D), stock, true);
  EXPECT_EQ(thrown, stock >= 2 ? TagOf(9, C) : 0);
}

// Down to two cards: the stock bands of the lead and the strong table's bar.
INSTANTIATE_TEST_SUITE_P(Boundaries, LeadStockTest, ::testing::Values(10, 9, 8, 7, 2));
// Only the early band looks at the table's strength.
INSTANTIATE_TEST_SUITE_P(Boundaries, EarlyThrowInTest, ::testing::Values(10, 9));
// Below the early band, down to the endgame.
INSTANTIATE_TEST_SUITE_P(Boundaries, LateThrowInTest, ::testing::Values(8, 7, 2, 1));

// The attack holds six cards at most: with six on the table and every one beaten, the
// computer throws nothing more in though it holds cards of those ranks.
TEST_F(BandTest, NoSeventhCardIsThrownIn) {
  game.Trump = S;
  const int ranks[] = {6, 6, 7, 7, 8, 8};
  const int suits[] = {H, D, H, D, H, D};
  for (int i = 0; i < 6; ++i) {
    ComputerPlays(K(ranks[i], suits[i]), i);
    PlayerPlays(K(ranks[i] + 3, suits[i]), i);
  }
  game.CompHand = L({K(6, C), K(7, C), K(8, C)});
  game.PlayerHand = L({K(12, C), K(13, C), K(14, C), K(12, S)});
  FillStock(12);
  NothingKnown();
  game.ComputerMove(caThrowIn, 0);
  EXPECT_TRUE(ListHasTag(game.CompHand, TagOf(6, C)));
  EXPECT_TRUE(ListHasTag(game.CompHand, TagOf(7, C)));
  EXPECT_TRUE(ListHasTag(game.CompHand, TagOf(8, C)));
  EXPECT_EQ(game.Discard.size(), 12u);  // the bout ended: every table card discarded
}

// After the player's take the computer adds only as many cards as the player can still
// face: with two open cards and two in the player's hand, nothing more comes.
class RoomTest : public BandTest, public ::testing::WithParamInterface<int> {};

TEST_P(RoomTest, OpenCardsNeverOutnumberThePlayersHand) {
  const int playerCards = GetParam();
  game.Trump = S;
  ComputerPlays(K(6, H), 0);
  ComputerPlays(K(6, D), 1);
  game.CompHand = L({K(6, C), K(9, C)});
  for (int i = 0; i < playerCards; ++i) game.PlayerHand.push_back(K(12 + i, C));
  FillStock(12);
  NothingKnown();
  game.ComputerMove(caThrowIn, 1);
  EXPECT_EQ(ListHasTag(game.CompHand, TagOf(6, C)), playerCards <= 2);
}

INSTANTIATE_TEST_SUITE_P(Boundaries, RoomTest, ::testing::Values(2, 3));

// While the player defends: one card of two beaten, one open, and one card in the player's
// hand: the player could not face another, so none comes; with two cards in hand, one may.
TEST_P(RoomTest, NoThrowInBeyondWhatThePlayerCanFace) {
  const int playerCards = GetParam() - 1;
  game.Trump = S;
  ComputerPlays(K(6, H), 0);
  ComputerPlays(K(6, D), 1);
  PlayerPlays(K(9, H), 0);
  game.CompHand = L({K(6, C), K(9, C)});
  for (int i = 0; i < playerCards; ++i) game.PlayerHand.push_back(K(12 + i, C));
  FillStock(12);
  NothingKnown();
  game.ComputerMove(caThrowIn, 0);
  EXPECT_EQ(ListHasTag(game.CompHand, TagOf(6, C)), playerCards <= 1);
}

}  // namespace
}  // namespace durak::testing

// The easy player: its moves look natural, it decides on the seat's knowledge only, it is
// repeatable, and it plays whole deals soundly in either seat, weaker than the described
// computer and stronger than random clicks.
#include <gtest/gtest.h>

#include <sstream>

#include "EasyPlayer.h"
#include "Invariants.h"
#include "Play.h"
#include "SearchFixture.h"

namespace durak::testing {
namespace {

// The computer attacks the player with `attack` under hearts; the player holds `hand`.
TSearchState PlayerDefends(std::initializer_list<int> attack, std::initializer_list<int> hand) {
  TSearchState s;
  s.Trump = 4;
  s.Attacker = seatComputer;
  s.Phase = spDefend;
  int slot = 0;
  for (int card : attack) {
    s.Row[seatComputer][slot++] = static_cast<uint8_t>(card);
    s.Table |= CardBit(card);
  }
  for (int card : hand) s.Hand[seatPlayer] |= CardBit(card);
  s.Hand[seatComputer] = CardBit(35);
  s.Discard = kAllCards & ~(s.Table | s.Hand[0] | s.Hand[1]);
  return s;
}

TEST(EasyNatural, TakesOnlyWhenBeatingWouldCostATrumpOrIsImpossible) {
  const TMove take{mkTake, 0, 0};
  // The six of spades (1) and the seven of clubs (6) against the ace of spades (33) and the
  // eight of clubs (10): both beaten in suit, so taking would look absurd.
  EXPECT_FALSE(EasyNatural(PlayerDefends({1, 6}, {33, 10}), take));
  // Without the eight of clubs the seven needs a trump: taking is a natural choice.
  EXPECT_TRUE(EasyNatural(PlayerDefends({1, 6}, {33, 8}), take));
  // A trump attack (the six of hearts, 4) is never beaten in suit.
  EXPECT_TRUE(EasyNatural(PlayerDefends({4}, {8, 33}), take));
}

TEST(EasyNatural, KeepsTrumpsWhereAPlainCardDoes) {
  TSearchState s = PlayerDefends({1}, {33, 8});  // the seven of hearts (8) is a trump
  EXPECT_FALSE(EasyNatural(s, TMove{mkBeat, 8, 0})) << "the ace of spades would beat the six";
  EXPECT_TRUE(EasyNatural(s, TMove{mkBeat, 33, 0}));
  s.Hand[seatPlayer] = CardBit(8) | CardBit(2);
  EXPECT_TRUE(EasyNatural(s, TMove{mkBeat, 8, 0})) << "no spade beats the six";
  // While the stock lasts a trump is not led from a hand that holds plain cards.
  TSearchState lead;
  lead.Trump = 4;
  lead.Phase = spLead;
  lead.StockCount = 5;
  lead.Hand[seatPlayer] = CardBit(8) | CardBit(2);
  EXPECT_FALSE(EasyNatural(lead, TMove{mkPlay, 8, 0}));
  EXPECT_TRUE(EasyNatural(lead, TMove{mkPlay, 2, 0}));
  lead.StockCount = 0;
  EXPECT_TRUE(EasyNatural(lead, TMove{mkPlay, 8, 0})) << "with the stock gone anything goes";
}

class EasyTest : public ::testing::Test {
 protected:
  EasyTest() : game(cards.Pointers(), table, clock) {
    game.Layout = ComputeLayout(738, 530, 71, 96);
    game.Options = arTransfer | arMultiLead;
  }

  THeadlessCards cards;
  THeadlessTable table;
  TFixedClock clock{1};
  TGame game;
};

// Whole deals, the easy player in both seats: sound, finished, and every move it makes in
// the player's seat is one of the natural ones.
TEST_F(EasyTest, WholeDealsInBothSeatsAreSoundAndNatural) {
  TEasyChooser easy(9);
  game.Chooser = &easy;
  int checked = 0, strays = 0;
  for (uint32_t seed = 200; seed < 230; ++seed) {
    game.Options = seed % 2 ? (arTransfer | arMultiLead) : 0;
    clock.Value = seed;
    game.DealPressed();
    TRepetitionMemory memory;
    for (int i = 0; i < 600 && game.DealResult == drGoesOn; ++i) {
      ASSERT_EQ(CheckInvariants(game), "");
      TInfoSet info;
      ASSERT_TRUE(InfoOfPlayer(MakePlayerView(game), info));
      TSearchRandom random(seed + i);
      const TSearchState s = Determinize(info, random);
      TMoveList moves;
      GenerateMoves(s, moves);
      const TMove m = EasyMove(info, {}, seed * 1000u + i);
      ASSERT_TRUE(moves.Contains(m));
      EXPECT_TRUE(EasyNatural(s, m)) << "move " << int(m.Kind) << " card " << int(m.Card);
      ++checked;
      TMove best = moves.Items[0];
      for (const TMove& o : moves)
        if (PolicyScore(s, o) > PolicyScore(s, best)) best = o;
      strays += m != best;
      PlayHint(game, table, cards, EasyHint(game, seed, &memory));
    }
    EXPECT_NE(game.DealResult, drGoesOn) << "deal " << seed;
  }
  EXPECT_GT(checked, 300);
  // It strays now and then, not always and not never.
  EXPECT_GT(strays, checked / 20);
  EXPECT_LT(strays, checked * 3 / 4);
}

TEST_F(EasyTest, TheHintIgnoresTheComputersUnseenCardsAndRepeats) {
  int compared = 0;
  for (uint32_t seed = 1; seed <= 40 && compared < 12; ++seed) {
    clock.Value = seed;
    game.DealPressed();
    for (int i = 0; i < 4 && game.DealResult == drGoesOn; ++i)
      PlayHint(game, table, cards, EasyHint(game, seed + i));
    if (game.DealResult != drGoesOn || game.Deck.size() < 3) continue;
    TInfoSet info;
    if (!InfoOfPlayer(MakePlayerView(game), info)) continue;
    THeadlessCards otherCards;
    THeadlessTable otherTable;
    TGame other(otherCards.Pointers(), otherTable, clock);
    CopyGame(game, other, otherCards);
    size_t i = 0;
    while (i < other.CompHand.size() && ListHasTag(other.SeenCompCards, other.CompHand[i].Tag)) ++i;
    if (i == other.CompHand.size()) continue;
    std::swap(other.CompHand[i], other.Deck[other.Deck.size() - 1]);
    RemoveFromList(other.CompHand[i], other.UnseenCards);
    AddToList(other.Deck.back(), other.UnseenCards);
    ASSERT_EQ(CheckInvariants(other), "");
    for (uint64_t s = 0; s < 8; ++s) {
      const THint a = EasyHint(game, s), b = EasyHint(other, s), again = EasyHint(game, s);
      EXPECT_EQ(a.IsClick, b.IsClick);
      EXPECT_EQ(a.Tag, b.Tag);
      EXPECT_EQ(a.Menu, b.Menu);
      EXPECT_EQ(a.Button, b.Button);
      EXPECT_EQ(a.Tag, again.Tag);
      EXPECT_EQ(a.Button, again.Button);
    }
    ++compared;
  }
  EXPECT_GE(compared, 8);
}

TEST_F(EasyTest, TheComputerIgnoresThePlayersUnseenCards) {
  int compared = 0;
  for (uint32_t seed = 1; seed <= 40 && compared < 12; ++seed) {
    clock.Value = seed;
    game.DealPressed();
    for (int i = 0; i < 3 && game.DealResult == drGoesOn; ++i)
      PlayHint(game, table, cards, EasyHint(game, seed + i));
    if (game.DealResult != drGoesOn || game.Deck.size() < 3) continue;
    THeadlessCards otherCards;
    THeadlessTable otherTable;
    TGame other(otherCards.Pointers(), otherTable, clock);
    CopyGame(game, other, otherCards);
    size_t i = 0;
    while (i < other.PlayerHand.size() && ListHasTag(other.KnownCards, other.PlayerHand[i].Tag))
      ++i;
    if (i == other.PlayerHand.size()) continue;
    std::swap(other.PlayerHand[i], other.Deck[1]);
    ASSERT_EQ(CheckInvariants(other), "");
    for (uint64_t s = 0; s < 8; ++s) {
      TEasyChooser a(s), b(s);
      const std::vector<TMove> ma = a.Decide(InfoOfComputer(MakeCompView(game), caLead, 0));
      const std::vector<TMove> mb = b.Decide(InfoOfComputer(MakeCompView(other), caLead, 0));
      ASSERT_EQ(ma.size(), mb.size());
      for (size_t k = 0; k < ma.size(); ++k) EXPECT_EQ(ma[k].Code(), mb[k].Code());
    }
    ++compared;
  }
  EXPECT_GE(compared, 8);
}

// A short run of each pairing on the ladder: the described computer beats the easy player,
// and the easy player beats random clicks. The full measurement runs far more deals.
TEST(EasyPlay, SitsBetweenRandomClicksAndTheDescribedComputer) {
  std::ostringstream faults;
  TPlayConfig config;
  config.Games = 100;
  config.Seed = 8;
  config.Options = arTransfer | arMultiLead;
  config.Mirror = true;
  config.Opponent = "easy";
  const TPlaySummary vsDescribed = PlayDeals(config, faults);
  EXPECT_EQ(vsDescribed.Violations, 0u) << faults.str();
  EXPECT_LT(vsDescribed.Share, 0.4) << "the easy player's share against the described computer";

  config.Opponent = "random";
  config.Computer = "easy";
  const TPlaySummary vsRandom = PlayDeals(config, faults);
  EXPECT_EQ(vsRandom.Violations, 0u) << faults.str();
  EXPECT_LT(vsRandom.Share, 0.25) << "random clicks' share against the easy computer";
}

}  // namespace
}  // namespace durak::testing

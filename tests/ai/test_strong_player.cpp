// The strong player: its exact endgame search against plain minimax, its fairness (it
// decides on what the deciding side may know and nothing else), its repeatability, and
// whole deals with it in either seat.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <sstream>

#include "Invariants.h"
#include "Play.h"
#include "SearchFixture.h"
#include "StrongChooser.h"

namespace durak::testing {
namespace {

// Plain minimax over every move, for small positions; a position met again on the way
// counts as lost for the seat, as in the exact search.
int Minimax(const TSearchState& s, int seat, std::vector<TSearchState>& path) {
  if (s.Over()) {
    if (s.Result == 2) return 0;
    return (s.Result == -1 ? seatPlayer : seatComputer) == seat ? 1 : -1;
  }
  for (const TSearchState& p : path)
    if (std::memcmp(&p, &s, sizeof s) == 0) return -1;
  TMoveList moves;
  GenerateMoves(s, moves);
  const bool mine = s.Mover() == seat;
  int best = mine ? -2 : 2;
  path.push_back(s);
  for (const TMove& m : moves) {
    TSearchState child = s;
    ApplyMove(child, m);
    const int v = Minimax(child, seat, path);
    best = mine ? std::max(best, v) : std::min(best, v);
  }
  path.pop_back();
  return best;
}

int Minimax(const TSearchState& s, int seat) {
  std::vector<TSearchState> path;
  return Minimax(s, seat, path);
}

// A bout about to begin with the stock gone and a few cards in each hand.
TSearchState SmallEndgame(TSearchRandom& random, int perHand) {
  TSearchState s;
  s.Trump = static_cast<uint8_t>(1 + random.Below(4));
  s.TransferOn = random.Below(2) == 1;
  s.MultiLeadOn = random.Below(2) == 1;
  std::array<int, 36> pack{};
  for (int i = 0; i < 36; ++i) pack[i] = i + 1;
  for (int i = 35; i > 0; --i) std::swap(pack[i], pack[random.Below(i + 1)]);
  int next = 0;
  for (int seat = 0; seat < 2; ++seat) {
    const int n = 1 + static_cast<int>(random.Below(static_cast<uint32_t>(perHand)));
    for (int i = 0; i < n; ++i) s.Hand[seat] |= CardBit(pack[next++]);
  }
  for (; next < 36; ++next) s.Discard |= CardBit(pack[next]);
  s.Attacker = static_cast<uint8_t>(random.Below(2));
  s.Phase = spLead;
  return s;
}

// Ten thousand positions: most with one or two cards a hand, every tenth with up to three.
TEST(ExactSearch, AgreesWithPlainMinimaxOnSmallEndgames) {
  TSearchRandom random(99);
  int decided = 0, wins = 0, losses = 0, draws = 0;
  for (int i = 0; i < 10000; ++i) {
    const TSearchState s = SmallEndgame(random, i % 10 == 0 ? 3 : 2);
    const int seat = s.Mover();
    int value = 0;
    TMove best;
    ASSERT_TRUE(SolveExactly(s, seat, 10000000, value, best));
    ASSERT_EQ(value, Minimax(s, seat)) << Dump(s);
    // The move it names reaches that value.
    TSearchState child = s;
    ApplyMove(child, best);
    EXPECT_EQ(Minimax(child, seat), value) << Dump(s);
    ++decided;
    wins += value == 1;
    losses += value == -1;
    draws += value == 0;
  }
  EXPECT_EQ(decided, 10000);
  EXPECT_GT(wins, 500);  // the positions are not all of one kind
  EXPECT_GT(losses, 500);
  EXPECT_GT(draws, 20);
}

TEST(ExactSearch, GivesUpAtTheNodeLimit) {
  TSearchRandom random(5);
  TSearchState s = SmallEndgame(random, 4);
  s.Hand = {0x00000000F0F0F0F0ull & kAllCards, 0x0000000F0F0F0F0Full & kAllCards};
  s.Discard = kAllCards & ~(s.Hand[0] | s.Hand[1]);
  int value = 0;
  TMove best;
  long nodes = 0;
  EXPECT_FALSE(SolveExactly(s, s.Mover(), 50, value, best, &nodes));
  EXPECT_GT(nodes, 50);
}

// A game part-way through a deal, on headless cards.
class StrongTest : public ::testing::Test {
 protected:
  StrongTest() : game(cards.Pointers(), table, clock) {
    game.Layout = ComputeLayout(738, 530, 71, 96);
    game.Options = arTransfer | arMultiLead;
  }

  // Deals with the seed and lets the first-card opponent play `moves` inputs.
  void DealAndPlay(uint32_t seed, int moves) {
    clock.Value = seed;
    game.DealPressed();
    for (int i = 0; i < moves && game.DealResult == drGoesOn; ++i) {
      TInfoSet info;
      if (!InfoOfPlayer(MakePlayerView(game), info)) break;
      TStrongParams quick;
      quick.Iterations = 30;
      const THint h = StrongHint(game, seed + i, quick);
      PlayHint(game, table, cards, h);
    }
  }

  THeadlessCards cards;
  THeadlessTable table;
  TFixedClock clock{1};
  TGame game;
};

// Exchanges two cards between lists, keeping their places in them.
void Exchange(TCardList& a, size_t i, TCardList& b, size_t j) {
  std::swap(a[i], b[j]);
}

TEST_F(StrongTest, ALoneMoveInAKnownEndgameIsStillSolved) {
  // The stock is gone and every other card discarded: the player sees the computer's last
  // card. The six of clubs cannot beat the six of spades, so taking is the only move, and
  // the hint still says how the deal ends: the computer leads its eight after the take and
  // goes out first.
  game.NewGame();
  game.Options = 0;
  game.Trump = Hearts;
  game.PlayerHand = {CardInfoOfTag(2)};
  game.CompHand = {CardInfoOfTag(11)};
  for (int tag = 1; tag <= 36; ++tag)
    if (tag != 1 && tag != 2 && tag != 11) game.Discard.push_back(CardInfoOfTag(tag));
  game.CompRow[0] = CardInfoOfTag(1);
  game.TableCards.push_back(CardInfoOfTag(1));
  game.PlayMode = pmDefend;
  game.SetButton(TakeButton, true);
  TStrongStats stats;
  const THint h = StrongHint(game, 1, TStrongParams(), nullptr, &stats);
  ASSERT_TRUE(h.Valid);
  EXPECT_FALSE(h.IsClick);
  EXPECT_EQ(h.Button, TakeButton);
  EXPECT_EQ(stats.LegalMoves, 1);
  EXPECT_TRUE(h.Solved);
  EXPECT_EQ(h.Value, -1);
}

TEST_F(StrongTest, TheHintIgnoresTheComputersUnseenCards) {
  int compared = 0, differentDeals = 0;
  for (uint32_t seed = 1; seed <= 40 && compared < 12; ++seed) {
    DealAndPlay(seed, 3);
    if (game.DealResult != drGoesOn || game.Deck.size() < 3) continue;
    TInfoSet info;
    if (!InfoOfPlayer(MakePlayerView(game), info)) continue;
    // A copy in which a computer card the player has not seen changes places with a stock
    // card under the face-up trump card.
    THeadlessCards otherCards;
    THeadlessTable otherTable;
    TGame other(otherCards.Pointers(), otherTable, clock);
    CopyGame(game, other, otherCards);
    size_t i = 0;
    while (i < other.CompHand.size() && ListHasTag(other.SeenCompCards, other.CompHand[i].Tag)) ++i;
    if (i == other.CompHand.size()) continue;
    Exchange(other.CompHand, i, other.Deck, other.Deck.size() - 1);
    // The computer's memory follows: it knows its own cards, not the stock's.
    RemoveFromList(other.CompHand[i], other.UnseenCards);
    AddToList(other.Deck.back(), other.UnseenCards);
    ASSERT_EQ(CheckInvariants(other), "");
    TInfoSet otherInfo;
    ASSERT_TRUE(InfoOfPlayer(MakePlayerView(other), otherInfo));
    EXPECT_EQ(InfoHash(info), InfoHash(otherInfo));
    TStrongParams params;
    params.Iterations = 200;
    const THint a = StrongHint(game, 77, params);
    const THint b = StrongHint(other, 77, params);
    EXPECT_EQ(a.IsClick, b.IsClick);
    EXPECT_EQ(a.Tag, b.Tag);
    EXPECT_EQ(a.Menu, b.Menu);
    EXPECT_EQ(a.Button, b.Button);
    ++compared;
    differentDeals += FullState(game).Hand != FullState(other).Hand;
  }
  EXPECT_GE(compared, 8);
  EXPECT_EQ(differentDeals, compared);
}

TEST_F(StrongTest, TheComputerIgnoresThePlayersUnseenCards) {
  int compared = 0;
  for (uint32_t seed = 1; seed <= 40 && compared < 12; ++seed) {
    DealAndPlay(seed, 2);
    if (game.DealResult != drGoesOn || game.Deck.size() < 3) continue;
    THeadlessCards otherCards;
    THeadlessTable otherTable;
    TGame other(otherCards.Pointers(), otherTable, clock);
    CopyGame(game, other, otherCards);
    size_t i = 0;
    while (i < other.PlayerHand.size() && ListHasTag(other.KnownCards, other.PlayerHand[i].Tag))
      ++i;
    if (i == other.PlayerHand.size()) continue;
    Exchange(other.PlayerHand, i, other.Deck, 1);
    ASSERT_EQ(CheckInvariants(other), "");
    TStrongParams params;
    params.Iterations = 200;
    TStrongChooser a(params, 5), b(params, 5);
    // Whatever the bout, ask for the lead of a new one: the decision rests on the view alone.
    const TInfoSet infoA = InfoOfComputer(MakeCompView(game), caLead, 0);
    const TInfoSet infoB = InfoOfComputer(MakeCompView(other), caLead, 0);
    EXPECT_EQ(InfoHash(infoA), InfoHash(infoB));
    const std::vector<TMove> ma = a.Decide(infoA), mb = b.Decide(infoB);
    ASSERT_EQ(ma.size(), mb.size());
    for (size_t k = 0; k < ma.size(); ++k) EXPECT_EQ(ma[k].Code(), mb[k].Code());
    ++compared;
  }
  EXPECT_GE(compared, 8);
}

TEST_F(StrongTest, TheSameSeedGivesTheSameDecision) {
  DealAndPlay(12, 2);
  TStrongParams params;
  params.Iterations = 300;
  const THint a = StrongHint(game, 4, params), b = StrongHint(game, 4, params);
  EXPECT_TRUE(a.Valid);
  EXPECT_EQ(a.IsClick, b.IsClick);
  EXPECT_EQ(a.Tag, b.Tag);
  EXPECT_EQ(a.Menu, b.Menu);
  EXPECT_EQ(a.Button, b.Button);
}

TEST_F(StrongTest, WholeDealsWithTheStrongComputerStaySound) {
  TStrongParams params;
  params.Iterations = 60;
  static TStrongChooser strong(params, 3);
  game.Chooser = &strong;
  for (uint32_t seed = 100; seed < 112; ++seed) {
    game.Options = seed % 2 ? (arTransfer | arMultiLead) : 0;
    clock.Value = seed;
    game.DealPressed();
    for (int i = 0; i < 400 && game.DealResult == drGoesOn; ++i) {
      ASSERT_EQ(CheckInvariants(game), "");
      // The player plays the first card that acts, else the first button shown.
      TInfoSet info;
      ASSERT_TRUE(InfoOfPlayer(MakePlayerView(game), info));
      TSearchRandom r(seed);
      TSearchState s = Determinize(info, r);
      TMoveList moves;
      GenerateMoves(s, moves);
      ASSERT_GT(moves.Count, 0);
      const THint h = InputOfMove(s, moves.Items[0]);
      PlayHint(game, table, cards, h);
    }
    EXPECT_NE(game.DealResult, drGoesOn);
  }
}

TEST(StrongPlay, MirroredDealsAgainstTheDescribedComputer) {
  TPlayConfig config;
  config.Games = 6;
  config.Seed = 4;
  config.Options = arTransfer | arMultiLead;
  config.Opponent = "strong";
  config.Mirror = true;
  config.Iterations = 40;
  std::ostringstream faults;
  const TPlaySummary s = PlayDeals(config, faults);
  EXPECT_EQ(s.Violations, 0u) << faults.str();
  EXPECT_EQ(s.Deals, 12u);
  EXPECT_GT(s.Decisions, 12u);
  EXPECT_LE(s.ShareLow, s.Share);
  EXPECT_LE(s.Share, s.ShareHigh);
  const std::string line = SummaryLine(config, s);
  for (const char* key : {"strongShare", "strongShareLow", "strongShareHigh", "thinkMedianMs",
                          "thinkP99Ms", "thinkMaxMs"})
    EXPECT_NE(line.find(key), std::string::npos) << key;
}

// The memory of one deal: a position met again gets a move not chosen there before, until
// every move has had its turn; a new deal starts with a clean memory.
TEST_F(StrongTest, APositionThatComesBackGetsAnotherMove) {
  DealAndPlay(12, 2);
  TInfoSet info;
  ASSERT_TRUE(InfoOfPlayer(MakePlayerView(game), info));
  TMoveList legal;
  TSearchRandom r(1);
  const TSearchState s = Determinize(info, r);
  GenerateMoves(s, legal);
  ASSERT_GE(legal.Count, 3);
  TStrongParams params;
  params.Iterations = 100;
  TRepetitionMemory memory;
  std::vector<uint16_t> seen;
  for (int round = 0; round < legal.Count; ++round) {
    const THint h = StrongHint(game, 4, params, nullptr, nullptr, &memory);
    ASSERT_TRUE(h.Valid);
    const uint16_t code = static_cast<uint16_t>(h.IsClick ? h.Tag * 16 + h.Menu + 1 : h.Button);
    EXPECT_EQ(std::count(seen.begin(), seen.end(), code), 0) << "round " << round;
    seen.push_back(code);
  }
  // Every move has been chosen once: the next time may choose any of them again, and a
  // memory that has seen a later deal forgets this one.
  EXPECT_TRUE(StrongHint(game, 4, params, nullptr, nullptr, &memory).Valid);
  const THint fresh = StrongHint(game, 4, params);
  TRepetitionMemory other;
  TInfoSet later = info;
  later.Visible.StockCount = 0;
  other.Chosen(later);
  const THint again = StrongHint(game, 4, params, nullptr, nullptr, &other);
  EXPECT_EQ(again.Tag, fresh.Tag);
  EXPECT_EQ(again.Button, fresh.Button);
  EXPECT_EQ(again.Menu, fresh.Menu);
}

// A deal in which the strong player and the described computer sent the same cards to and
// fro for ever while neither could draw: the strong side now varies its move when the
// position comes back, and the deal ends.
TEST(StrongPlay, ADealGoingRoundInCirclesEnds) {
  TPlayConfig config;
  config.Games = 1;
  config.DealSeed = 269198954;
  config.Options = 11;
  config.Opponent = "strong";
  config.Mirror = true;
  config.EventLimit = 2000;
  std::ostringstream faults;
  const TPlaySummary s = PlayDeals(config, faults);
  EXPECT_EQ(s.Unfinished, 0u) << faults.str();
  EXPECT_EQ(s.Violations, 0u) << faults.str();
  EXPECT_EQ(s.Deals, 2u);
}

}  // namespace
}  // namespace durak::testing

// The shuffle, the deal, the trump and the leader of the first bout; the new-game command.
#include <set>

#include "EngineFixture.h"

namespace durak::testing {
namespace {

class DealTest : public EngineTest {};

TEST(RandomGenerator, AdvancesAndDrawsFromTheUpperBits) {
  TRandom r;
  r.Seed = 0;
  EXPECT_EQ(r.Draw(36), 0u);  // seed 1: (1 * 36) >> 32 = 0
  EXPECT_EQ(r.Seed, 1u);
  r.Seed = 0xFFFFFFFFu;
  r.Advance();
  EXPECT_EQ(r.Seed, static_cast<uint32_t>(0xFFFFFFFFull * 134775813ull + 1));
  r.Seed = 0x80000000u - 1;  // advances to a seed whose draw below 2 is 1 exactly when >= 2^31
  const uint32_t next = r.Seed * 134775813u + 1u;
  EXPECT_EQ(r.Draw(2), next >= 0x80000000u ? 1u : 0u);
}

TEST_F(DealTest, ShuffleIsAPermutationFixedByTheClock) {
  std::array<uint8_t, 36> a{}, b{};
  clock.Value = 777;
  game.Shuffle(a, 35);
  game.Shuffle(b, 35);
  EXPECT_EQ(a, b);
  std::set<int> seen(a.begin(), a.end());
  EXPECT_EQ(seen.size(), 36u);
  EXPECT_EQ(*seen.begin(), 1);
  EXPECT_EQ(*seen.rbegin(), 36);
  clock.Value = 778;
  game.Shuffle(b, 35);
  EXPECT_NE(a, b);
}

// The order written out as dealt on another machine, so a change to the generator, its
// constants or the number of exchanges shows here even when the formula is changed alike.
TEST_F(DealTest, AKnownClockGivesAKnownOrder) {
  clock.Value = 777;
  std::array<uint8_t, 36> order{};
  game.Shuffle(order, 35);
  const std::array<uint8_t, 36> expected{7,  9,  21, 24, 10, 34, 32, 25, 27, 20, 26, 36,
                                         23, 13, 29, 4,  15, 18, 3,  19, 35, 28, 31, 14,
                                         5,  30, 12, 1,  22, 6,  17, 2,  11, 33, 8,  16};
  EXPECT_EQ(order, expected);
}

TEST_F(DealTest, DealFollowsTheShuffledOrder) {
  clock.Value = 4242;
  std::array<uint8_t, 36> order{};
  game.Shuffle(order, 35);
  game.DealPressed();

  // Positions 0..5 to the player, 6..11 to the computer, 12..35 to the stock; 12 is the trump.
  std::set<int> player, comp;
  for (int i = 0; i < 6; ++i) player.insert(order[i]);
  for (int i = 6; i < 12; ++i) comp.insert(order[i]);
  const auto ph = Tags(game.PlayerHand), ch = Tags(game.CompHand);
  EXPECT_EQ(std::set<int>(ph.begin(), ph.end()), player);
  EXPECT_EQ(std::set<int>(ch.begin(), ch.end()), comp);
  ASSERT_EQ(game.Deck.size(), 24u);
  for (int i = 0; i < 24; ++i) EXPECT_EQ(game.Deck[i].Tag, order[12 + i]);
  EXPECT_EQ(game.Trump, SuitOfTag(order[12]));
  EXPECT_TRUE(table.TrumpVisible);
  EXPECT_EQ(table.TrumpSuit, game.Trump);
  // Unseen: the player's six and the stock without the trump card.
  EXPECT_EQ(game.UnseenCards.size(), 29u);
  EXPECT_FALSE(ListHasTag(game.UnseenCards, order[12]));
  EXPECT_TRUE(game.KnownCards.empty());
  // The trump card lies face up and sideways; the computer's cards face down.
  EXPECT_TRUE(game.GetCard(order[12]).Turned());
  EXPECT_EQ(game.GetCard(order[12]).CardState(), 1);
  for (int tag : ch) EXPECT_EQ(game.GetCard(tag).CardState(), 0);
  for (int tag : ph) {
    EXPECT_EQ(game.GetCard(tag).CardState(), 1);
    EXPECT_TRUE(game.GetCard(tag).Clickable());
  }
  EXPECT_FALSE(game.ButtonVisible[DealButton]);
  EXPECT_FALSE(game.Busy);
}

TEST_F(DealTest, TrumpCardIsDrawnLast) {
  clock.Value = 99;
  game.DealPressed();
  const int trumpTag = game.Deck[0].Tag;
  game.PlayerHand.clear();
  game.DrawCards(23, sdPlayer);
  EXPECT_EQ(game.Deck.size(), 1u);
  EXPECT_EQ(game.Deck[0].Tag, trumpTag);
  game.DrawCards(5, sdComputer);
  EXPECT_TRUE(game.Deck.empty());
  EXPECT_TRUE(ListHasTag(game.CompHand, trumpTag));
}

// Finds a clock value whose deal satisfies the predicate on (player's, computer's) lowest trump.
template <typename Pred>
uint32_t FindSeed(Pred pred) {
  for (uint32_t s = 1; s < 100000; ++s) {
    THeadlessCards c;
    THeadlessTable t;
    TFixedClock clk(s);
    TRecordingGame g(c.Pointers(), t, clk);
    std::array<uint8_t, 36> order{};
    g.Shuffle(order, 35);
    TCardList p, q;
    for (int i = 0; i < 6; ++i) p.push_back(CardInfoOfTag(order[i]));
    for (int i = 6; i < 12; ++i) q.push_back(CardInfoOfTag(order[i]));
    const int trump = SuitOfTag(order[12]);
    if (pred(LowestTrump(p, trump), LowestTrump(q, trump))) return s;
  }
  return 0;
}

TEST_F(DealTest, ComputerWithTheLowerTrumpLeadsAndShowsIt) {
  clock.Value = FindSeed([](int p, int c) { return c < p; });
  ASSERT_NE(clock.Value, 0u);
  game.DealPressed();
  EXPECT_EQ(game.Leader, 1);
  EXPECT_EQ(game.SpeechLog, (std::vector<int>{0, 19}));
  ASSERT_EQ(game.Calls.size(), 1u);
  EXPECT_EQ(game.Calls[0], std::make_pair(0, 0));
  EXPECT_EQ(game.CompAction, caLead);
  EXPECT_TRUE(game.ButtonVisible[TakeButton]);
  // The shown trump was turned up and down again.
  const int low = LowestTrump(game.CompHand, game.Trump);
  EXPECT_EQ(game.GetCard(FindCard(game.CompHand, game.Trump, low)).CardState(), 0);
}

TEST_F(DealTest, PlayerWithTheLowerTrumpLeadsSilently) {
  clock.Value = FindSeed([](int p, int c) { return p < c && c < 20; });
  ASSERT_NE(clock.Value, 0u);
  game.Options = arHotCards;
  game.DealPressed();
  EXPECT_EQ(game.Leader, 0);
  EXPECT_EQ(game.SpeechLog, (std::vector<int>{0, 18}));
  EXPECT_TRUE(game.Calls.empty());
  EXPECT_EQ(game.PlayMode, pmLead);
  for (const TCardInfo& k : game.PlayerHand) EXPECT_TRUE(game.GetCard(k.Tag).HotMouse());
  for (const TCardInfo& k : game.CompHand) EXPECT_EQ(game.GetCard(k.Tag).CardState(), 0);
}

TEST_F(DealTest, NoTrumpInEitherHandMeansThePlayerLeads) {
  clock.Value = FindSeed([](int p, int c) { return p == 20 && c == 20; });
  ASSERT_NE(clock.Value, 0u);
  game.DealPressed();
  EXPECT_EQ(game.Leader, 0);
  EXPECT_EQ(game.PlayMode, pmLead);
}

TEST_F(DealTest, WinnerOfThePreviousDealLeadsWithoutShowingATrump) {
  clock.Value = FindSeed([](int p, int c) { return c < p; });
  game.Leader = ldPlayer;
  game.DealPressed();
  EXPECT_EQ(game.Leader, 0);
  EXPECT_EQ(game.SpeechLog, (std::vector<int>{0, 18}));
  game.Leader = ldComputer;
  game.SpeechLog.clear();
  game.DealPressed();
  EXPECT_EQ(game.SpeechLog, (std::vector<int>{0}));
  EXPECT_EQ(game.Calls.back(), std::make_pair(0, 0));
}

TEST_F(DealTest, RuleOptionsAreLatchedAtTheDeal) {
  game.Options = arTransfer | arMultiLead;
  game.DealPressed();
  EXPECT_TRUE(game.TransferOn);
  EXPECT_TRUE(game.MultiLeadOn);
  game.Options = 0;  // changed during the deal: no effect until the next one
  EXPECT_TRUE(game.TransferOn);
  game.DealPressed();
  EXPECT_FALSE(game.TransferOn);
  EXPECT_FALSE(game.MultiLeadOn);
}

TEST_F(DealTest, BusyKeepsASecondPressFromDealing) {
  game.Busy = true;
  game.DealPressed();
  EXPECT_TRUE(game.PlayerHand.empty());
  EXPECT_TRUE(game.SpeechLog.empty());
}

TEST_F(DealTest, DealResetsTheResultOfTheLastDeal) {
  game.DealResult = drComputerWon;
  game.DealPressed();
  EXPECT_EQ(game.DealResult, drGoesOn);
}

TEST_F(DealTest, NewGameZeroesScoresAndSweepsTheTable) {
  game.DealPressed();
  game.PlayerScore = 3;
  game.ComputerScore = 2;
  game.Record.Games = 5;
  game.Leader = ldComputer;
  game.SetButton(TakeButton, true);
  game.SetButton(DefendButton, true);
  game.NewGame();
  EXPECT_EQ(game.PlayerScore, 0);
  EXPECT_EQ(game.ComputerScore, 0);
  EXPECT_EQ(table.Leds[PlayerScoreLed], 0);
  EXPECT_EQ(table.Leds[ComputerScoreLed], 0);
  EXPECT_EQ(table.Leds[StockLed], 0);
  EXPECT_EQ(game.Leader, 100);
  EXPECT_EQ(game.Record.Games, 5);
  EXPECT_TRUE(game.ButtonVisible[DealButton]);
  EXPECT_FALSE(game.ButtonVisible[TakeButton]);
  EXPECT_FALSE(game.ButtonVisible[DefendButton]);
  EXPECT_EQ(game.SpeechLog.back(), 14);
  for (int tag = 1; tag <= 36; ++tag) EXPECT_EQ(game.GetCard(tag).Left(), -100) << tag;
}

TEST_F(DealTest, NewGameLeavesNoCardOfTheOldDeal) {
  game.DealPressed();
  // A bout on the table, and a card in the discard pile.
  game.PlayerRow[0] = game.PlayerHand.front();
  game.TableCards.push_back(game.PlayerHand.front());
  RemoveFromList(game.PlayerHand.front(), game.PlayerHand);
  game.Discard.push_back(game.Deck.back());
  game.Deck.pop_back();
  game.NewGame();
  EXPECT_TRUE(game.PlayerHand.empty());
  EXPECT_TRUE(game.CompHand.empty());
  EXPECT_TRUE(game.Deck.empty());
  EXPECT_TRUE(game.TableCards.empty());
  EXPECT_TRUE(game.Discard.empty());
  EXPECT_EQ(RowCount(game.PlayerRow) + RowCount(game.CompRow), 0);
  EXPECT_FALSE(table.TrumpVisible);
  // A new window size or a new card library lays the table out again: it stays empty.
  game.ArrangeTable(800, 500, 71, 96);
  for (int tag = 1; tag <= 36; ++tag) {
    const ICardControl& c = game.GetCard(tag);
    EXPECT_TRUE(c.Left() + c.Width() <= 0 || c.Left() >= 800) << tag;
    EXPECT_FALSE(c.Clickable()) << tag;
  }
  EXPECT_EQ(table.Leds[StockLed], 0);
  // The next deal starts from the whole pack as before.
  game.DealPressed();
  EXPECT_EQ(game.PlayerHand.size() + game.CompHand.size() + game.Deck.size(), 36u);
}

}  // namespace
}  // namespace durak::testing

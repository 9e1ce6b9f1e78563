// Cards that grow with the table: the scale rule, and that the hands, the six pairs, the
// stock and the trump card lie clear of each other at every window size and with each deck.
#include <algorithm>
#include <cmath>
#include <string>

#include "EngineFixture.h"

namespace durak::testing {
namespace {

struct TRect {
  int L, T, W, H;
  bool Overlaps(const TRect& o) const {
    return L < o.L + o.W && o.L < L + W && T < o.T + o.H && o.T < T + H;
  }
};

TRect RectOf(const ICardControl& c) {
  return {c.Left(), c.Top(), c.Width(), c.Height()};
}

// The card packs the game ships: the library's card size of each.
struct TDeck {
  const char* Name;
  int W, H;
};
constexpr TDeck kDecks[] = {{"c36", 71, 106},
                            {"coloda-paris", 71, 111},
                            {"coloda-atlas-ru", 71, 106},
                            {"coloda-atlas-big", 107, 160}};

// Tables of the smallest window, 1280 x 1024 maximised, and 2560 x 1600 (each less the
// right-hand column, the bottom bar and the menu bar).
struct TTable {
  int W, H;
};
constexpr TTable kTables[] = {{SmallestTableWidth, SmallestTableHeight}, {1218, 954}, {2498, 1530}};

TEST(CardScale, IsOneAtTheSmallestWindowForEveryDeck) {
  for (const TDeck& d : kDecks) {
    EXPECT_EQ(CardScale(SmallestTableWidth, SmallestTableHeight, d.W, d.H), 1.0) << d.Name;
    // The menu bar's height differs between desktops; the width alone keeps s at 1.
    EXPECT_EQ(CardScale(SmallestTableWidth, SmallestTableHeight + 12, d.W, d.H), 1.0) << d.Name;
    EXPECT_EQ(CardScale(SmallestTableWidth - 30, SmallestTableHeight - 30, d.W, d.H), 1.0);
  }
  EXPECT_EQ(ScaledCardSide(71, 1.0), 71);
  EXPECT_EQ(ScaledCardSide(106, 1.0), 106);
}

TEST(CardScale, DefaultDeckGrowsAtLeastSevenTenthsOnABigWindow) {
  // A 1270 x 990 window: the table is 1208 wide and about 920 high.
  const double s = CardScale(1208, 920, 71, 106);
  EXPECT_GE(s, 1.7);
  EXPECT_GE(ScaledCardSide(71, s), 121);
  EXPECT_TRUE(LayoutFits(1208, 920, ScaledCardSide(71, s), ScaledCardSide(106, s)));
}

TEST(CardScale, GrowsWithTheTableAndStopsWhereTheLayoutWouldOverlap) {
  double last = 1.0;
  for (int w = SmallestTableWidth; w <= 3000; w += 97) {
    const int h = w * 2 / 3;
    const double s = CardScale(w, h, 71, 106);
    EXPECT_GE(s, last) << w;  // never shrinks as the table grows
    EXPECT_EQ(std::lround(s * 20), s * 20) << "a whole number of twentieths at " << w;
    if (s > 1.0) {
      EXPECT_TRUE(LayoutFits(w, h, ScaledCardSide(71, s), ScaledCardSide(106, s))) << w;
      // A twentieth more would not fit, or would outgrow the table.
      const double more = s + 0.05;
      EXPECT_TRUE(!LayoutFits(w, h, ScaledCardSide(71, more), ScaledCardSide(106, more)) ||
                  more > std::min(double(w) / SmallestTableWidth, double(h) / SmallestTableHeight))
          << w;
    }
    last = s;
  }
  // A wide, low table is held back by its height.
  EXPECT_EQ(CardScale(3000, SmallestTableHeight, 71, 106), 1.0);
  // Nonsense sizes give the library's size.
  EXPECT_EQ(CardScale(0, 0, 71, 106), 1.0);
  EXPECT_EQ(CardScale(1000, 800, 0, 0), 1.0);
  EXPECT_EQ(CardScale(-5, 800, 71, 106), 1.0);
}

TEST(CardScale, ParkedCardsLieWhollyOffTheTable) {
  EXPECT_EQ(OffTableLeft(71), -100);  // the library's size: where it always went
  EXPECT_EQ(OffTableLeft(90), -100);
  EXPECT_EQ(OffTableLeft(160), -170);  // a big card lying sideways
  EXPECT_LT(OffTableLeft(300) + 300, 0);
}

TEST(TableLayout, PairsStopShortOfTheTrumpCardOnASmallTable) {
  // The big deck on the smallest table: at the usual 10-pixel gap the pairs would run past
  // the table's edge; they close up instead and end before the sideways trump card.
  const TLayout l = ComputeLayout(SmallestTableWidth, SmallestTableHeight, 107, 160);
  const int trumpLeft = l.DeckLeft - 160 / 3;
  EXPECT_LE(l.PlayerSlotPos[5].X + 107, trumpLeft);
  EXPECT_GE(l.CompSlotPos[0].X, 10);
  for (int k = 1; k < 6; ++k) EXPECT_GT(l.CompSlotPos[k].X, l.CompSlotPos[k - 1].X) << k;
  // Where the pairs fit they are exactly where they always were.
  const TLayout wide = ComputeLayout(1000, 700, 71, 106);
  EXPECT_EQ(wide.CompSlotPos[0].X, 10 + SlotGap(1000, 71) - 5);
  EXPECT_EQ(wide.PlayerSlotPos[5].X, 10 + SlotGap(1000, 71) * 6 + 5 * 71 + 5);
}

// A whole deal laid out on a table of the given size with a deck's cards at the scale the
// table gives them.
class ScaledTableTest : public EngineTest {
 protected:
  void Deal(const TTable& t, const TDeck& d) {
    const double s = CardScale(t.W, t.H, d.W, d.H);
    cw = ScaledCardSide(d.W, s);
    ch = ScaledCardSide(d.H, s);
    for (int tag = 1; tag <= 36; ++tag) game.GetCard(tag).SetBounds(-100, 0, cw, ch);
    game.ArrangeTable(t.W, t.H, cw, ch, s);
    game.DealCards();
    game.PaintStock();
  }

  std::vector<TRect> Rects(const TCardList& list) {
    std::vector<TRect> r;
    for (const TCardInfo& k : list) r.push_back(RectOf(game.GetCard(k.Tag)));
    return r;
  }
  // All twelve table places, occupied or not.
  std::vector<TRect> Pairs() const {
    std::vector<TRect> r;
    for (int k = 0; k < 6; ++k) {
      r.push_back({game.Layout.PlayerSlotPos[k].X, game.Layout.PlayerSlotPos[k].Y, cw, ch});
      r.push_back({game.Layout.CompSlotPos[k].X, game.Layout.CompSlotPos[k].Y, cw, ch});
    }
    return r;
  }
  static bool Clear(const std::vector<TRect>& a, const std::vector<TRect>& b) {
    for (const TRect& x : a)
      for (const TRect& y : b)
        if (x.Overlaps(y)) return false;
    return true;
  }
  bool Inside(const std::vector<TRect>& rs, const TTable& t) const {
    for (const TRect& r : rs)
      if (r.L < 0 || r.T < 0 || r.L + r.W > t.W || r.T + r.H > t.H) return false;
    return true;
  }

  int cw = 0, ch = 0;
};

TEST_F(ScaledTableTest, NothingOverlapsAtAnySizeWithAnyDeck) {
  for (const TTable& t : kTables) {
    for (const TDeck& d : kDecks) {
      SCOPED_TRACE(std::string(d.Name) + " on " + std::to_string(t.W) + " x " +
                   std::to_string(t.H));
      Deal(t, d);
      const std::vector<TRect> comp = Rects(game.CompHand), mine = Rects(game.PlayerHand);
      std::vector<TRect> stock = Rects(game.Deck);
      const std::vector<TRect> trump{stock.front()};
      stock.erase(stock.begin());
      ASSERT_EQ(stock.size(), 23u);
      ASSERT_EQ(comp.size(), 6u);
      const std::vector<TRect> pairs = Pairs();
      // The pairs never cover the stock or the trump card, and stay on the table.
      EXPECT_TRUE(Clear(pairs, stock));
      EXPECT_TRUE(Clear(pairs, trump));
      EXPECT_TRUE(Inside(pairs, t));
      EXPECT_TRUE(Inside(comp, t) && Inside(mine, t) && Inside(stock, t) && Inside(trump, t));
      // The big deck's cards are too tall for three rows on the smallest table; everywhere
      // else the hands lie clear of everything too.
      if (d.H * 3 + 84 > t.H) continue;
      EXPECT_TRUE(Clear(comp, pairs));
      EXPECT_TRUE(Clear(mine, pairs));
      EXPECT_TRUE(Clear(comp, stock) && Clear(comp, trump));
      EXPECT_TRUE(Clear(mine, stock) && Clear(mine, trump));
    }
  }
}

TEST_F(ScaledTableTest, CardSizesAtTheUsualWindowSizes) {
  Deal(kTables[0], kDecks[0]);
  EXPECT_EQ(cw, 71);  // the library's size on the smallest window
  EXPECT_EQ(ch, 106);
  Deal(kTables[1], kDecks[0]);
  EXPECT_GE(cw, 71 * 17 / 10);
  EXPECT_EQ(Card(6, Spades).Width() + Card(6, Spades).Height(), cw + ch);
  Deal(kTables[2], kDecks[0]);
  EXPECT_GE(cw, 71 * 4);
  Deal(kTables[1], kDecks[3]);
  EXPECT_GT(cw, 107);
}

TEST_F(ScaledTableTest, GlideStepGrowsWithTheScale) {
  game.Layout.Scale = 1.0;
  EXPECT_EQ(game.GlideStep(40), 40);
  EXPECT_EQ(game.GlideStep(80), 80);
  game.ArrangeTable(1218, 954, 142, 212, 2.0);
  EXPECT_EQ(game.Layout.Scale, 2.0);
  EXPECT_EQ(game.GlideStep(40), 80);
  EXPECT_EQ(game.GlideStep(10), 20);
  game.Layout.Scale = 1.55;
  EXPECT_EQ(game.GlideStep(10), 16);  // 15.5 to the even neighbour
  EXPECT_EQ(game.GlideStep(0), 1);
  // A scale below 1 never reaches the layout.
  game.ArrangeTable(600, 400, 71, 106, 0.5);
  EXPECT_EQ(game.Layout.Scale, 1.0);
}

TEST_F(ScaledTableTest, HandClosesUpWhenACardLeavesIt) {
  Deal(kTables[1], kDecks[0]);
  game.MarkPlayable(pmLead);
  const TCardInfo played = game.PlayerHand[2];
  game.PutOnTable(game.GetCard(played.Tag), dsPlayer, 0);
  ASSERT_EQ(game.PlayerHand.size(), 5u);
  const int step = PlaceCardsStep(game.Layout.HandRight, cw, 5, game.HandOrder);
  // Sorted by suit the hand keeps an empty step between suits; either way it starts at the
  // hand's left end and every card stands where PlaceCards puts it.
  std::vector<int> lefts;
  for (const TCardInfo& k : game.PlayerHand) lefts.push_back(game.GetCard(k.Tag).Left());
  TCardList copy = game.PlayerHand;
  game.PlaceCards(game.Layout.PlayerHandLeft, game.Layout.HandRight, game.Layout.PlayerHandTop,
                  game.HandOrder, copy);
  for (size_t i = 0; i < copy.size(); ++i)
    EXPECT_EQ(game.GetCard(copy[i].Tag).Left(), lefts[i]) << i;
  EXPECT_EQ(lefts.front(), game.Layout.PlayerHandLeft);
  EXPECT_LE(lefts.back(), game.Layout.PlayerHandLeft + step * 7);

  // The computer's hand closes up as well.
  const TCardInfo hers = game.CompHand[0];
  game.PutOnTable(game.GetCard(hers.Tag), dsComputer, 1);
  ASSERT_EQ(game.CompHand.size(), 5u);
  const int compStep = PlaceCardsStep(game.Layout.HandRight, cw, 5, 0);
  for (size_t i = 0; i < game.CompHand.size(); ++i)
    EXPECT_EQ(game.GetCard(game.CompHand[i].Tag).Left(),
              game.Layout.CompHandLeft + compStep * static_cast<int>(i))
        << i;
}

TEST_F(ScaledTableTest, DiscardedAndSweptCardsLeaveNoSliver) {
  Deal(kTables[2], kDecks[3]);
  ASSERT_GT(cw, 100);
  game.PlayerRow[0] = game.PlayerHand[0];
  game.TableCards.push_back(game.PlayerHand[0]);
  RemoveFromList(game.PlayerHand[0], game.PlayerHand);
  game.Bito(sdPlayer);
  for (const TCardInfo& k : game.Discard) {
    const ICardControl& c = game.GetCard(k.Tag);
    EXPECT_LE(c.Left() + c.Width(), 0) << k.Tag;
  }
  game.NewGame();
  for (int tag = 1; tag <= 36; ++tag) {
    const ICardControl& c = game.GetCard(tag);
    EXPECT_LE(c.Left() + c.Width(), 0) << tag;  // the sideways trump card too
  }
}

TEST_F(ScaledTableTest, TrumpCardDrawnByTheComputerStaysOnTheTable) {
  const TTable t = kTables[0];
  Deal(t, kDecks[3]);
  // The computer draws the last card, the sideways trump, into a full hand: it stands up.
  TCardList rest{game.Deck.front()};
  for (size_t i = 1; i < game.Deck.size(); ++i) game.Discard.push_back(game.Deck[i]);
  game.Deck = rest;
  game.CompHand.pop_back();
  game.DrawCards(1, sdComputer);
  ASSERT_EQ(game.CompHand.size(), 6u);
  const ICardControl& trump = game.GetCard(game.CompHand.back().Tag);
  EXPECT_FALSE(trump.Turned());
  EXPECT_EQ(trump.Width(), cw);
  EXPECT_EQ(trump.Height(), ch);
  EXPECT_LE(trump.Left() + trump.Width(), t.W);
  game.PaintStock();
  EXPECT_LE(trump.Left() + trump.Width(), t.W);
}

}  // namespace
}  // namespace durak::testing

// The overall flow of the computer's move: when it does nothing, the closing steps, the
// answer to a throw-in while it takes, the end of a deal inside its move, and the limits of
// what it knows.
#include "AiFixture.h"
#include "CompChooser.h"

namespace durak::testing {
namespace {

class FlowTest : public AiTest {};

// A chooser that always leads its highest card, where the described player leads low.
class THighLeadChooser : public TDescribedChooser {
 public:
  TCompMoves Lead(TCompView& view) override {
    const TCardInfo* high = &view.Hand->front();
    for (const TCardInfo& k : *view.Hand)
      if (k.Rank > high->Rank) high = &k;
    return {{high->Tag, 0}};
  }
};

TEST_F(FlowTest, AnotherChooserDecidesInsteadOfTheDescribedPlayer) {
  THighLeadChooser chooser;
  game.Chooser = &chooser;
  game.Trump = S;
  game.CompHand = L({K(7, D), K(13, H), K(6, D)});
  game.PlayerHand = L({K(10, C), K(11, C)});
  FillStock(20);
  NothingKnown();
  game.ComputerMove(caLead, 0);
  EXPECT_EQ(Tags(game.TableCards), std::vector<int>{TagOf(13, H)});
  // Put down as any lead is: the player defends.
  EXPECT_EQ(game.PlayMode, pmDefend);
  EXPECT_TRUE(Button(TakeButton));
  game.Chooser = nullptr;
}

TEST_F(FlowTest, AnEmptyHandChangesNothing) {
  game.Trump = H;
  game.PlayerHand = L({K(6, S), K(7, S)});
  PlayerPlays(K(9, S), 0);
  for (int action : {0, 1, 2, 3, 5, 6}) {
    game.CompAction = caDefend;
    game.PlayMode = pmThrowIn;
    game.ComputerMove(static_cast<TCompAction>(action), false);
    EXPECT_EQ(game.CompAction, caDefend) << action;
    EXPECT_EQ(game.PlayMode, pmThrowIn) << action;
  }
  FillStock(5);
  game.ComputerMove(caThrowIn, 1);  // before a take, with stock left
  EXPECT_EQ(game.CompAction, caDefend);
  EXPECT_TRUE(Speeches().empty());
  EXPECT_EQ(RowCount(game.PlayerRow), 1);
}

TEST_F(FlowTest, AnUnknownActionRunsOnlyTheClosingSteps) {
  game.Options = arHotCards;
  game.Trump = H;
  game.CompHand = L({K(10, S)});
  game.PlayerHand = L({K(6, S), K(9, C)});
  ComputerPlays(K(9, S), 0);
  PlayerPlays(K(12, S), 0);
  FillStock(6);
  game.CompAction = caDefend;
  game.PlayMode = pmThrowIn;
  game.ComputerMove(static_cast<TCompAction>(2), false);  // no such move kind
  EXPECT_EQ(game.CompAction, caNothing);
  EXPECT_EQ(game.PlayMode, pmThrowIn);
  EXPECT_TRUE(game.GetCard(TagOf(9, C)).HotMouse());  // a nine is on the table
  EXPECT_FALSE(game.GetCard(TagOf(6, S)).HotMouse());
  EXPECT_TRUE(Speeches().empty());
  game.CompAction = caTakes;
  game.ComputerMove(static_cast<TCompAction>(7), false);  // no such move kind
  EXPECT_EQ(game.CompAction, caTakes);                    // kept until the bout ends
}

TEST_F(FlowTest, WhileTakingItAnswersEachThrowInWithAWord) {
  game.Trump = H;
  game.CompHand = L({K(6, D), K(7, D)});
  game.PlayerHand = L({K(6, S), K(9, C)});
  PlayerPlays(K(9, S), 0);
  FillStock(6);
  game.CompAction = caTakes;
  game.ComputerMove(caTakes, 0);
  EXPECT_EQ(Speeches(), std::vector<int>{16});
  EXPECT_EQ(game.PlayMode, pmThrowIn);
  EXPECT_EQ(game.CompAction, caTakes);
  PlayerPlays(K(9, C), 1);  // two open cards against a hand of two: no more may come
  game.ComputerMove(caTakes, 0);
  EXPECT_EQ(Speeches(), (std::vector<int>{16, 13}));
  EXPECT_EQ(game.PlayMode, pmNone);
  EXPECT_EQ(RowCount(game.CompRow), 0);
}

TEST_F(FlowTest, ThePlayerBeatsTheComputersLastCardWithStockLeft) {
  game.Trump = H;
  ComputerPlays(K(9, S), 0);
  PlayerPlays(K(12, S), 0);
  game.PlayerHand = L({K(6, C), K(7, C), K(8, C)});
  FillStock(10);
  NothingKnown();
  game.CompAction = caThrowIn;
  game.PlayMode = pmNone;
  game.ComputerMove(caThrowIn, 0);
  EXPECT_EQ(Speeches(), std::vector<int>{10});
  EXPECT_EQ(game.Discard.size(), 2u);
  EXPECT_EQ(game.CompHand.size(), 6u);  // the computer draws first
  EXPECT_EQ(game.PlayerHand.size(), 6u);
  EXPECT_EQ(game.PlayMode, pmLead);
  EXPECT_EQ(game.DealResult, drGoesOn);
}

TEST_F(FlowTest, ADealThatEndsInTheDiscardLeavesNoCardInput) {
  game.Trump = H;
  ComputerPlays(K(9, S), 0);
  PlayerPlays(K(12, S), 0);
  game.CompHand = L({K(6, D), K(7, D)});
  game.PlayerHand.clear();  // the player beat with the last card, the stock is gone
  game.CompAction = caThrowIn;
  game.PlayMode = pmNone;
  game.ComputerMove(caThrowIn, 0);
  EXPECT_EQ(game.DealResult, drPlayerWon);
  EXPECT_EQ(game.PlayerScore, 1);  // scored once, not again by the closing check
  EXPECT_EQ(game.PlayMode, pmNone);
  EXPECT_EQ(game.CompAction, caNothing);
  EXPECT_FALSE(Button(TakeButton));
  EXPECT_TRUE(Button(DealButton));
}

// The computer's choices may depend on the player's hand only through its size and what it
// has seen: moving unseen cards between the player's hand and the stock changes nothing.
TEST_F(FlowTest, TheComputerNeverLooksAtUnseenCardsOfThePlayer) {
  struct TCase {
    int Stock;
    TCompAction Action;
  };
  for (TCase c : {TCase{20, caLead}, TCase{12, caLead}, TCase{5, caLead}, TCase{12, caDefend},
                  TCase{5, caDefend}, TCase{5, caThrowIn}}) {
    std::vector<std::vector<int>> rows;
    for (int variant = 0; variant < 2; ++variant) {
      THeadlessCards cs;
      THeadlessTable t;
      TGame g(cs.Pointers(), t, clock);
      g.Layout = game.Layout;
      g.Trump = H;
      g.TransferOn = true;
      g.CompHand = L({K(7, S), K(9, C), K(9, D), K(11, H), K(13, S), K(6, D)});
      g.KnownCards = L({K(10, S)});
      // The player's unseen cards: low ones, or the high ones the stock holds otherwise.
      const TCardList low = L({K(6, S), K(7, C), K(8, D)});
      const TCardList high = L({K(14, S), K(14, C), K(14, D)});
      g.PlayerHand = variant == 0 ? low : high;
      g.PlayerHand.push_back(K(10, S));
      g.Deck = L({K(14, H)});
      for (const TCardInfo& k : variant == 0 ? high : low) g.Deck.push_back(k);
      for (int tag = 1; tag <= 36 && static_cast<int>(g.Deck.size()) < c.Stock; ++tag) {
        const TCardInfo k = CardInfoOfTag(tag);
        if (k.Suit == H || k.Rank >= 12 || ListHasTag(g.CompHand, tag) ||
            ListHasTag(g.PlayerHand, tag) || ListHasTag(g.Deck, tag) || tag == TagOf(8, S) ||
            tag == TagOf(12, S))
          continue;
        g.Deck.push_back(k);
      }
      g.UnseenCards = g.PlayerHand;
      g.UnseenCards.erase(g.UnseenCards.end() - 1);
      if (c.Action == caDefend) {
        g.PlayerRow[0] = K(8, S);
        g.TableCards = L({K(8, S)});
      }
      if (c.Action == caThrowIn) {
        g.CompRow[0] = K(9, S);
        g.PlayerRow[0] = K(12, S);
        g.TableCards = L({K(9, S), K(12, S)});
      }
      g.ComputerMove(c.Action, 0);
      std::vector<int> seen = RowTags(g.CompRow);
      seen.push_back(g.PlayMode);
      rows.push_back(seen);
    }
    EXPECT_EQ(rows[0], rows[1]) << "stock " << c.Stock << " action " << c.Action;
  }
}

}  // namespace
}  // namespace durak::testing

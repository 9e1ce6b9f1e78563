// Taking the table, discarding a bout and refilling the hands from the stock.
#include "EngineFixture.h"

namespace durak::testing {
namespace {

class TakeDiscardTest : public EngineTest {
 protected:
  void SetUp() override { game.Trump = Hearts; }
};

TEST_F(TakeDiscardTest, AttackerDrawsFirstAndTheTrumpCardComesLast) {
  // Stock of three: the trump card and two more; the player attacked and needs four.
  SetDeck(L({{14, Hearts}, {6, Diamonds}, {7, Diamonds}}));
  GivePlayer(L({{9, Clubs}, {10, Clubs}}));
  GiveComputer(L({{6, Spades}, {7, Spades}, {8, Spades}, {9, Spades}}));
  PlayerPlays(8, Clubs, 0);
  ComputerPlays(11, Clubs, 0);
  game.Bito(sdPlayer);
  EXPECT_TRUE(game.Deck.empty());
  EXPECT_EQ(game.PlayerHand.size(), 5u);
  EXPECT_EQ(game.CompHand.size(), 4u);
  EXPECT_EQ(game.PlayerHand.back().Tag, TagOf(14, Hearts));  // drawn last (hand unsorted)
  EXPECT_TRUE(ListHasTag(game.PlayerHand, TagOf(7, Diamonds)));
  // The drawn trump card stands upright and face up in the player's hand.
  EXPECT_FALSE(Card(14, Hearts).Turned());
  EXPECT_EQ(Card(14, Hearts).CardState(), 1);
  EXPECT_TRUE(Card(14, Hearts).Clickable());
}

TEST_F(TakeDiscardTest, ComputerAttackerDrawsFirstAndMayTakeTheRest) {
  SetDeck(L({{14, Hearts}, {6, Diamonds}}));
  GivePlayer(L({{9, Clubs}}));
  GiveComputer(L({{6, Spades}}));
  ComputerPlays(8, Clubs, 0);
  PlayerPlays(10, Clubs, 0);
  game.Bito(sdComputer);
  EXPECT_EQ(game.CompHand.size(), 3u);
  EXPECT_EQ(game.PlayerHand.size(), 1u);
  // The computer's draw does not turn the trump card over, but it stands it upright.
  EXPECT_FALSE(Card(14, Hearts).Turned());
  EXPECT_LT(Card(14, Hearts).Width(), Card(14, Hearts).Height());
  EXPECT_EQ(Card(14, Hearts).CardState(), 1);
  EXPECT_FALSE(ListHasTag(game.UnseenCards, TagOf(6, Diamonds)));
}

TEST_F(TakeDiscardTest, TrumpCardDrawnByTheComputerIsUprightOnTheTableAndInThePlayersHand) {
  // The computer draws the face-up trump card, leads it, and the player takes it: it is an
  // upright card of the hand's size all the way, not a sideways one covering two cards.
  SetDeck(L({{14, Hearts}}));
  GivePlayer(L({{9, Clubs}, {10, Clubs}}));
  GiveComputer(L({{6, Spades}}));
  ComputerPlays(8, Clubs, 0);
  PlayerPlays(10, Clubs, 0);
  game.Bito(sdComputer);
  ASSERT_TRUE(ListHasTag(game.CompHand, TagOf(14, Hearts)));
  ICardControl& trump = Card(14, Hearts);
  EXPECT_FALSE(trump.Turned());
  game.PutOnTable(trump, dsComputer, 0);
  EXPECT_FALSE(trump.Turned());
  EXPECT_LT(trump.Width(), trump.Height());
  game.Beru(sdPlayer);
  ASSERT_TRUE(ListHasTag(game.PlayerHand, TagOf(14, Hearts)));
  EXPECT_FALSE(trump.Turned());
  EXPECT_LT(trump.Width(), trump.Height());
  EXPECT_EQ(trump.CardState(), 1);
}

TEST_F(TakeDiscardTest, HandWithSixCardsDrawsNothing) {
  SetDeck(L({{14, Hearts}, {6, Diamonds}}));
  GivePlayer(L({{6, Clubs}, {7, Clubs}, {8, Clubs}, {9, Clubs}, {10, Clubs}, {11, Clubs}}));
  game.DrawCards(6 - static_cast<int>(game.PlayerHand.size()), sdPlayer);
  game.DrawCards(-2, sdPlayer);
  EXPECT_EQ(game.Deck.size(), 2u);
}

TEST_F(TakeDiscardTest, PlayerDrawKeepsTheCardsUnseenByTheComputer) {
  SetDeck(L({{14, Hearts}, {6, Diamonds}, {7, Diamonds}, {8, Diamonds}}));
  game.UnseenCards = L({{6, Diamonds}, {7, Diamonds}, {8, Diamonds}});
  game.DrawCards(1, sdPlayer);
  EXPECT_EQ(Tags(game.PlayerHand), Tags(L({{8, Diamonds}})));
  EXPECT_EQ(game.UnseenCards.size(), 3u);
  game.Options = arHotCards;
  game.DrawCards(1, sdPlayer);
  EXPECT_TRUE(Card(7, Diamonds).HotMouse());
}

TEST_F(TakeDiscardTest, NearlyEmptyStockMakesTheWholeHandKnown) {
  SetDeck(L({{14, Hearts}, {6, Diamonds}}));
  GivePlayer(L({{9, Clubs}, {10, Clubs}, {11, Clubs}, {12, Clubs}, {13, Clubs}}));
  GiveComputer(L({{6, Spades}, {7, Spades}, {8, Spades}, {9, Spades}, {10, Spades}, {11, Spades}}));
  game.UnseenCards = L({{9, Clubs}, {6, Diamonds}});
  PlayerPlays(8, Clubs, 0);
  ComputerPlays(14, Clubs, 0);
  game.Bito(sdPlayer);  // the player draws one, one card stays in the stock
  EXPECT_EQ(game.Deck.size(), 1u);
  EXPECT_EQ(Tags(game.KnownCards), Tags(game.PlayerHand));
  EXPECT_TRUE(game.UnseenCards.empty());
}

TEST_F(TakeDiscardTest, StockOfTwoKeepsTheComputersKnowledge) {
  SetDeck(L({{14, Hearts}, {6, Diamonds}, {7, Diamonds}}));
  GivePlayer(L({{9, Clubs}, {10, Clubs}, {11, Clubs}, {12, Clubs}, {13, Clubs}}));
  GiveComputer(L({{6, Spades}, {7, Spades}, {8, Spades}, {9, Spades}, {10, Spades}, {11, Spades}}));
  game.UnseenCards = L({{9, Clubs}});
  PlayerPlays(8, Clubs, 0);
  ComputerPlays(14, Clubs, 0);
  game.Bito(sdPlayer);
  EXPECT_EQ(game.Deck.size(), 2u);
  EXPECT_TRUE(game.KnownCards.empty());
  EXPECT_EQ(game.UnseenCards.size(), 1u);
}

TEST_F(TakeDiscardTest, PlayerTakingTellsTheComputerWhatWasTaken) {
  SetDeck(L({{14, Hearts}, {6, Diamonds}, {7, Diamonds}, {8, Diamonds}, {9, Diamonds}}));
  GivePlayer(L({{9, Clubs}}));
  GiveComputer(L({{6, Spades}, {7, Spades}, {8, Spades}, {9, Spades}}));
  ComputerPlays(8, Clubs, 0);
  PlayerPlays(10, Clubs, 0);
  ComputerPlays(10, Spades, 1);
  game.Options = arHotCards | arSound;
  game.Beru(sdPlayer);
  EXPECT_EQ(game.SoundLog, (std::vector<int>{3}));
  EXPECT_TRUE(game.TableCards.empty());
  EXPECT_EQ(RowCount(game.PlayerRow) + RowCount(game.CompRow), 0);
  for (auto [r, s] : {std::pair{8, Clubs}, {10, Clubs}, {10, Spades}}) {
    EXPECT_TRUE(ListHasTag(game.PlayerHand, TagOf(r, s)));
    EXPECT_TRUE(ListHasTag(game.KnownCards, TagOf(r, s)));
    EXPECT_TRUE(Card(r, s).Clickable());
  }
  // The computer (the attacker) refilled first: two from the top of the stock.
  EXPECT_EQ(game.CompHand.size(), 6u);
  EXPECT_TRUE(ListHasTag(game.CompHand, TagOf(9, Diamonds)));
  EXPECT_EQ(game.PlayerHand.size(), 6u);
  // One card left in the stock: now the whole hand counts as known.
  EXPECT_EQ(Tags(game.KnownCards), Tags(game.PlayerHand));
}

TEST_F(TakeDiscardTest, ComputerTakingTurnsTheCardsFaceDown) {
  SetDeck(L({{14, Hearts},
             {6, Diamonds},
             {7, Diamonds},
             {8, Diamonds},
             {9, Diamonds},
             {10, Diamonds},
             {11, Diamonds},
             {12, Diamonds},
             {13, Diamonds},
             {14, Diamonds}}));
  GivePlayer(L({{9, Clubs}}));
  GiveComputer(L({{6, Spades}}));
  PlayerPlays(8, Clubs, 0);
  ComputerPlays(10, Clubs, 0);
  Card(8, Clubs).SetCardState(1);
  game.Beru(sdComputer);
  EXPECT_TRUE(ListHasTag(game.CompHand, TagOf(8, Clubs)));
  EXPECT_EQ(Card(8, Clubs).CardState(), 0);
  EXPECT_FALSE(Card(8, Clubs).Clickable());
  EXPECT_TRUE(game.KnownCards.empty());
}

TEST_F(TakeDiscardTest, BitoOnAnEmptyTableDoesNothing) {
  SetDeck(L({{14, Hearts}, {6, Diamonds}}));
  game.Bito(sdPlayer);
  EXPECT_TRUE(game.SoundLog.empty());
  EXPECT_EQ(game.Deck.size(), 2u);
}

TEST_F(TakeDiscardTest, PlayersHandIsSortedBeforeTheDraw) {
  game.HandOrder = 2;
  SetDeck(L({{14, Hearts}, {6, Diamonds}}));
  GivePlayer(L({{10, Hearts}, {6, Spades}, {14, Clubs}}));
  game.DrawCards(1, sdPlayer);
  EXPECT_EQ(Tags(game.PlayerHand),
            Tags(L({{6, Spades}, {14, Clubs}, {10, Hearts}, {6, Diamonds}})));
}

}  // namespace
}  // namespace durak::testing

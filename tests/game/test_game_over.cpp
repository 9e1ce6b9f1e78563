// The end of a deal: who won, the score, the record and its rating, the speeches and sounds.
#include "EngineFixture.h"

namespace durak::testing {
namespace {

class GameOverTest : public EngineTest {
 protected:
  void SetUp() override {
    game.Trump = Hearts;
    game.Options = arSound;
  }
};

TEST(Rating, RunsFromZeroToOne) {
  EXPECT_DOUBLE_EQ(RatingOf(4, 3, 1), 0.75);
  EXPECT_DOUBLE_EQ(RatingOf(0, 0, 0), 0.5);
  EXPECT_DOUBLE_EQ(RatingOf(-3, 1, 0), 0.5);
  EXPECT_DOUBLE_EQ(RatingOf(5, 0, 5), 0.0);
  EXPECT_DOUBLE_EQ(RatingOf(5, 5, 0), 1.0);
  EXPECT_DOUBLE_EQ(RatingOf(6, 3, 2), 0.5 / 6 + 0.5);
}

TEST_F(GameOverTest, GoesOnWhileTheStockHoldsACard) {
  SetDeck(L({{14, Hearts}}));
  EXPECT_EQ(game.CheckGameOver(), drGoesOn);
}

TEST_F(GameOverTest, PlayersLastCardAgainstAOneCardHandIsNotOverYet) {
  GiveComputer(L({{6, Spades}}));
  PlayerPlays(9, Clubs, 0);
  game.CompAction = caDefend;
  EXPECT_EQ(game.CheckGameOver(), drGoesOn);
  EXPECT_EQ(game.PlayerScore, 0);
  // When the computer beats it, both hands are empty: a draw.
  game.CompHand.clear();
  ComputerPlays(10, Clubs, 0);
  table.Leds.fill(-1);  // whatever the counters showed before
  EXPECT_EQ(game.CheckGameOver(), drDraw);
  // A first deal drawn still shows the score, nil all.
  EXPECT_EQ(table.Leds[PlayerScoreLed], 0);
  EXPECT_EQ(table.Leds[ComputerScoreLed], 0);
  EXPECT_EQ(game.Leader, 100);
  EXPECT_EQ(game.SpeechLog.back(), 6);
  EXPECT_EQ(game.PlayerScore + game.ComputerScore, 0);
  EXPECT_EQ(game.Record.Games, 1);
}

TEST_F(GameOverTest, AScoreStartedAfreshAtTheChampionsTableIsShown) {
  // The player wins; at the champions table another player is chosen, whose game starts at
  // nil all: the counters say so, not the old score.
  GiveComputer(L({{6, Spades}, {7, Spades}}));
  PlayerPlays(9, Clubs, 0);
  game.CompAction = caDefend;
  table.OnChampions = [this] { game.PlayerScore = game.ComputerScore = 0; };
  EXPECT_EQ(game.CheckGameOver(), drPlayerWon);
  EXPECT_EQ(table.Leds[PlayerScoreLed], 0);
  EXPECT_EQ(table.Leds[ComputerScoreLed], 0);
}

TEST_F(GameOverTest, PlayerWinsAtOnceAgainstALargerHand) {
  GiveComputer(L({{6, Spades}, {7, Spades}, {8, Spades}}));
  PlayerPlays(9, Clubs, 0);
  game.CompAction = caDefend;
  game.SetButton(TakeButton, true);
  EXPECT_EQ(game.CheckGameOver(), drPlayerWon);
  EXPECT_EQ(game.PlayerScore, 1);
  EXPECT_EQ(game.Record.Wins, 1);
  EXPECT_EQ(game.Record.Games, 1);
  EXPECT_DOUBLE_EQ(game.Record.Rating, 1.0);
  EXPECT_EQ(game.Leader, 0);
  EXPECT_EQ(game.SpeechLog.back(), 5);
  EXPECT_EQ(game.SoundLog.back(), 4);
  EXPECT_EQ(table.Played.back(), 4);
  EXPECT_EQ(table.Leds[PlayerScoreLed], 1);
  EXPECT_EQ(game.PlayMode, pmNone);
  EXPECT_EQ(game.CompAction, caNothing);
  EXPECT_TRUE(game.ButtonVisible[DealButton]);
  EXPECT_FALSE(game.ButtonVisible[TakeButton]);
  // The computer's remaining cards are turned up.
  for (const TCardInfo& k : game.CompHand) EXPECT_EQ(game.GetCard(k.Tag).CardState(), 1);
}

TEST_F(GameOverTest, TheRevealLeavesTheDrawnTrumpCardFaceUp) {
  // The computer draws the last card of the stock, the face-up trump card, and loses.
  GiveComputer(L({{6, Spades}, {7, Spades}}));
  SetDeck(L({{14, Hearts}, {8, Diamonds}}));
  game.DrawCards(2, sdComputer);
  ASSERT_EQ(game.CompHand.size(), 4u);
  ASSERT_EQ(Card(14, Hearts).CardState(), 1);
  PlayerPlays(9, Clubs, 0);
  game.CompAction = caThrowIn;
  EXPECT_EQ(game.CheckGameOver(), drPlayerWon);
  for (const TCardInfo& k : game.CompHand)
    EXPECT_EQ(game.GetCard(k.Tag).CardState(), 1) << "card " << int{k.Tag};
}

TEST_F(GameOverTest, PlayerWinsWhenTheComputerIsNotAboutToDefend) {
  GiveComputer(L({{6, Spades}}));
  PlayerPlays(9, Clubs, 0);
  game.CompAction = caThrowIn;
  EXPECT_EQ(game.CheckGameOver(), drPlayerWon);
}

TEST_F(GameOverTest, ComputersLastCardWinsWhenThePlayerCannotShedEverything) {
  GivePlayer(L({{6, Spades}, {7, Spades}}));
  ComputerPlays(9, Clubs, 0);
  game.PlayMode = pmDefend;
  EXPECT_EQ(game.CheckGameOver(), drComputerWon);
  EXPECT_EQ(game.ComputerScore, 1);
  EXPECT_EQ(game.Record.Losses, 1);
  EXPECT_EQ(game.Leader, 1);
  EXPECT_EQ(game.SpeechLog.back(), 4);
  EXPECT_EQ(game.SoundLog.back(), 5);
}

TEST_F(GameOverTest, ComputersLastCardIsNotOverWhenThePlayerMayAnswerIt) {
  GivePlayer(L({{10, Clubs}}));
  ComputerPlays(9, Clubs, 0);
  game.PlayMode = pmDefend;
  EXPECT_EQ(game.CheckGameOver(), drGoesOn);
  game.PlayMode = pmThrowIn;
  EXPECT_EQ(game.CheckGameOver(), drComputerWon);
}

TEST_F(GameOverTest, ADealIsScoredOnce) {
  // The player discards a bout with the last cards of both... the computer's hand is empty.
  GivePlayer(L({{6, Spades}}));
  PlayerPlays(8, Clubs, 0);
  ComputerPlays(10, Clubs, 0);
  game.SetButton(DiscardButton, true);
  game.DiscardPressed();  // Bito ends the deal, then the button checks again
  EXPECT_EQ(game.ComputerScore, 1);
  EXPECT_EQ(game.Record.Games, 1);
  EXPECT_EQ(game.Record.Losses, 1);
  EXPECT_EQ(game.DealResult, drComputerWon);
  EXPECT_TRUE(game.Calls.empty());  // the computer does not lead after the deal ended
  EXPECT_EQ(game.CheckGameOver(), drComputerWon);
  EXPECT_EQ(game.Record.Games, 1);
}

TEST_F(GameOverTest, BeruWhenTheComputerShedItsLastCardsEndsWithoutTaking) {
  // The computer's throw-in (here: already done) emptied its hand during "Беру".
  class ThrowingGame : public TRecordingGame {
   public:
    using TRecordingGame::TRecordingGame;
    void ComputerMove(TCompAction action, bool afterTake) override {
      TRecordingGame::ComputerMove(action, afterTake);
      if (action == caThrowIn) CheckGameOver();
    }
  };
  ThrowingGame g(cards.Pointers(), table, clock);
  g.Trump = Hearts;
  g.PlayerHand = L({{6, Spades}, {7, Spades}});
  g.CompRow[0] = K(9, Clubs);
  g.TableCards = L({{9, Clubs}});
  g.PlayMode = pmDefend;
  g.TakePressed();
  EXPECT_EQ(g.ComputerScore, 1);
  EXPECT_EQ(g.PlayerHand.size(), 2u);  // the table was not taken
  EXPECT_EQ(g.Calls.size(), 1u);
}

TEST_F(GameOverTest, CancellingTheChampionsDialogClosesTheWindow) {
  GiveComputer(L({{6, Spades}, {7, Spades}}));
  table.ChampionsOk = false;
  EXPECT_EQ(game.CheckGameOver(), drPlayerWon);
  EXPECT_TRUE(table.Closed);
}

TEST_F(GameOverTest, SpeechesAndSoundsRespectTheirLimits) {
  game.Texts.Speeches[3] = {"a", "b", "c", "d", "e"};
  game.ShowSpeech(sayCompBeatAll);
  EXPECT_NE(table.Speech, "");
  EXPECT_EQ(game.LastSpeech, sayCompBeatAll);
  game.ShowSpeech(static_cast<TSpeech>(25));  // beyond the table: remembered, nothing shown
  EXPECT_EQ(game.LastSpeech, 25);
  EXPECT_NE(table.Speech, "");
  game.ShowSpeech(sayClear);
  EXPECT_EQ(table.Speech, "");
  game.Options = 0;
  game.PlaySoundEffect(snDiscard);
  EXPECT_TRUE(table.Played.empty());
  EXPECT_EQ(game.SoundLog, (std::vector<int>{snDiscard}));
}

}  // namespace
}  // namespace durak::testing

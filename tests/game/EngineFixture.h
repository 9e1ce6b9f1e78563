// A game on a headless table whose computer player only records that it was called, so
// the rules of the player's side can be checked on their own.
#pragma once

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "Cards.h"
#include "Game.h"
#include "Headless.h"

namespace durak::testing {

class TRecordingGame : public TGame {
 public:
  using TGame::TGame;
  void ComputerMove(TCompAction action, bool afterTake) override {
    Calls.emplace_back(action, afterTake);
  }
  std::vector<std::pair<int, int>> Calls;
};

class EngineTest : public ::testing::Test {
 protected:
  EngineTest() : game(cards.Pointers(), table, clock) {
    game.Layout = ComputeLayout(560, 359, 59, 80);
    game.Options = 0;
  }

  ICardControl& Card(int rank, int suit) { return game.GetCard(TagOf(rank, suit)); }

  // Puts the cards in the player's hand as the deal would: face up and clickable.
  void GivePlayer(const TCardList& hand) {
    game.PlayerHand = hand;
    for (const TCardInfo& k : hand) {
      game.GetCard(k.Tag).SetCardState(1);
      game.GetCard(k.Tag).SetClickable(true);
    }
  }
  void GiveComputer(const TCardList& hand) {
    game.CompHand = hand;
    for (const TCardInfo& k : hand) game.GetCard(k.Tag).SetCardState(0);
  }
  // A card the computer has already put down in slot i of its row.
  void ComputerPlays(int rank, int suit, int slot) {
    game.CompRow[slot] = K(rank, suit);
    game.TableCards.push_back(K(rank, suit));
  }
  void PlayerPlays(int rank, int suit, int slot) {
    game.PlayerRow[slot] = K(rank, suit);
    game.TableCards.push_back(K(rank, suit));
  }
  // A stock of the given cards, laid out on the table; the first is the face-up trump card.
  void SetDeck(const TCardList& deck) {
    game.Deck = deck;
    game.PaintStock();
  }

  THeadlessCards cards;
  THeadlessTable table;
  TFixedClock clock{12345};
  TRecordingGame game;
};

}  // namespace durak::testing

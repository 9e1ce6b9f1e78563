// A game on a headless table whose computer player only records that it was called, so
// the rules of the player's side can be checked on their own.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>
#include <vector>

#include "Game.h"
#include "Headless.h"

namespace durak::testing {

inline TKart K(int rank, int suit) {
  return KartOfTag(TagOf(rank, suit));
}

inline TKarts L(std::initializer_list<std::pair<int, int>> cards) {
  TKarts list;
  for (auto [rank, suit] : cards) list.push_back(K(rank, suit));
  return list;
}

inline std::vector<int> Tags(const TKarts& list) {
  std::vector<int> tags;
  for (const TKart& k : list) tags.push_back(k.Tag);
  return tags;
}

class TRecordingGame : public TGame {
 public:
  using TGame::TGame;
  void HM(int action, int afterTake) override { Calls.emplace_back(action, afterTake); }
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
  void GivePlayer(const TKarts& hand) {
    game.PlayerHand = hand;
    for (const TKart& k : hand) {
      game.GetCard(k.Tag).SetCardState(1);
      game.GetCard(k.Tag).SetClickable(true);
    }
  }
  void GiveComputer(const TKarts& hand) {
    game.CompHand = hand;
    for (const TKart& k : hand) game.GetCard(k.Tag).SetCardState(0);
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
  void SetDeck(const TKarts& deck) {
    game.Deck = deck;
    game.ColodaPaint();
  }

  THeadlessCards cards;
  THeadlessTable table;
  TFixedClock clock{12345};
  TRecordingGame game;
};

}  // namespace durak::testing

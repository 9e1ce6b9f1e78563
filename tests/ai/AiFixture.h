// A game on a headless table for checking the computer's decisions on hand-made tables.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "Cards.h"
#include "CompView.h"
#include "Game.h"
#include "Headless.h"

namespace durak::testing {

class AiTest : public ::testing::Test {
 protected:
  AiTest() : game(cards.Pointers(), table, clock) {
    game.Layout = ComputeLayout(738, 530, 71, 96);
    game.Options = arHotCards;
  }

  bool Used(int tag) const {
    for (const TCardList* l :
         {&game.PlayerHand, &game.CompHand, &game.Deck, &game.TableCards, &game.Discard})
      if (ListHasTag(*l, tag)) return true;
    return false;
  }

  // A stock of n cards of the cards not yet placed: a card of the trump suit first (the
  // face-up card), then the lowest free cards.
  void FillStock(int n) {
    game.Deck.clear();
    if (n == 0) return;
    for (int tag = 36; tag >= 1 && game.Deck.empty(); --tag)
      if (SuitOfTag(tag) == game.Trump && !Used(tag)) game.Deck.push_back(CardInfoOfTag(tag));
    for (int tag = 1; tag <= 36 && static_cast<int>(game.Deck.size()) < n; ++tag)
      if (!Used(tag)) game.Deck.push_back(CardInfoOfTag(tag));
  }

  // Nothing known of the player's hand: the player's cards and the stock below the face-up
  // card are unseen.
  void NothingKnown() {
    game.KnownCards.clear();
    game.UnseenCards = game.PlayerHand;
    for (size_t i = 1; i < game.Deck.size(); ++i) game.UnseenCards.push_back(game.Deck[i]);
  }

  // The end of the stock: every card of the player's hand is known.
  void AllKnown() {
    game.KnownCards = game.PlayerHand;
    game.UnseenCards.clear();
  }

  void ComputerPlays(const TCardInfo& k, int slot) {
    game.CompRow[slot] = k;
    game.TableCards.push_back(k);
  }
  void PlayerPlays(const TCardInfo& k, int slot) {
    game.PlayerRow[slot] = k;
    game.TableCards.push_back(k);
  }

  TCompView View() { return MakeCompView(game); }

  bool Button(TButton b) const { return game.ButtonVisible[b]; }
  std::vector<int> Speeches() const { return game.SpeechLog; }

  THeadlessCards cards;
  THeadlessTable table;
  TFixedClock clock{0};
  TGame game;
};

}  // namespace durak::testing

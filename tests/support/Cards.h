// Cards for hand-made tables: a card by rank and suit, lists of them, and their tags, as the
// engine, computer-player and search tests write them.
#pragma once

#include <initializer_list>
#include <vector>

#include "CardInfo.h"
#include "CardLists.h"

namespace durak::testing {

constexpr int S = Spades, C = Clubs, D = Diamonds, H = Hearts;

inline TCardInfo K(int rank, int suit) {
  return CardInfoOfTag(TagOf(rank, suit));
}

// One card of a list written by hand: either a card, K(6, S), or its rank and suit, {6, S}.
struct TCardOf {
  TCardOf(const TCardInfo& k) : Kart(k) {}  // NOLINT(google-explicit-constructor): list element
  TCardOf(int rank, int suit) : Kart(K(rank, suit)) {}
  TCardInfo Kart;
};

inline TCardList L(std::initializer_list<TCardOf> cards) {
  TCardList list;
  for (const TCardOf& c : cards) list.push_back(c.Kart);
  return list;
}

inline std::vector<int> Tags(const TCardList& list) {
  std::vector<int> tags;
  for (const TCardInfo& k : list) tags.push_back(k.Tag);
  return tags;
}

// The tags of a table row, 0 for an empty slot.
inline std::vector<int> RowTags(const TRow& row) {
  std::vector<int> tags;
  for (const TCardInfo& k : row) tags.push_back(k.Rank ? k.Tag : 0);
  return tags;
}

}  // namespace durak::testing

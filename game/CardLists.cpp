#include "CardLists.h"

#include <utility>

namespace durak {

void AddToList(const TCardInfo& card, TCardList& list) {
  if (card.Tag == 0) return;
  if (HasCard(card.Rank, card.Suit, list)) return;
  TCardInfo k = card;
  k.Score = 0;
  list.push_back(k);
}

void RemoveFromList(const TCardInfo& card, TCardList& list) {
  if (list.empty() || !HasCard(card.Rank, card.Suit, list)) return;
  for (auto it = list.begin(); it != list.end(); ++it) {
    if (it->Tag == card.Tag) {
      list.erase(it);
      return;
    }
  }
}

bool HasCard(int rank, int suit, const TCardList& list) {
  for (const TCardInfo& k : list)
    if (k.Rank == rank && k.Suit == suit) return true;
  return false;
}

bool HasSuit(int suit, const TCardList& list) {
  for (const TCardInfo& k : list)
    if (k.Suit == suit) return true;
  return false;
}

int CountRank(int rank, const TCardList& list, int trump) {
  int n = 0;
  for (const TCardInfo& k : list)
    if (k.Rank == rank) ++n;
  return HasCard(rank, trump, list) ? -n : n;
}

int LowestTrump(const TCardList& list, int suit) {
  int lowest = 20;
  for (const TCardInfo& k : list)
    if (k.Suit == suit && k.Rank < lowest) lowest = k.Rank;
  return lowest;
}

int FindCard(const TCardList& list, int suit, int rank) {
  for (const TCardInfo& k : list)
    if (k.Suit == suit && k.Rank == rank) return k.Tag;
  return 0;
}

bool ListHasTag(const TCardList& list, int tag) {
  for (const TCardInfo& k : list)
    if (k.Tag == tag) return true;
  return false;
}

int RowCount(const TRow& row) {
  int n = 0;
  for (const TCardInfo& k : row)
    if (k.Rank != 0) ++n;
  return n;
}

void ClearRow(TRow& row) {
  for (TCardInfo& k : row) k.Rank = 0;
}

bool CanBeat(int rank1, int suit1, int rank2, int suit2, int trump) {
  if (suit1 == suit2) return rank1 > rank2;
  return suit1 == trump && suit2 != trump;
}

int BeatCost(int rank1, int suit1, int rank2, int suit2, int trump) {
  if (!CanBeat(rank1, suit1, rank2, suit2, trump)) return -1;
  if (suit1 == suit2) return rank1 - rank2;
  return rank1 + 9 - rank2;
}

namespace {

// The in-place exchange sort of the hand orders: for each position, every later entry with
// a smaller key is exchanged into it, scanning from the end.
template <typename Less>
void ExchangeSort(TCardList& list, Less less) {
  const int last = static_cast<int>(list.size()) - 1;
  for (int i = 0; i < last; ++i)
    for (int j = last; j > i; --j)
      if (less(list[j], list[i])) std::swap(list[i], list[j]);
}

}  // namespace

void SortHand(TCardList& list, int order, int trump) {
  if (list.size() < 2 || (order != 1 && order != 2)) return;
  if (order == 2) {
    auto key = [trump](const TCardInfo& k) { return k.CardNo + (k.Suit == trump ? 100 : 0); };
    ExchangeSort(list, [&](const TCardInfo& a, const TCardInfo& b) { return key(a) < key(b); });
    return;
  }
  auto suitKey = [trump](const TCardInfo& k) { return k.Suit == trump ? 6 : int(k.Suit); };
  ExchangeSort(list,
               [&](const TCardInfo& a, const TCardInfo& b) { return suitKey(a) < suitKey(b); });
  ExchangeSort(list, [&](const TCardInfo& a, const TCardInfo& b) {
    return suitKey(a) == suitKey(b) && a.Rank < b.Rank;
  });
}

}  // namespace durak

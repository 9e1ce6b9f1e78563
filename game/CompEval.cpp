#include "CompEval.h"

#include <cstdlib>

namespace durak {

int PickLowest(const TCardList& hand, int level) {
  for (int l = level; l >= 0; --l) {
    const TCardInfo* best = nullptr;
    for (const TCardInfo& k : hand)
      if (k.Score == l && (best == nullptr || k.Rank < best->Rank)) best = &k;
    if (best != nullptr) return best->Tag;
  }
  return -1;
}

int CountRanks(const TCardList& list) {
  if (list.empty()) return -1;
  bool present[15] = {};
  for (const TCardInfo& k : list)
    if (k.Rank >= 6 && k.Rank <= 14) present[k.Rank] = true;
  int n = 0;
  for (int r = 6; r <= 14; ++r) n += present[r] ? 1 : 0;
  return n;
}

int CountHigher(int rank, int suit, const TCardList& list) {
  int n = 0;
  for (int r = rank + 1; r <= 14; ++r)
    if (HasCard(r, suit, list)) ++n;
  return n;
}

int CountSuit(int suit, const TCardList& list) {
  int n = 0;
  for (const TCardInfo& k : list)
    if (k.Suit == suit) ++n;
  return n;
}

TCardList JoinKarts(const TCardList& a, const TCardList& b) {
  TCardList joined;
  joined.reserve(a.size() + b.size());
  joined.insert(joined.end(), a.begin(), a.end());
  joined.insert(joined.end(), b.begin(), b.end());
  return joined;
}

TCardList SeenCards(const TCompView& view) {
  TCardList seen = JoinKarts(*view.Discard, *view.Hand);
  seen.insert(seen.end(), view.Table->begin(), view.Table->end());
  if (view.HasTrumpCard) seen.push_back(view.TrumpCard);
  return seen;
}

int AvgStrength(const TCardList& list, int trump) {
  if (list.empty()) return 0;
  int sum = 0;
  for (const TCardInfo& k : list) sum += k.Rank + (k.Suit == trump ? 9 : 0);
  const int n = static_cast<int>(list.size());
  const int q = sum / n, twice = 2 * (sum % n);
  if (twice > n || (twice == n && q % 2 == 1)) return q + 1;
  return q;
}

TSafety CardSafety(const TCompView& view, int rank, int suit) {
  if (CountHigher(rank, suit, *view.Known) > 0) return sfBeatable;
  const bool plain = suit != view.Trump;
  if (view.UnseenEmpty) return plain && HasSuit(view.Trump, *view.Known) ? sfSafeInSuit : sfSafe;
  TSafety result = CountHigher(rank, suit, view.Seen) < 14 - rank ? sfUnknown : sfSafe;
  if (plain && result == sfSafe && CountSuit(view.Trump, view.Seen) < 9) result = sfSafeInSuit;
  return result;
}

namespace {

// What the known and the seen cards say about the player holding this rank.
TRankRisk RankRisk(const TCompView& view, int rank) {
  const int k = std::abs(CountRank(rank, *view.Known, view.Trump));
  const bool t = HasCard(rank, view.Trump, *view.Known);
  TRankRisk result = rkUnknown;
  if (k == 1 && t) result = rkTrumpOnly;
  if (k > 1 || (k == 1 && !t)) result = rkHeld;
  if (result != rkHeld) {
    if (!view.UnseenEmpty && std::abs(CountRank(rank, view.Seen, view.Trump)) == 4) result = rkNo;
    if (view.UnseenEmpty && result == rkUnknown) result = rkNo;
  }
  return result;
}

}  // namespace

TRankRisk TransferRisk(const TCompView& view, int rank) {
  if (!view.TransferOn) return rkNo;
  return RankRisk(view, rank);
}

TRankRisk RankThreat(const TCompView& view, int rank) {
  if (std::abs(CountRank(rank, *view.Table, view.Trump)) > 0) return rkOnTable;
  return RankRisk(view, rank);
}

TPairAr BuildPairs(const TCompView& view) {
  TPairAr pairs;
  const TCardList& hand = *view.Hand;
  if (hand.size() < 2) return pairs;
  for (int rank = 6; rank <= 14; ++rank) {
    const int n = std::abs(CountRank(rank, hand, view.Trump));
    if (n <= 1) continue;
    TPair pair;
    pair.Rank = static_cast<uint8_t>(rank);
    pair.Count = static_cast<uint8_t>(n);
    for (const TCardInfo& k : hand) {
      if (k.Rank != rank) continue;
      const TSafety s = CardSafety(view, k.Rank, k.Suit);
      if (s == sfSafe)
        pair.Status = sfSafe;
      else if (pair.Status != sfSafe && (s == sfUnknown || s == sfSafeInSuit))
        pair.Status = s;
    }
    pairs.push_back(pair);
  }
  return pairs;
}

TSafety PairStatus(int rank, const TPairAr& pairs) {
  for (const TPair& p : pairs)
    if (p.Rank == rank) return p.Status;
  return sfBeatable;
}

int PlayerCannotBeat(const TCompView& view, TCardList& cards) {
  if (view.PlayerCount < static_cast<int>(cards.size())) return -1;
  const TCardList& known = *view.Known;
  if (known.empty()) return 0;
  std::vector<bool> used(known.size(), false);
  SortHand(cards, 2, view.Trump);
  int result = -1;
  for (int i = static_cast<int>(cards.size()) - 1; i >= 0 && result != 1; --i) {
    const TCardInfo& c = cards[i];
    int pick = -1;
    for (int j = 0; j < static_cast<int>(known.size()); ++j) {
      const TCardInfo& k = known[j];
      if (used[j] || !CanBeat(k.Rank, k.Suit, c.Rank, c.Suit, view.Trump)) continue;
      if (pick < 0 || k.Rank < known[pick].Rank) pick = j;
    }
    if (pick < 0)
      result = 1;
    else
      used[pick] = true;
  }
  if (result == 1 && static_cast<int>(known.size()) < view.PlayerCount) result = 0;
  return result;
}

}  // namespace durak

// Scoring passes over the computer's hand for the lead and the throw-in. Every decision is
// taken by the number of cards left in the stock: with a full stock the computer sheds its
// lowest plain cards, as it runs down it keeps trumps and high cards back and prefers what
// the player cannot beat, and with the stock gone it plays on full knowledge.
#include "CompAttack.h"

#include <cstdlib>

#include "CompEval.h"

namespace durak {

namespace {

bool IsTrump(const TCompView& view, const TCardInfo& k) {
  return k.Suit == view.Trump;
}

// Stock 8 to 15: plain cards before trumps, low plain cards nobody can beat first.
void ScoreLeadMiddle(TCompView& view) {
  for (TCardInfo& k : *view.Hand) {
    k.Score = IsTrump(view, k) ? 1 : 3;
    if (!IsTrump(view, k) && k.Rank <= 10) {
      const TSafety safe = CardSafety(view, k.Rank, k.Suit);
      if (safe == sfSafe || safe == sfSafeInSuit) ++k.Score;
    }
  }
}

// Stock 2 to 7: low ranks held more than once, and cards the player cannot beat.
void ScoreLeadLate(TCompView& view) {
  const TCardList& hand = *view.Hand;
  for (TCardInfo& k : *view.Hand) {
    k.Score = IsTrump(view, k) ? 1 : 3;
    const int e = CountRank(k.Rank, hand, view.Trump);
    if ((e > 1 || std::abs(e) > 2) && k.Rank <= 10) ++k.Score;
    if (e == 1 && k.Rank < 13 && TransferRisk(view, k.Rank) == rkHeld) --k.Score;
    if (!IsTrump(view, k) && k.Rank <= 11) {
      const TSafety safe = CardSafety(view, k.Rank, k.Suit);
      if (safe == sfSafe) k.Score += 2;
      if (safe == sfSafeInSuit) k.Score += 1;
    }
  }
}

// Stock 0 or 1: the whole hand of the player is known; returns the chosen card's Tag.
int ChooseLeadEndgame(TCompView& view, const TPairAr& pairs) {
  TCardList& hand = *view.Hand;
  int safe = 0;
  for (const TPair& p : pairs)
    if (p.Status == sfSafe) ++safe;
  const int ranks = CountRanks(hand);
  for (TCardInfo& k : hand) {
    const int n = std::abs(CountRank(k.Rank, hand, view.Trump));
    if (n == 1) {
      const TSafety s = CardSafety(view, k.Rank, k.Suit);
      if (s == sfBeatable) {
        k.Score = 0;
      } else if (s == sfUnknown || s == sfSafe) {
        k.Score = TransferRisk(view, k.Rank) > rkUnknown ? 3 : 4;
        ++safe;
      } else {
        k.Score = 2;
      }
    } else {
      const TSafety p = PairStatus(k.Rank, pairs);
      if (p == sfBeatable) k.Score = 0;
      if (p == sfUnknown) k.Score = 1;
      if (p == sfSafe)
        k.Score = CardSafety(view, k.Rank, k.Suit) == sfSafe && view.PlayerCount >= n ? 5 : 4;
      if (p == sfSafeInSuit) k.Score = 2;
    }
  }
  if (ranks - safe < 2) return PickLowest(hand, 5);
  // Too many doubtful ranks: prefer pairs the player may not beat, then lone top cards.
  for (TCardInfo& k : hand) {
    const bool twice = std::abs(CountRank(k.Rank, hand, view.Trump)) >= 2;
    if (twice && PairStatus(k.Rank, pairs) == sfSafeInSuit)
      k.Score = 2;
    else
      k.Score = k.Score == 2 ? 1 : 0;
  }
  return PickLowest(hand, 2);
}

// The score of one eligible card for a throw-in, by the stock.
int ThrowInScore(const TCompView& view, const TCardInfo& k, bool afterTake, int ranks,
                 int tableStrength) {
  const int r = k.Rank, s = k.Suit;
  const bool trump = s == view.Trump;
  const int stock = view.StockCount;
  const TSafety safe = CardSafety(view, r, s);
  const int higher = CountHigher(r, s, *view.Hand);

  if (stock >= 9) {
    if (trump || tableStrength >= 14) return slBarred;
    return r >= 11 ? 6 : 7;
  }
  if (stock >= 2) {
    if (trump) {
      if (r >= 11) return slBarred;
      if (safe == sfSafe) return 2;
      if (stock >= 5) return slBarred;
      return higher > 3 ? 1 : slBarred;
    }
    if (r <= 9 && (safe == sfSafe || afterTake)) return 7;
    if (r >= 10 && safe == sfSafe && !afterTake) return 6;
    return r >= 10 ? 1 : 2;
  }

  const TCardList& known = *view.Known;
  const int knownRanks = CountRanks(known);
  const int knownCount = static_cast<int>(known.size());
  if (trump) {
    if (safe == sfSafe && ranks <= 2) return 7;
    if (knownRanks == 1 || knownRanks == 2) {
      if (safe != sfBeatable) return 2;
      return CountHigher(r, s, known) == 1 && knownCount >= 2 ? 1 : slBarred;
    }
    if (knownRanks >= 3) {
      if (safe == sfBeatable) return r >= 10 || higher <= 2 || afterTake ? slBarred : 1;
      if (r < 11 && higher > 0 && ranks < 4) return 3;
      return (higher > 1 || (higher > 0 && ranks < 4)) && !afterTake ? 1 : slBarred;
    }
    return 2;
  }
  if (safe == sfSafe || ranks < 2) return 7;
  if (knownRanks == 1 || knownRanks == 2)
    return knownCount > CountHigher(r, s, known) ? 1 : slBarred;
  if (knownRanks >= 3) return safe == sfSafeInSuit ? 6 : 5;
  return 2;
}

}  // namespace

TCompMoves ChooseLead(TCompView& view) {
  TCardList& hand = *view.Hand;
  const int stock = view.StockCount;
  int tag = -1;
  if (stock >= 16) {
    for (TCardInfo& k : hand) k.Score = IsTrump(view, k) ? 0 : 1;
    tag = PickLowest(hand, 1);
  } else if (stock >= 8) {
    ScoreLeadMiddle(view);
    tag = PickLowest(hand, 4);
  } else if (stock >= 2) {
    ScoreLeadLate(view);
    tag = PickLowest(hand, 6);
  } else {
    const bool oneRank = CountRanks(hand) == 1;
    if (oneRank && view.PlayerCount >= static_cast<int>(hand.size()) && view.MultiLeadOn) {
      // The whole hand is one rank: lead all of it at once.
      TCompMoves moves;
      for (int i = 0; i < static_cast<int>(hand.size()); ++i) moves.push_back({hand[i].Tag, i});
      return moves;
    }
    tag = ChooseLeadEndgame(view, BuildPairs(view));
  }
  TCompMoves moves;
  if (tag > 0) moves.push_back({tag, 0});
  return moves;
}

TCompMoves ChooseThrowIn(TCompView& view, bool afterTake) {
  TCardList& hand = *view.Hand;
  const int attack = RowCount(*view.CompRow);
  const int open = attack - RowCount(*view.PlayerRow);
  // The player must be able to face one more card, and the attack holds six at most.
  if (open >= view.PlayerCount || attack >= 6) return {};

  int wanted = 1;
  if (afterTake) {
    wanted = 6 - attack;
    if (wanted > view.PlayerCount - open) wanted = view.PlayerCount - open;
  }
  // Only ranks already on the table may be thrown in.
  int eligible = 0;
  for (TCardInfo& k : hand) {
    const bool onTable = CountRank(k.Rank, *view.Table, view.Trump) != 0;
    k.Score = onTable ? 0 : slBarred;
    if (onTable) ++eligible;
  }
  if (eligible < wanted) wanted = eligible;
  if (wanted <= 0) return {};

  const int ranks = CountRanks(hand);
  const int tableStrength = AvgStrength(*view.Table, view.Trump);
  TCompMoves moves;
  for (int e = 0; e < wanted; ++e) {
    for (TCardInfo& k : hand)
      if (k.Score != slBarred) k.Score = 2;
    for (TCardInfo& k : hand)
      if (k.Score < slBarred) k.Score = ThrowInScore(view, k, afterTake, ranks, tableStrength);
    const int t = PickLowest(hand, 7);
    if (t < 1) break;
    for (TCardInfo& k : hand)
      if (k.Tag == t) k.Score = slBarred;
    moves.push_back({t, attack + static_cast<int>(moves.size())});
  }
  return moves;
}

}  // namespace durak

// Scoring passes over the computer's hand for the defence. A transfer is tried first; then
// every open card is given a beater, the highest target first; a single target that
// cannot be beaten turns the whole defence into a take.
#include "CompDefence.h"

#include <cstdlib>

#include "CompEval.h"

namespace durak {

namespace {

// Trumps held back while the stock is large: every trump from 17 cards up, a trump of
// rank 9 or more from 9 cards up, a trump jack or higher from 2 cards up.
bool TrumpBarred(int stock, int rank) {
  if (stock >= 17) return true;
  if (stock >= 9) return rank >= 9;
  if (stock >= 2) return rank >= 11;
  return false;
}

// The score of a card that can beat the target.
int BeatScore(const TCompView& view, const TCardInfo& card, const TCardInfo& target) {
  int score = card.Suit == target.Suit ? 3 : 0;
  if (RankThreat(view, card.Rank) < rkUnknown) ++score;
  if (view.StockCount <= 1 && CountRank(card.Rank, *view.Hand, view.Trump) > 1 && score > 0)
    --score;
  if (BeatCost(card.Rank, card.Suit, target.Rank, target.Suit, view.Trump) <= 3) ++score;
  if (card.Suit == view.Trump && TrumpBarred(view.StockCount, card.Rank)) score = slBarred;
  return score;
}

}  // namespace

int ChooseTransfer(TCompView& view) {
  const TRow& playerRow = *view.PlayerRow;
  const int led = RowCount(playerRow);
  if (led == 0 || RowCount(*view.CompRow) != 0 || !view.TransferOn) return -1;
  if (view.PlayerCount <= led || led >= 6) return -1;
  TCardList& hand = *view.Hand;
  const int rank0 = playerRow[0].Rank, suit0 = playerRow[0].Suit;
  const int n = std::abs(CountRank(rank0, hand, view.Trump));
  if (n == 0) return -1;

  TCardList attack;
  for (const TCardInfo& k : playerRow)
    if (k.Rank != 0) attack.push_back(k);
  const int ranks = CountRanks(hand);
  for (TCardInfo& k : hand) {
    if (k.Rank != rank0) {
      k.Score = slChosen;
      continue;
    }
    k.Score = 2;
    const bool trump = k.Suit == view.Trump;
    if (view.StockCount <= 1) {
      // The player's hand is known: transfer when the enlarged attack cannot be beaten.
      if (!trump || CountHigher(rank0, view.Trump, hand) >= 2 || ranks <= 2) {
        TCardList enlarged = attack;
        enlarged.push_back(k);
        if (PlayerCannotBeat(view, enlarged) == 1) k.Score = 1;
      }
      if (ranks <= 1) k.Score = 1;
    } else if (!trump) {
      if (n >= 2 || led > 2) k.Score = 0;
      if (CountHigher(rank0, suit0, hand) == 0) k.Score = 1;
    }
  }
  return PickLowest(hand, 1);
}

TCompMoves ChooseBeat(TCompView& view) {
  const TRow& playerRow = *view.PlayerRow;
  const TRow& compRow = *view.CompRow;
  // The open player cards, lowest first; each carries its slot in Score through the sort.
  TCardList targets;
  for (int i = 0; i < 6; ++i) {
    if (playerRow[i].Rank == 0 || compRow[i].Rank != 0) continue;
    TCardInfo entry = playerRow[i];
    entry.Score = i;
    targets.push_back(entry);
  }
  SortHand(targets, 2, view.Trump);
  // moves[e] answers targets[e]; a Tag of 0 means no beater has been found.
  TCompMoves moves;
  for (const TCardInfo& target : targets) moves.push_back({0, target.Score});

  TCardList& hand = *view.Hand;
  for (TCardInfo& k : hand) k.Score = 0;
  // The highest targets first: trumps from the top down, then the others.
  for (int e = static_cast<int>(targets.size()) - 1; e >= 0; --e) {
    const TCardInfo& target = targets[e];
    for (TCardInfo& k : hand)
      if (k.Score != slChosen) k.Score = 0;
    for (TCardInfo& k : hand) {
      if (k.Score != 0) continue;
      if (!CanBeat(k.Rank, k.Suit, target.Rank, target.Suit, view.Trump))
        k.Score = slBarred;
      else
        k.Score = BeatScore(view, k, target);
    }
    const int t = PickLowest(hand, 9);
    if (t > 0) {
      moves[e].Tag = t;
      for (TCardInfo& k : hand)
        if (k.Tag == t) k.Score = slChosen;
    }
  }
  for (const TCompMove& m : moves)
    if (m.Tag == 0) return {};
  return moves;
}

}  // namespace durak

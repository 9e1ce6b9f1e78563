// The evaluation helpers of the computer player, shared by its attack and its defence.
// They read the computer's view and never change the game.
#pragma once

#include <cstdint>
#include <vector>

#include "CompView.h"

namespace durak {

// Working score levels of a card in the computer's hand during one decision.
enum TScoreLevel : int32_t { slChosen = 10, slBarred = 11 };

// How safe a card is as an attack: the player is known to hold a higher card of its suit;
// a higher card's place is unknown; nothing can beat it within its suit and no trump can be
// ruled in; top of its suit, but the player may hold a trump.
enum TSafety : int32_t { sfBeatable = -1, sfUnknown = 0, sfSafe = 1, sfSafeInSuit = 2 };

// What the known and seen cards say about the player holding a rank: the rank is on the
// table already (RankThreat only); cannot hold it (or, for TransferRisk, transfers are off);
// unknown; known to hold it; holds it only as the trump of that rank.
enum TRankRisk : int { rkOnTable = -2, rkNo = -1, rkUnknown = 0, rkHeld = 1, rkTrumpOnly = 2 };

// A rank the computer holds at least twice, and how safe an attack with it is.
struct TPair {
  uint8_t Rank = 0;
  uint8_t Count = 0;            // 2..4
  TSafety Status = sfBeatable;  // the best CardSafety of its cards
};
using TPairAr = std::vector<TPair>;

// The card of the hand with the best score up to `level`: the highest level that has a
// card decides, then the lowest rank, then hand order. -1 when no card scores 0..level.
int PickLowest(const TCardList& hand, int level);
// Distinct ranks in the list; -1 for an empty list.
int CountRanks(const TCardList& list);
// How many higher cards of the suit the list holds.
int CountHigher(int rank, int suit, const TCardList& list);
int CountSuit(int suit, const TCardList& list);
TCardList JoinKarts(const TCardList& a, const TCardList& b);
// Discard, the computer's hand, the table and the face-up trump card while it lies there.
TCardList SeenCards(const TCompView& view);
// Mean rank, a trump counting 9 more, rounded to the nearest integer, halves to even.
int AvgStrength(const TCardList& list, int trump);

// How safe a card is as an attack (see TSafety).
TSafety CardSafety(const TCompView& view, int rank, int suit);
// Whether the player could transfer with this rank; rkNo also when transfers are off.
TRankRisk TransferRisk(const TCompView& view, int rank);
// Whether playing this rank opens a new rank for the player to add: rkOnTable when it is
// already on the table; otherwise as TransferRisk without the variant test.
TRankRisk RankThreat(const TCompView& view, int rank);
TPairAr BuildPairs(const TCompView& view);
// The Status of the rank's entry; sfBeatable when the rank is not in the list.
TSafety PairStatus(int rank, const TPairAr& pairs);
// 1 the player certainly cannot beat every card of the list, -1 the known cards beat them
// all (or the list is longer than the hand), 0 unknown. Sorts the list by rank.
int PlayerCannotBeat(const TCompView& view, TCardList& cards);

}  // namespace durak

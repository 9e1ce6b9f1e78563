// Operations on card lists and table rows that both the rules and the computer player use.
#pragma once

#include <array>

#include "CardInfo.h"

namespace durak {

// Six table slots; slot i of the player's row and of the computer's row form pair i.
using TRow = std::array<TCardInfo, 6>;

// Appends the card unless the list already holds a card of the same rank and suit.
void AddToList(const TCardInfo& card, TCardList& list);
// Removes the entry with the card's tag, when the list holds a card of its rank and suit.
void RemoveFromList(const TCardInfo& card, TCardList& list);
bool HasCard(int rank, int suit, const TCardList& list);
bool HasSuit(int suit, const TCardList& list);
// Number of cards of that rank, negated when the list holds the trump of that rank.
int CountRank(int rank, const TCardList& list, int trump);
// Lowest rank of the given suit in the list; 20 when there is none.
int LowestTrump(const TCardList& list, int suit);
// Tag of the first entry with that suit and rank; 0 when there is none.
int FindCard(const TCardList& list, int suit, int rank);
bool ListHasTag(const TCardList& list, int tag);

int RowCount(const TRow& row);
void ClearRow(TRow& row);

// Whether card 1 beats card 2: a higher card of the same suit, or a trump over a non-trump.
bool CanBeat(int rank1, int suit1, int rank2, int suit2, int trump);
// -1 when card 1 cannot beat card 2; the rank difference within a suit; rank1 + 9 - rank2
// for a trump over a non-trump.
int BeatCost(int rank1, int suit1, int rank2, int suit2, int trump);

// Puts a list in hand order: 0 none, 1 by suit, 2 by rank; trumps always last.
void SortHand(TCardList& list, int order, int trump);

}  // namespace durak

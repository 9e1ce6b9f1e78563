// What one seat knows of a deal: its own hand, the table, the discard, the trump card,
// how many cards each seat holds and the cards it saw others take. The computer players
// decide on this alone.
#pragma once

#include "TableState.h"

namespace durak::table {

// The cards whose place `seat` does not know: the other seats' cards it has not seen and
// the stock under the trump card.
TCards UnseenBy(const TTableState& s, int seat);

// The state as `seat` knows it: every card it has not seen is put in a fixed order (the
// lowest first into the other seats' hands in seat order, the rest into the stock). Two
// deals that differ only in where those cards lie give the same result, so a player that
// decides on it cannot use another seat's hidden cards.
TTableState SeatKnowledge(const TTableState& s, int seat);

}  // namespace durak::table

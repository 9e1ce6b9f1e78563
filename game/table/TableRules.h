// The rules of Durak at a table of three or four, in one place: the deal and the first
// attacker, the legal moves of the seat to move, and what a move brings about up to the
// next decision (the next seat's turn, the end of the bout, the drawing, seats leaving,
// the end of the deal).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "TableState.h"

namespace durak::table {

// What a move brought about, in order, for a window to show and a log to tell.
enum TTableEventKind : uint8_t {
  teDealt,     // Seat attacks first; Card is the lowest trump it showed, or 0
  tePlay,      // Seat put Card down as attacking pair Slot (lead or throw-in)
  teBeat,      // Seat beat pair Slot with Card
  teTransfer,  // Seat passed the attack on with Card in pair Slot; Other defends now
  teTakes,     // Seat (the defender) said it takes; the others may still add cards
  tePass,      // Seat passed (added no card, or began the defence of a lead)
  teDiscard,   // the bout was beaten; its cards went to the discard
  tePickUp,    // Seat took every card of the table
  teDraw,      // Seat drew Card from the stock
  teOut,       // Seat has no cards and the stock is empty: it is out and safe
  teBout,      // a new bout: Seat attacks, Other defends
  teOver       // the deal is over: Seat is the fool, or -1 for a draw
};

struct TTableEvent {
  uint8_t Kind = teOver;
  int8_t Seat = -1;
  uint8_t Card = 0;
  uint8_t Slot = 0;
  int8_t Other = -1;
};

using TTableEvents = std::vector<TTableEvent>;

// Deals a new hand to `seats` (3 or 4) from a shuffle by `seed`. `previousFool` is the
// fool of the last deal of this game, or -1 for a new game or after a draw: then the
// lowest trump leads, and the person (seat 0) when nobody holds a trump.
void DealTable(TTableState& s, int seats, const TTableRules& rules, uint64_t seed, int previousFool,
               TTableEvents* events = nullptr);
// Sets up the first bout of a state whose cards are already in place (for hand-built
// positions): the first attacker as DealTable chooses it.
void StartFirstBout(TTableState& s, int previousFool, TTableEvents* events = nullptr);

// Every move the seat to move may make. Empty only when the deal is over.
void LegalMoves(const TTableState& s, TTableMoves& moves);
bool IsLegal(const TTableState& s, const TTableMove& m);

// Plays a legal move of the seat to move and everything that follows up to the next
// decision. Returns false (and changes nothing) for a move that is not legal.
bool ApplyMove(TTableState& s, const TTableMove& m, TTableEvents* events = nullptr);

// The deal's invariants: each of the 36 cards in exactly one place, the table's pairs and
// limits, the seats' roles. An empty string when all hold, else what is wrong.
std::string CheckTable(const TTableState& s);

// The order in which the seats may throw in: the main attacker, then the others clockwise
// from the defender's left. Seats out of play are left out. Returns the number of seats.
int ThrowInOrder(const TTableState& s, std::array<uint8_t, kMaxSeats>& order);

}  // namespace durak::table

// The engine's invariants, checked by `durak-sim play` after every event.
#pragma once

#include <string>

#include "Game.h"

namespace durak {

// Empty when the state is sound; otherwise a one-line account of the first fault found:
// every card of the pack in exactly one of the hands, the stock, the table and the discard;
// no list holding a card twice; the rows holding exactly the cards of the table, six at most
// each; and the computer's memory naming only cards the player may still hold.
std::string CheckInvariants(const TGame& game);

}  // namespace durak

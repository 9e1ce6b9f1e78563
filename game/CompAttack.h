// The computer as attacker: the card it leads a bout with, and the cards it throws in.
#pragma once

#include "CompView.h"

namespace durak {

// The lead of a new bout: one card, or every card of the hand when it holds one rank and a
// multi-card lead is allowed.
TCompMoves ChooseLead(TCompView& view);

// The cards to throw in: one after the player beat everything, or as many as the rules
// allow before the player takes. Empty when there is nothing to add.
TCompMoves ChooseThrowIn(TCompView& view, bool afterTake);

}  // namespace durak

// The computer as defender: transfer the attack, beat every open card, or take.
#pragma once

#include "CompView.h"

namespace durak {

// The Tag of the card to transfer the attack with, or -1 when the computer does not
// transfer.
int ChooseTransfer(TCompView& view);

// One move per open player card, in the order the beaters are put down: the computer's
// beating card and the slot of the pair. Empty when some open card cannot (or may not) be
// beaten: then the computer takes.
TCompMoves ChooseBeat(TCompView& view);

}  // namespace durak

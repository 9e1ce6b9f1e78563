// The computer as defender: transfer the attack, beat every open card, or take.
#pragma once

#include "CompView.h"

namespace durak {

// The Tag of the card to transfer the attack with, or -1 when the computer does not
// transfer.
int ChooseTransfer(TCompView& view);

// One entry per open player card, in the order the beaters are put down: a copy of the
// player's card whose Tag is the computer's beating card and whose Score is the pair's
// slot. Empty when some open card cannot (or may not) be beaten: then the computer takes.
TKarts ChooseBeat(TCompView& view);

}  // namespace durak

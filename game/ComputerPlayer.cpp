// The computer's move. Until the computer player is written it makes no move at all.
#include "Game.h"

namespace durak {

void TGame::HM(int /*action*/, int /*afterTake*/) {}

}  // namespace durak

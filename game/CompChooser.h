// The choosing steps of the computer's move, apart from how the move is then carried out.
// ComputerMove asks a chooser what to play and then puts the cards down, speaks, and sets the
// buttons and the player's input mode as for any move of that kind. The described computer
// player is the default chooser; a searching player can take its place.
#pragma once

#include "CompView.h"

namespace durak {

// The computer's answer to the player's attack: a transfer card, or one beater for every
// open card (as ChooseBeat makes them), or neither, which means it takes.
struct TCompDefence {
  int TransferTag = -1;
  TCompMoves Beaters;
};

class ICompChooser {
 public:
  virtual ~ICompChooser() = default;
  // The lead: the cards and their slots.
  virtual TCompMoves Lead(TCompView& view) = 0;
  virtual TCompDefence Defend(TCompView& view) = 0;
  // The cards thrown in, as for the lead; empty when nothing is added.
  virtual TCompMoves ThrowIn(TCompView& view, bool afterTake) = 0;
};

// The described computer player's choices.
class TDescribedChooser : public ICompChooser {
 public:
  TCompMoves Lead(TCompView& view) override;
  TCompDefence Defend(TCompView& view) override;
  TCompMoves ThrowIn(TCompView& view, bool afterTake) override;
};

}  // namespace durak

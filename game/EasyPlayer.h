// The easy player: a level for beginners. Most of the time it plays the rule of thumb's
// choice (cheap cards first, beat cheaply or take, keep trumps while the stock lasts); now
// and then it plays some other move that still looks natural, so it misses chances without
// ever doing something absurd such as taking when every open card could be beaten in its
// own suit. It decides on the seat's knowledge only and never looks ahead.
#pragma once

#include <cstdint>
#include <vector>

#include "SearchView.h"
#include "StrongChooser.h"

namespace durak {

// How often, in percent, the easy player strays from the rule of thumb.
constexpr int kEasyStrayPercent = 60;

// Whether a move looks natural enough for the easy player to stray to it.
bool EasyNatural(const TSearchState& s, const TMove& m);

// The easy player's next move, after `prefix` (moves already chosen for the move it is
// putting together). Deterministic for the knowledge and the seed.
TMove EasyMove(const TInfoSet& info, const std::vector<TMove>& prefix, uint64_t seed,
               const std::vector<uint16_t>* avoid = nullptr);

// The easy player in the computer's seat.
class TEasyChooser : public TStrongChooser {
 public:
  explicit TEasyChooser(uint64_t seed) : TStrongChooser(TStrongParams(), seed) {}

 protected:
  TMove ChooseMove(const TInfoSet& info, const std::vector<TMove>& chosen, uint64_t seed,
                   const std::vector<uint16_t>* avoid) override;
};

// What the easy player would do in the player's seat now, from the player's knowledge.
THint EasyHint(const TGame& game, uint64_t seed, TRepetitionMemory* memory = nullptr,
               int* legalMoves = nullptr);

}  // namespace durak

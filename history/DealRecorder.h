// Records a deal played on the headless table without a person: the player's seat takes
// its inputs from a policy, the computer of the chosen level answers, and every input is
// written down as the history file keeps it. For tests, benchmarks and sample histories.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "DealRecord.h"
#include "Game.h"
#include "StrongChooser.h"

namespace durak {

// The player's next input in the game as it stands; an invalid hint ends the recording.
using TPlayerPolicy = std::function<THint(const TGame& game)>;

// The strong player's suggestions, searched over `iterations` deals each.
TPlayerPolicy StrongPolicy(int iterations, uint64_t seed = 1);

// Plays the deal numbered `seed` from a new game with the given option bits against the
// computer of the level named ("described", "strong" or "easy") and returns its record;
// the result is empty when the deal did not end within `maxInputs` inputs. The strong
// computer searches from `computerSeed` (the window's is cut short by the clock instead, so
// a replay cannot search its way to the same moves) and its moves go into the record.
TDealRecord RecordDeal(uint32_t seed, int options, const std::string& opponent,
                       const TPlayerPolicy& player, int maxInputs = 1000,
                       uint64_t computerSeed = 1);

// The harness's event for a hint: the click with its menu pick, or the button.
nlohmann::json EventOfHint(const THint& hint);

}  // namespace durak

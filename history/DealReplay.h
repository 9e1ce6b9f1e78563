// A recorded deal played again on the headless table, input by input, with the computer
// answering as it did: the computer player of the record's level in the computer's seat.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "DealRecord.h"

namespace durak {

// The table after one of the record's inputs (the computer's answer to it included).
struct TReplayStep {
  int Event = 0;            // index in the record's events
  nlohmann::json State;     // the engine's state after it, as the harness writes it
  bool PlayerMove = false;  // a click or button of the player's that changed the table
};

struct TDealReplay {
  nlohmann::json Start;  // the state before the deal
  std::vector<TReplayStep> Steps;
  // Empty when every input replayed and the deal ended with the recorded result; else what
  // went wrong, the steps holding what replayed before it.
  std::string Problem;
  // The deal's result for the player as the replay ended it: "win", "loss", "draw" or
  // empty when it did not end.
  std::string Result;
};

// The state before a step: the start for the first, else the state after the one before.
const nlohmann::json& StateBefore(const TDealReplay& replay, size_t step);

// Replays the record. Only the two-player table is replayed; a record of another table
// gets a problem and no steps. Never throws.
TDealReplay ReplayDeal(const TDealRecord& record);

}  // namespace durak

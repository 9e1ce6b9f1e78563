// The engine's state as the harness reads and writes it in JSON.
#pragma once

#include <array>
#include <nlohmann/json.hpp>
#include <string>

#include "Game.h"
#include "Headless.h"

namespace durak {

// A request that breaks the harness's rules; its message becomes the error response.
struct THarnessError {
  std::string Message;
};

// Loads a state object into the engine and lays its cards face up or down as they would
// lie (their places on the table are the caller's); throws THarnessError.
void LoadState(const nlohmann::json& state, TGame& game, THeadlessCards& cards);
void LoadState(const nlohmann::json& state, TGame& game,
               const std::array<ICardControl*, 36>& cards);
// The engine's state with every key present.
nlohmann::ordered_json SaveState(const TGame& game, const THeadlessCards& cards);
nlohmann::ordered_json SaveState(const TGame& game, const std::array<ICardControl*, 36>& cards);

}  // namespace durak

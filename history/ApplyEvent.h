// One input of the game window, written as the harness's EVENT object, applied to a game on
// the headless table: the deal with its seed, a new game, a click with its menu pick, a
// button, a direct computer move. A recorded deal is replayed by applying its events in
// order to its starting state.
#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>

#include "Game.h"
#include "Headless.h"

namespace durak {

// A game on the headless table, laid out as the harness lays it out.
struct THeadlessGame {
  THeadlessGame();
  THeadlessGame(const THeadlessGame&) = delete;
  THeadlessGame& operator=(const THeadlessGame&) = delete;

  THeadlessCards Cards;
  THeadlessTable Table;
  TFixedClock Clock{0};
  TGame Game;
};

// An integer key of an event: the default when absent and not required, a boolean as 0 or
// 1. Throws THarnessError (StateJson.h) when it is missing but required, not an integer or
// outside lo..hi.
int64_t EventInt(const nlohmann::json& event, const char* key, bool required, int64_t def,
                 int64_t lo, int64_t hi);

// Applies the event exactly as the game window would; throws THarnessError naming what is
// wrong with it. A "hint" event is not an input of the window and is refused here.
void ApplyEvent(const nlohmann::json& event, TGame& game, THeadlessTable& table, TFixedClock& clock,
                THeadlessCards& cards);
void ApplyEvent(const nlohmann::json& event, THeadlessGame& headless);

}  // namespace durak

#include "ApplyEvent.h"

#include <string>

#include "StateJson.h"

namespace durak {

using nlohmann::json;

THeadlessGame::THeadlessGame() : Game(Cards.Pointers(), Table, Clock) {
  Game.Layout = ComputeLayout(738, 530, 71, 96);
}

int64_t EventInt(const json& event, const char* key, bool required, int64_t def, int64_t lo,
                 int64_t hi) {
  auto it = event.find(key);
  if (it == event.end()) {
    if (required) throw THarnessError{std::string("event lacks '") + key + "'"};
    return def;
  }
  if (it->is_boolean()) return it->get<bool>() ? 1 : 0;
  if (!it->is_number_integer())
    throw THarnessError{std::string("event '") + key + "' must be an integer"};
  if (it->is_number_unsigned() && it->get<uint64_t>() > uint64_t(hi))
    throw THarnessError{std::string("event '") + key + "' out of range"};
  const int64_t v = it->get<int64_t>();
  if (v < lo || v > hi) throw THarnessError{std::string("event '") + key + "' out of range"};
  return v;
}

void ApplyEvent(const json& event, TGame& game, THeadlessTable& table, TFixedClock& clock,
                THeadlessCards& cards) {
  if (!event.is_object()) throw THarnessError{"'event' must be an object"};
  auto typeIt = event.find("type");
  if (typeIt == event.end() || !typeIt->is_string())
    throw THarnessError{"event lacks a string 'type'"};
  const std::string type = typeIt->get<std::string>();

  if (type == "deal") {
    clock.Value = static_cast<uint32_t>(EventInt(event, "seed", true, 0, 0, UINT32_MAX));
    game.DealPressed();
  } else if (type == "newgame") {
    game.NewGame();
  } else if (type == "click") {
    const int tag = static_cast<int>(EventInt(event, "tag", true, 0, 1, 36));
    const int64_t menu = EventInt(event, "menu", false, -1, INT32_MIN, INT32_MAX);
    table.MenuChoice = static_cast<int>(menu);
    // Only the cards of the player's hand answer a click.
    THeadlessCard& card = *cards.Cards[tag - 1];
    if (card.Clickable()) game.CardClicked(card);
  } else if (type == "button") {
    auto nameIt = event.find("name");
    if (nameIt == event.end() || !nameIt->is_string())
      throw THarnessError{"button event lacks a string 'name'"};
    const std::string name = nameIt->get<std::string>();
    if (name == "Button1")
      game.TakePressed();
    else if (name == "Button2")
      game.DealPressed();
    else if (name == "Button3")
      game.ComputerTakesPressed();
    else if (name == "Button4")
      game.DiscardPressed();
    else if (name == "Button5")
      game.DefendPressed();
    else
      throw THarnessError{"unknown button '" + name + "'"};
  } else if (type == "hm") {
    const int action = static_cast<int>(EventInt(event, "action", true, 0, 0, 255));
    const int afterTake = static_cast<int>(EventInt(event, "afterTake", false, 0, 0, 255));
    game.ComputerMove(action, afterTake);
  } else {
    throw THarnessError{"unknown event type '" + type + "'"};
  }
}

void ApplyEvent(const json& event, THeadlessGame& headless) {
  ApplyEvent(event, headless.Game, headless.Table, headless.Clock, headless.Cards);
}

}  // namespace durak

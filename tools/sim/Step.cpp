#include "Step.h"

#include <cctype>
#include <nlohmann/json.hpp>

#include "Headless.h"
#include "StateJson.h"
#include "StrongChooser.h"

namespace durak {

using nlohmann::json;
using nlohmann::ordered_json;

namespace {

// JSON nested deeper than this is refused before parsing, so hostile input cannot exhaust
// the stack of the recursive parser.
constexpr int kMaxDepth = 32;

std::string ErrorLine(const std::string& message) {
  ordered_json r;
  r["error"] = message;
  return r.dump(-1, ' ', false, json::error_handler_t::replace);
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

// Applies the event exactly as the game window would.
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
    game.ComputerMove(static_cast<TCompAction>(action), afterTake != 0);
  } else {
    throw THarnessError{"unknown event type '" + type + "'"};
  }
}

// The strong player's suggestion for the player in this state, from the player's knowledge
// only; the state itself is left as it was.
json HintJson(const json& event, const TGame& game) {
  TStrongParams params;
  params.Iterations =
      static_cast<int>(EventInt(event, "iterations", false, params.Iterations, 1, 1000000));
  const uint64_t seed = static_cast<uint64_t>(EventInt(event, "seed", false, 0, 0, UINT32_MAX));
  const THint hint = StrongHint(game, seed, params);
  if (!hint.Valid) return nullptr;
  ordered_json h;
  if (hint.IsClick) {
    h["click"] = hint.Tag;
    h["menu"] = hint.Menu;
  } else {
    h["button"] = "Button" + std::to_string(static_cast<int>(hint.Button));
  }
  // Only where the rest of the deal was solved exactly.
  if (hint.Solved) h["solved"] = hint.Value > 0 ? "win" : hint.Value < 0 ? "loss" : "draw";
  return h;
}

}  // namespace

bool NestedTooDeeply(const std::string& line) {
  int depth = 0;
  bool inString = false, escaped = false;
  for (char ch : line) {
    if (inString) {
      if (escaped)
        escaped = false;
      else if (ch == '\\')
        escaped = true;
      else if (ch == '"')
        inString = false;
      continue;
    }
    if (ch == '"') inString = true;
    if (ch == '[' || ch == '{') {
      if (++depth > kMaxDepth) return true;
    } else if (ch == ']' || ch == '}') {
      --depth;
    }
  }
  return false;
}

bool IsBlankLine(const std::string& line) {
  for (unsigned char ch : line)
    if (!std::isspace(ch)) return false;
  return true;
}

bool ReadRequestLine(std::istream& in, std::string* line) {
  line->clear();
  std::streambuf* buf = in.rdbuf();
  bool any = false;
  for (;;) {
    const int c = buf->sbumpc();
    if (c == std::char_traits<char>::eof()) {
      in.setstate(std::ios::eofbit);
      return any;
    }
    any = true;
    if (c == '\n') return true;
    if (line->size() <= kMaxRequestLine) line->push_back(static_cast<char>(c));
  }
}

std::string StepLine(const std::string& line) {
  try {
    if (line.size() > kMaxRequestLine)
      return ErrorLine("request longer than " + std::to_string(kMaxRequestLine) + " bytes");
    if (NestedTooDeeply(line)) return ErrorLine("JSON nested too deeply");
    const json request = json::parse(line, nullptr, false);
    if (request.is_discarded()) return ErrorLine("not valid JSON");
    if (!request.is_object()) return ErrorLine("a request must be a JSON object");
    auto eventIt = request.find("event");
    if (eventIt == request.end()) return ErrorLine("request lacks 'event'");

    THeadlessCards cards;
    THeadlessTable table;
    TFixedClock clock(0);
    TGame game(cards.Pointers(), table, clock);
    game.Layout = ComputeLayout(738, 530, 71, 96);
    auto stateIt = request.find("state");
    LoadState(stateIt == request.end() ? json::object() : *stateIt, game, cards);

    json hint;
    const bool isHint = eventIt->is_object() && eventIt->contains("type") &&
                        (*eventIt)["type"].is_string() && (*eventIt)["type"] == "hint";
    if (isHint)
      hint = HintJson(*eventIt, game);
    else
      ApplyEvent(*eventIt, game, table, clock, cards);

    ordered_json r;
    r["state"] = SaveState(game, cards);
    r["speeches"] = game.SpeechLog;
    r["sounds"] = game.SoundLog;
    r["menu"] = table.MenuShown ? json(table.MenuOffered) : json(nullptr);
    r["result"] = game.ResultLog.empty() ? 0 : game.ResultLog.back();
    if (isHint) r["hint"] = hint;
    return r.dump(-1, ' ', false, json::error_handler_t::replace);
  } catch (const THarnessError& e) {
    return ErrorLine(e.Message);
  } catch (const std::exception& e) {
    return ErrorLine(std::string("bad request: ") + e.what());
  }
}

}  // namespace durak

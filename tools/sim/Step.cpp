#include "Step.h"

#include <cctype>
#include <nlohmann/json.hpp>

#include "ApplyEvent.h"
#include "Headless.h"
#include "StateJson.h"
#include "StrongChooser.h"

namespace durak {

using nlohmann::json;
using nlohmann::ordered_json;

namespace {

std::string ErrorLine(const std::string& message) {
  ordered_json r;
  r["error"] = message;
  return r.dump(-1, ' ', false, json::error_handler_t::replace);
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

    THeadlessGame headless;
    TGame& game = headless.Game;
    auto stateIt = request.find("state");
    LoadState(stateIt == request.end() ? json::object() : *stateIt, game, headless.Cards);

    json hint;
    const bool isHint = eventIt->is_object() && eventIt->contains("type") &&
                        (*eventIt)["type"].is_string() && (*eventIt)["type"] == "hint";
    if (isHint)
      hint = HintJson(*eventIt, game);
    else
      ApplyEvent(*eventIt, headless);

    ordered_json r;
    r["state"] = SaveState(game, headless.Cards);
    r["speeches"] = game.SpeechLog;
    r["sounds"] = game.SoundLog;
    const THeadlessTable& table = headless.Table;
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

#include "TableStep.h"

#include <nlohmann/json.hpp>

#include "StateJson.h"
#include "Step.h"
#include "TableJson.h"
#include "TablePlayers.h"

namespace durak {

using nlohmann::json;
using nlohmann::ordered_json;
using namespace table;

namespace {

std::string ErrorLine(const std::string& message) {
  ordered_json r;
  r["error"] = message;
  return r.dump(-1, ' ', false, json::error_handler_t::replace);
}

int64_t NumberOr(const json& j, const char* key, int64_t def, int64_t lo, int64_t hi) {
  auto it = j.find(key);
  if (it == j.end()) return def;
  if (!it->is_number_integer())
    throw THarnessError{std::string("'") + key + "' must be an integer"};
  if (it->is_number_unsigned() && it->get<uint64_t>() > uint64_t(hi))
    throw THarnessError{std::string("'") + key + "' is out of range"};
  const int64_t v = it->get<int64_t>();
  if (v < lo || v > hi) throw THarnessError{std::string("'") + key + "' is out of range"};
  return v;
}

ordered_json Answer(const TTableState& s, const TTableEvents& events) {
  ordered_json r;
  r["state"] = SaveTableState(s);
  ordered_json list = ordered_json::array();
  for (const TTableEvent& e : events) list.push_back(TableEventJson(e));
  r["events"] = list;
  TTableMoves moves;
  LegalMoves(s, moves);
  ordered_json legal = ordered_json::array();
  for (const TTableMove& m : moves) legal.push_back(TableMoveJson(m));
  r["legal"] = legal;
  return r;
}

std::string Step(const json& request) {
  if (!request.is_object()) throw THarnessError{"a request must be a JSON object"};
  TTableEvents events;
  if (request.contains("deal")) {
    const json& deal = request["deal"];
    if (!deal.is_object()) throw THarnessError{"'deal' must be an object"};
    const int players = static_cast<int>(NumberOr(deal, "players", 3, 3, 4));
    const int options = static_cast<int>(NumberOr(deal, "options", 0, 0, 15));
    const uint64_t seed = static_cast<uint64_t>(NumberOr(deal, "seed", 1, 0, INT64_MAX));
    const int fool = static_cast<int>(NumberOr(deal, "previousFool", -1, -1, players - 1));
    TTableState s;
    DealTable(s, players, TTableRules{(options & 2) != 0, (options & 4) != 0}, seed, fool, &events);
    return Answer(s, events).dump();
  }
  auto state = request.find("state");
  if (state == request.end()) throw THarnessError{"a request needs 'deal' or 'state'"};
  TTableState s = LoadTableState(*state);
  const bool hasMove = request.contains("move"), hasComputer = request.contains("computer");
  if (hasMove && hasComputer) throw THarnessError{"a request has 'move' or 'computer', not both"};
  if (!hasMove && !hasComputer) return Answer(s, events).dump();
  if (s.Over()) throw THarnessError{"the deal is over"};
  const int seat = static_cast<int>(NumberOr(request, "seat", -1, 0, s.Seats - 1));
  if (seat != s.ToMove)
    throw THarnessError{"seat " + std::to_string(seat) + " is not to move; seat " +
                        std::to_string(s.ToMove) + " is"};
  TTableMove move;
  if (hasMove) {
    move = LoadTableMove(request["move"]);
  } else {
    const json& level = request["computer"];
    if (!level.is_string()) throw THarnessError{"'computer' must be a player's name"};
    auto player =
        MakeTablePlayer(level.get<std::string>(),
                        static_cast<uint64_t>(NumberOr(request, "seed", 1, 0, INT64_MAX)));
    if (!player) throw THarnessError{"unknown computer player '" + level.get<std::string>() + "'"};
    move = player->Choose(s);
  }
  if (!ApplyMove(s, move, &events)) throw THarnessError{"the move is not legal now"};
  ordered_json r = Answer(s, events);
  r["move"] = TableMoveJson(move);
  return r.dump();
}

}  // namespace

std::string TableStepLine(const std::string& line) {
  if (NestedTooDeeply(line)) return ErrorLine("request nested too deeply");
  try {
    return Step(json::parse(line));
  } catch (const THarnessError& e) {
    return ErrorLine(e.Message);
  } catch (const json::exception& e) {
    return ErrorLine(std::string("bad JSON: ") + e.what());
  }
}

}  // namespace durak

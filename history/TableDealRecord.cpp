#include "TableDealRecord.h"

#include "StateJson.h"
#include "TableJson.h"

namespace durak {

using nlohmann::json;
using namespace table;

TDealRecord TableDealRecord(const TTableGame& game, uint32_t dealNumber, int32_t options) {
  const TTableState& s = game.State();
  TDealRecord r;
  r.Players = s.Seats;
  r.Options = options;
  r.Deal = dealNumber;
  r.Result = s.Fool == TTableGame::kPerson ? "loss" : s.Fool < 0 ? "draw" : "win";
  r.Start = json{{"seats", s.Seats},
                 {"transfer", s.Rules.Transfer},
                 {"multiLead", s.Rules.MultiLead},
                 {"foolBefore", game.FoolBeforeDeal()}};
  r.Events.push_back(json{{"type", "deal"}, {"seed", game.DealSeed()}});
  for (const TSeatMove& m : game.DealMoves())
    r.Events.push_back(json{{"type", "move"}, {"seat", m.Seat}, {"move", TableMoveJson(m.Move)}});
  return r;
}

bool ReplayTableDeal(const TDealRecord& record, TTableState& end, std::string* why) {
  auto fail = [why](const std::string& reason) {
    if (why) *why = reason;
    return false;
  };
  const json& start = record.Start;
  if (record.Players < 3 || record.Players > table::kMaxSeats || !start.is_object() ||
      start.value("seats", 0) != record.Players)
    return fail("not a deal at a table of three or four");
  if (record.Events.empty() || record.Events[0].value("type", "") != "deal" ||
      !record.Events[0].contains("seed") || !record.Events[0]["seed"].is_number_unsigned())
    return fail("the deal's seed is missing");
  const int foolBefore = start.value("foolBefore", -1);
  if (foolBefore < -1 || foolBefore >= record.Players)
    return fail("a fool before the deal out of range");
  TTableRules rules;
  rules.Transfer = start.value("transfer", false);
  rules.MultiLead = start.value("multiLead", false);
  DealTable(end, record.Players, rules, record.Events[0]["seed"].get<uint64_t>(), foolBefore);
  for (size_t i = 1; i < record.Events.size(); ++i) {
    const json& e = record.Events[i];
    if (end.Over()) return fail("a move after the deal ended");
    if (!e.is_object() || e.value("type", "") != "move" || !e.contains("move"))
      return fail("event " + std::to_string(i) + " is not a move");
    if (e.value("seat", -1) != end.ToMove)
      return fail("event " + std::to_string(i) + " is not made by the seat to move");
    TTableMove move;
    try {
      move = LoadTableMove(e["move"]);
    } catch (const THarnessError& error) {
      return fail("event " + std::to_string(i) + ": " + error.Message);
    }
    if (!ApplyMove(end, move, nullptr))
      return fail("event " + std::to_string(i) + " is not a legal move");
  }
  return true;
}

}  // namespace durak

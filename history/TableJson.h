// A table of three or four in JSON, as `durak-sim table` reads and writes it.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "TableRules.h"

namespace durak {

// A table state from JSON; throws THarnessError (StateJson.h) naming the fault. The state
// must satisfy the table's invariants.
table::TTableState LoadTableState(const nlohmann::json& state);
nlohmann::ordered_json SaveTableState(const table::TTableState& s);

nlohmann::ordered_json TableMoveJson(const table::TTableMove& m);
// A move object {"kind": "play"|"beat"|"transfer"|"take"|"pass", "card": T, "slot": S}.
table::TTableMove LoadTableMove(const nlohmann::json& move);
nlohmann::ordered_json TableEventJson(const table::TTableEvent& e);

}  // namespace durak

// A finished deal at a table of three or four as the history keeps it. The record's
// "start" holds what the deal was dealt from and its "events" the deal and every move in
// order, each with the seat that made it:
//
//   "start":  {"seats":3, "transfer":false, "multiLead":false, "foolBefore":-1}
//   "events": [{"type":"deal","seed":123},
//              {"type":"move","seat":0,"move":{"kind":"play","card":5,"slot":0}}, ...]
//
// Dealing with that seed and playing the moves gives the deal again.
#pragma once

#include <string>

#include "DealRecord.h"
#include "TableGame.h"

namespace durak {

// The record of the deal `game` has just finished; Player, Time and Opponent are the
// caller's. The result is the person's: "loss" as the fool, "draw" without a fool, else
// "win".
TDealRecord TableDealRecord(const table::TTableGame& game, uint32_t dealNumber, int32_t options);

// Deals and plays a table record again. False, with the reason in *why, when the record is
// not a table deal, is damaged, or a move is not legal where it comes.
bool ReplayTableDeal(const TDealRecord& record, table::TTableState& end, std::string* why);

}  // namespace durak

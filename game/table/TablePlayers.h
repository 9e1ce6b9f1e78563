// The computer players of the table, and the scripted seats of the harness. Each decides
// for the seat to move of the state it is given; the computer players look at that
// state only through SeatKnowledge.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "TableState.h"

namespace durak::table {

class TTablePlayer {
 public:
  virtual ~TTablePlayer() = default;
  // One of the legal moves of the seat to move (the deal is not over).
  virtual TTableMove Choose(const TTableState& s) = 0;
};

// "Обычный": leads low, keeps its trumps, beats cheaply, takes when beating would cost too
// much, throws in what it can spare. Deterministic.
TTableMove OrdinaryMove(const TTableState& s);

// The players by name: "ordinary" (Обычный), "random" (uniform among the legal moves),
// "first" (the first legal move). Null for an unknown name.
std::unique_ptr<TTablePlayer> MakeTablePlayer(const std::string& name, uint64_t seed);

}  // namespace durak::table

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
// The same choice made on the state as given, for a state that already holds only what the
// seat to move may know (a sampled deal of the searching player).
TTableMove OrdinaryChoice(const TTableState& s);

// "Сильный": for each legal move, plays the deal out in sampled deals (the cards it has not
// seen dealt at random among their places) with every seat playing "Обычный", and keeps
// the move that leaves it the fool least often. `rollouts` bounds the deals played out per
// decision at a table of three (three quarters of it at four), whatever the number of moves
// (at least six samples a move). Deterministic for a given seed, and it sees the
// state only through SeatKnowledge.
constexpr int kStrongRollouts = 600;
TTableMove StrongMove(const TTableState& s, uint64_t seed, int rollouts = kStrongRollouts);
std::unique_ptr<TTablePlayer> MakeStrongTablePlayer(uint64_t seed);

// "Лёгкий" strays this often, in percent, from the usual choice to another natural move
// (never taking while every open card can be beaten in its own suit, never spending a
// trump to add to a bout while the stock lasts).
constexpr int kEasyTableStrayPercent = 35;

// The players by name: "easy" (Лёгкий), "ordinary" (Обычный), "strong" (Сильный), "random"
// (uniform among the legal moves), "first" (the first legal move). Null for an unknown name.
std::unique_ptr<TTablePlayer> MakeTablePlayer(const std::string& name, uint64_t seed);

}  // namespace durak::table

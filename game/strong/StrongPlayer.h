// The strong player: a Monte Carlo tree search over deals that agree with what the deciding
// side knows (one tree for all of them, each deal visiting the moves it allows), played out
// with a quick rule of thumb; and an exact search once every card's place is known, which
// it is as soon as the stock is down to the face-up trump card.
#pragma once

#include <cstdint>
#include <vector>

#include "SearchModel.h"
#include "SearchView.h"

namespace durak {

struct TStrongParams {
  int Iterations = 800;        // deals searched per decision
  double TimeLimitMs = 400;    // stop earlier when a clock is given and this much has passed
  long EndgameNodes = 300000;  // positions the exact search may visit before giving up
  // When the stock holds at most LeafStock cards at the decision, a searched deal that
  // reaches the end of the stock is valued by the exact search (up to LeafNodes positions)
  // instead of being played out; 0 plays every deal out.
  int LeafStock = 3;
  long LeafNodes = 1000;
  long LeafTotalNodes = 40000;  // over one decision: past it, deals are played out again
  double Exploration = 0.7;
};

// Elapsed time since the decision began, handed in by the caller (the engine has no clock).
class ISearchClock {
 public:
  virtual ~ISearchClock() = default;
  // Starts timing a new decision.
  virtual void Restart() = 0;
  virtual double ElapsedMs() = 0;
};

struct TStrongStats {
  int LegalMoves = 0;
  int Iterations = 0;  // deals searched
  bool Exact = false;  // decided by the exact search
  int Value = 0;       // when Exact: 1 won, 0 drawn, -1 lost with exact play on both sides
  long Nodes = 0;      // positions the exact search visited
};

// The next move of the side to move, after `prefix` (moves of the deciding side already
// chosen for the move it is putting together). Deterministic for a seed and a budget.
// Moves whose codes are in `avoid` are left out, unless nothing else is legal.
TMove StrongMove(const TInfoSet& info, const std::vector<TMove>& prefix, uint64_t seed,
                 const TStrongParams& params, ISearchClock* clock = nullptr,
                 TStrongStats* stats = nullptr, const std::vector<uint16_t>* avoid = nullptr);

// The deciding side's chance of not losing the deal (a draw does not lose) once it has made
// the move, both sides going on as the strong player would. Exact (0 or 1, with exact play
// on both sides) when every card's place is known and the exact search finishes within
// EndgameNodes; otherwise the share of Iterations searched deals that agree with the
// knowledge in which it did not lose. Deterministic for a seed and a budget.
struct TMoveValue {
  double NotLosing = 0;
  bool Exact = false;
  int Deals = 0;  // deals searched
};
TMoveValue ValueOfMove(const TInfoSet& info, const TMove& move, uint64_t seed,
                       const TStrongParams& params);

// Leaves out of `moves` those whose codes are in `avoid`, unless that would leave none.
void DropAvoided(TMoveList& moves, const std::vector<uint16_t>* avoid);

// The exact value of a fully known position for a seat: 1 won, 0 drawn, -1 lost; `best`
// receives a move that reaches it. False when the node limit (or, with a clock, the time
// limit) was reached first.
bool SolveExactly(const TSearchState& s, int seat, long nodeLimit, int& value, TMove& best,
                  long* nodes = nullptr, ISearchClock* clock = nullptr, double timeLimitMs = 0);

// How much the playout rule likes a move in a position; higher is better.
int PolicyScore(const TSearchState& s, const TMove& m);

// The playout rule: cheap cards first, beat cheaply or take, keep trumps while the stock lasts.
TMove PolicyMove(const TSearchState& s, const TMoveList& moves, TSearchRandom& random);

}  // namespace durak

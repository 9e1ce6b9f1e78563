// The strong player at the table: in the computer's seat it makes the computer's choices
// from the computer's own view; in the player's seat it suggests the card or button the
// player would do well to press, from what the player can see.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "CompChooser.h"
#include "StrongPlayer.h"
#include "TableView.h"

namespace durak {

class TGame;

// The positions the strong side has decided in during this deal, and what it chose there.
// Its search is deterministic, so against a side that is deterministic too a position that
// comes back would come back for ever (the cards going to and fro while neither side draws).
// Each time a position comes back, a move not yet chosen there is chosen.
class TRepetitionMemory {
 public:
  // The moves already chosen in this position during this deal. A new deal (the stock
  // grown or the discard shrunk since the last call) forgets the last one.
  const std::vector<uint16_t>* Chosen(const TInfoSet& info);
  // Notes the move chosen; once every legal move has been chosen the list starts again.
  void Note(const TInfoSet& info, const TMove& move, int legalMoves);

 private:
  std::unordered_map<uint64_t, std::vector<uint16_t>> chosen_;
  int lastStock_ = -1;
  TCardSet lastDiscard_ = 0;
};

class TStrongChooser : public ICompChooser {
 public:
  TStrongChooser(const TStrongParams& params, uint64_t seed, ISearchClock* clock = nullptr)
      : Params(params), Seed(seed), Clock(clock) {}

  TCompMoves Lead(TCompView& view) override;
  TCompDefence Defend(TCompView& view) override;
  TCompMoves ThrowIn(TCompView& view, bool afterTake) override;

  // The moves of one whole computer move, chosen one after the other from its knowledge.
  std::vector<TMove> Decide(const TInfoSet& info);

  TStrongParams Params;
  uint64_t Seed;
  ISearchClock* Clock;
  TStrongStats LastStats;
  TRepetitionMemory Memory;
  // Every move decided, in order (move codes), for a record of the deal: the clock cuts
  // the search short, so the same position need not bring the same move twice.
  std::vector<uint16_t> Played;
  // Moves to make again instead of searching, in order, from Script[ScriptNext] on (a
  // recorded deal played back); once they run out the search decides again.
  std::vector<uint16_t> Script;
  size_t ScriptNext = 0;

 protected:
  // The next move of the computer's move being put together, after those already chosen.
  virtual TMove ChooseMove(const TInfoSet& info, const std::vector<TMove>& chosen, uint64_t seed,
                           const std::vector<uint16_t>* avoid);
};

// A suggestion for the player: a click on a card (with the pick-a-pair menu item it needs,
// -1 when no menu comes up) or a press of a command button.
struct THint {
  bool Valid = false;
  bool IsClick = false;
  int Tag = 0;
  int Menu = -1;  // 0..5 the pair to beat, 6 transfer
  TButton Button = TakeButton;
  // Whether the rest of the deal was solved exactly, and then its value for the player with
  // exact play on both sides: 1 a win, 0 a draw, -1 a loss.
  bool Solved = false;
  int Value = 0;
};

// The player's click or button for a move of the search model in the given position.
THint InputOfMove(const TSearchState& position, const TMove& move);

// What the strong player would do in the player's seat now, from the player's knowledge.
// Not valid when the player has nothing to decide.
// With a memory, the suggestions of one deal avoid going round in circles (for a player
// who follows every suggestion).
THint StrongHint(const TGame& game, uint64_t seed, const TStrongParams& params,
                 ISearchClock* clock = nullptr, TStrongStats* stats = nullptr,
                 TRepetitionMemory* memory = nullptr);

}  // namespace durak

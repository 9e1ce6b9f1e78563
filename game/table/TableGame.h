// A game of deals at a table of three or four as a window drives it: the person sits at
// seat 0 and the computer players, all of one level, in the other seats. The window asks
// the state (hands, counts, table pairs, stock, who attacks and defends, the person's
// legal moves), sends the person's moves, lets the computer seats move one at a time, and
// shows the events each step brought about.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "TablePlayers.h"
#include "TableRules.h"

namespace durak::table {

// One move of a deal and the seat that made it, as the game logs them for the history.
struct TSeatMove {
  int Seat = 0;
  TTableMove Move;
};

class TTableGame {
 public:
  static constexpr int kPerson = 0;

  // `level` names the computer players: "ordinary" (Обычный) or "strong" (Сильный).
  TTableGame(int seats, const std::string& level, uint64_t seed);

  // The computer players of another level from the next decision on; the game goes on.
  void SetLevel(const std::string& level, uint64_t seed);
  // A new game: the next deal is led by the lowest trump again.
  void NewGame() { previousFool_ = -1; }
  // Deals the next hand with the rules given (rule changes take effect here).
  TTableEvents Deal(const TTableRules& rules, uint64_t shuffleSeed);

  const TTableState& State() const { return state_; }
  bool PersonToMove() const { return !state_.Over() && state_.ToMove == kPerson; }
  // The person's legal moves; none while another seat is to move.
  void PersonMoves(TTableMoves& moves) const;
  // Plays the person's move; false, and nothing changes, when it is not the person's turn
  // or the move is not legal.
  bool PersonPlays(const TTableMove& move, TTableEvents* events);
  // Plays the move of the computer seat to move; false when the person is to move or the
  // deal is over.
  bool ComputerPlays(TTableEvents* events);

  // What the last deal started from and every move made in it, oldest first: dealing
  // again with these seats, rules, seed and fool before it, then playing the moves in
  // order, gives the deal again.
  int FoolBeforeDeal() const { return foolBeforeDeal_; }
  uint64_t DealSeed() const { return dealSeed_; }
  const std::vector<TSeatMove>& DealMoves() const { return dealMoves_; }

 private:
  TTableState state_;
  int foolBeforeDeal_ = -1;
  uint64_t dealSeed_ = 0;
  std::vector<TSeatMove> dealMoves_;
  std::vector<std::unique_ptr<TTablePlayer>> players_;
  int previousFool_ = -1;
};

}  // namespace durak::table

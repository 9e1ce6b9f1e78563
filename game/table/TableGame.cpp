#include "TableGame.h"

namespace durak::table {

TTableGame::TTableGame(int seats, const std::string& level, uint64_t seed) {
  state_.Seats = static_cast<uint8_t>(seats);
  state_.Phase = tpOver;
  SetLevel(level, seed);
}

void TTableGame::SetLevel(const std::string& level, uint64_t seed) {
  const int seats = state_.Seats;
  players_.clear();
  players_.resize(static_cast<size_t>(seats));
  for (int seat = 1; seat < seats; ++seat) {
    players_[static_cast<size_t>(seat)] =
        MakeTablePlayer(level, seed + 0x9E3779B97F4A7C15ull * static_cast<uint64_t>(seat));
    if (!players_[static_cast<size_t>(seat)])
      players_[static_cast<size_t>(seat)] = MakeTablePlayer("ordinary", seed);
  }
}

TTableEvents TTableGame::Deal(const TTableRules& rules, uint64_t shuffleSeed) {
  TTableEvents events;
  foolBeforeDeal_ = previousFool_;
  dealSeed_ = shuffleSeed;
  dealMoves_.clear();
  DealTable(state_, state_.Seats, rules, shuffleSeed, previousFool_, &events);
  return events;
}

void TTableGame::PersonMoves(TTableMoves& moves) const {
  moves.Count = 0;
  if (PersonToMove()) LegalMoves(state_, moves);
}

bool TTableGame::PersonPlays(const TTableMove& move, TTableEvents* events) {
  if (!PersonToMove() || !ApplyMove(state_, move, events)) return false;
  dealMoves_.push_back({kPerson, move});
  if (state_.Over()) previousFool_ = state_.Fool;
  return true;
}

bool TTableGame::ComputerPlays(TTableEvents* events) {
  if (state_.Over() || state_.ToMove == kPerson) return false;
  const int seat = state_.ToMove;
  const TTableMove move = players_[static_cast<size_t>(seat)]->Choose(state_);
  if (!ApplyMove(state_, move, events)) return false;
  dealMoves_.push_back({seat, move});
  if (state_.Over()) previousFool_ = state_.Fool;
  return true;
}

}  // namespace durak::table

// Tells a deal as it happens, in words: each lead, beat, transfer, throw-in, take,
// discard and draw. It is shown the game after every card movement and names what changed
// since the last look, so it needs no help from the engine.
#pragma once

#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "Game.h"

namespace durak {

// The card as a player writes it: rank then suit sign ("10♥", "Q♠").
std::string CardName(const TCardInfo& card);
std::string CardNameOfTag(int tag);
// The cards by name, separated by spaces; "-" for none.
std::string CardNames(const std::vector<int>& tags);

class TNarrator {
 public:
  explicit TNarrator(std::ostream& out) : out_(out) {}
  // Looks at the game and tells every move since the last look. The cards of one take, one
  // discard or one draw are gathered and told together, before the next move or at Flush.
  void Look(const TGame& game);
  void Flush();
  // Ends the deal's dealing: the cards each side gets from now on are draws.
  void DealDone() { dealt_ = true; }
  // The cards each side was dealt, in the order they came (by TSide).
  const std::vector<int>& Dealt(int side) const { return dealt_hands_[side]; }

 private:
  struct TSnapshot {
    std::set<int> Hand[2];  // by TSide
    int Row[2][6]{};        // card tags by side and slot, 0 for an empty slot
    std::set<int> Discard;
    size_t Stock = 0;
  };
  static TSnapshot Take(const TGame& game);
  static const char* Who(int side) { return side == sdPlayer ? "You" : "The computer"; }
  void TellDepartures(const TSnapshot& now);
  void GatherDraws(const TSnapshot& now);
  void TellTableCards(const TSnapshot& now);
  void EndBoutIfClear(const TSnapshot& now);
  void TellGathered(int side, std::vector<int>& cards, const char* you, const char* it,
                    const std::string& after);

  std::ostream& out_;
  TSnapshot last_;
  // The cards on the table this bout, and those of them already told taken or discarded
  // (they may still lie in a row until the table is cleared).
  std::set<int> bout_, gone_;
  int attacker_ = -1;  // the side leading the bout; -1 before its lead
  bool dealt_ = false;
  std::vector<int> dealt_hands_[2];
  // Moves gathered until the next move of another kind: cards taken, discarded, drawn.
  std::vector<int> taken_[2], discarded_, drawn_[2];
  int firstDrawer_ = -1;
  size_t stockAfter_[2]{};
};

}  // namespace durak

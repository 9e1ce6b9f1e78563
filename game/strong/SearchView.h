// What one side may know when it decides, in the search model's terms, and the deals that
// agree with it. The computer's side is built from its TCompView; the player's side from the
// player's own view: the hand, the table, the discard, the trump card, the counts and the
// computer's cards the player has seen. Neither reads the other hand or the stock.
#pragma once

#include <cstdint>

#include "CompView.h"
#include "SearchModel.h"
#include "Vocabulary.h"

namespace durak {

class TGame;

// The cards of a list as a card set.
TCardSet CardSetOf(const TCardList& list);

// The player's counterpart of TCompView: copies of what the player can see, nothing more.
struct TPlayerView {
  TCardList Hand;
  TRow PlayerRow{}, CompRow{};
  TCardList Discard;
  TCardList SeenComp;  // the computer's cards the player has seen
  int Trump = 1;
  int StockCount = 0;
  int CompCount = 0;
  bool HasTrumpCard = false;
  TCardInfo TrumpCard;
  bool TransferOn = false;
  bool MultiLeadOn = false;
  TPlayMode PlayMode = pmNone;
  TCompAction CompAction = caNothing;
  bool TakeShown = false;     // "Забирай"
  bool DiscardShown = false;  // "Бито"
  bool DealOver = false;
};

TPlayerView MakePlayerView(const TGame& game);

// One side's knowledge. Visible is a search state in which the other hand holds only the
// cards this side has seen and the stock only the face-up trump card.
struct TInfoSet {
  TSearchState Visible;
  uint8_t Seat = seatComputer;
  TCardSet OppKnown = 0;
  uint8_t OppCount = 0;
};

// The computer's knowledge at the start of ComputerMove(action, afterTake).
TInfoSet InfoOfComputer(const TCompView& view, int action, int afterTake);
// The player's knowledge; false when the player has no decision to make now.
bool InfoOfPlayer(const TPlayerView& view, TInfoSet& info);

// Whether every card's place is known to the deciding side.
bool FullyKnown(const TInfoSet& info);

// A small, fast generator for the search: deals, playouts, ties.
class TSearchRandom {
 public:
  explicit TSearchRandom(uint64_t seed) : state_(seed) {}
  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // Uniform in 0..n-1 (n > 0).
  uint32_t Below(uint32_t n) { return static_cast<uint32_t>(((Next() >> 32) * n) >> 32); }

 private:
  uint64_t state_;
};

// A whole deal that agrees with the knowledge: the unknown cards spread at random over the
// other hand and the stock, the trump card staying last in the stock.
TSearchState Determinize(const TInfoSet& info, TSearchRandom& random);

// A hash of everything the deciding side knows, for seeding its search.
uint64_t InfoHash(const TInfoSet& info);

}  // namespace durak

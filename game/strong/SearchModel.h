// A small copyable model of a deal for searching ahead: both hands and the discard as card
// sets, the stock in drawing order, the two table rows, and whose decision it is. Its move
// generator and its moves follow the engine's rules exactly, for both sides: what the
// player's clicks and buttons may do, and what the computer may choose in one move.
//
// This is a second copy of the rules, kept apart from the engine's (PlayerRules.cpp,
// ComputerPlayer.cpp, TakeDiscard.cpp) on purpose: the search copies a position thousands
// of times per decision, which the engine's card lists and widgets could not afford. The
// two are held together by a differential test (tests/ai/test_search_model.cpp) that plays
// whole deals through both at once and compares the legal moves at every decision; a rule
// changed in one place and not the other fails it.
#pragma once

#include <array>
#include <cstdint>

namespace durak {

// A set of cards: bit (tag - 1).
using TCardSet = uint64_t;
constexpr TCardSet kAllCards = (TCardSet(1) << 36) - 1;

inline TCardSet CardBit(int tag) {
  return TCardSet(1) << (tag - 1);
}
inline int CardCount(TCardSet set) {
  // Counted in place: the library's bit count is a call on the baseline instruction set.
  set = set - ((set >> 1) & 0x5555555555555555ull);
  set = (set & 0x3333333333333333ull) + ((set >> 2) & 0x3333333333333333ull);
  set = (set + (set >> 4)) & 0x0F0F0F0F0F0F0F0Full;
  return static_cast<int>((set * 0x0101010101010101ull) >> 56);
}
// The lowest tag in a non-empty set.
inline int FirstCard(TCardSet set) {
  return __builtin_ctzll(set) + 1;
}
// The four cards of a rank 6..14.
inline TCardSet RankCards(int rank) {
  return TCardSet(0xF) << ((rank - 6) * 4);
}
// The nine cards of a suit 1..4.
inline TCardSet SuitCards(int suit) {
  return TCardSet(0x111111111ull) << (suit - 1);
}

// The two seats: the player (bottom of the table) and the computer.
enum TSeat : uint8_t { seatPlayer = 0, seatComputer = 1 };

// What kind of decision is due. The side to move is the attacker, except in spDefend.
enum TSearchPhase : uint8_t {
  spLead,         // the attacker puts down the first card of a bout
  spLeadMore,     // the attacker may add cards of the led rank, or let the defence begin
  spDefend,       // the defender beats, transfers or takes
  spThrowIn,      // every card is answered: the attacker adds one, or the bout is discarded
  spTakeThrowIn,  // the defender takes: the attacker adds cards to go with it, or stops
  spOver
};

enum TMoveKind : uint8_t {
  mkPlay,      // lead, add to a lead, or throw in the card
  mkBeat,      // beat the attack card in pair Slot with the card
  mkTransfer,  // transfer the attack with the card
  mkTake,      // the defender takes the table
  mkDone       // stop adding: begin the defence, discard the bout, hand the table over
};

struct TMove {
  uint8_t Kind = mkDone;
  uint8_t Card = 0;
  uint8_t Slot = 0;

  uint16_t Code() const { return static_cast<uint16_t>(Kind | Card << 3 | Slot << 9); }
  bool operator==(const TMove& o) const { return Code() == o.Code(); }
  bool operator!=(const TMove& o) const { return Code() != o.Code(); }
};

struct TMoveList {
  // A hand of at most 30 cards each beating at most 6 open cards, and two more moves.
  std::array<TMove, 192> Items;
  int Count = 0;

  void Add(uint8_t kind, int card, int slot) {
    Items[Count++] = TMove{kind, static_cast<uint8_t>(card), static_cast<uint8_t>(slot)};
  }
  const TMove* begin() const { return Items.data(); }
  const TMove* end() const { return Items.data() + Count; }
  bool Contains(const TMove& m) const;
};

struct TSearchState {
  std::array<TCardSet, 2> Hand{};  // by seat
  TCardSet Discard = 0;
  TCardSet Table = 0;               // every card in the two rows
  std::array<uint8_t, 24> Stock{};  // Stock[0] is the face-up trump card, drawn last
  uint8_t StockCount = 0;
  std::array<std::array<uint8_t, 6>, 2> Row{};  // by seat; 0 an empty slot
  std::array<uint8_t, 6> Pending{};             // the computer's beaters chosen so far, by slot
  uint8_t Trump = 1;
  bool TransferOn = false;
  bool MultiLeadOn = false;
  uint8_t Attacker = seatPlayer;  // whose row holds the attack
  uint8_t Phase = spLead;
  uint8_t LastPick = 0;  // the computer's last card of a lead or throw-in being put together
  int8_t Result = 0;     // as the engine reports a deal's end: -1, 1, 2; 0 goes on

  uint8_t Mover() const {
    return Phase == spDefend ? static_cast<uint8_t>(1 - Attacker) : Attacker;
  }
  bool Over() const { return Phase == spOver; }
};

int RowCountOf(const std::array<uint8_t, 6>& row);
// Every card that beats the target under the trump suit.
TCardSet BeatersOf(int target, int trump);

// Every move the side to move may make now. Empty only when the deal is over.
void GenerateMoves(const TSearchState& s, TMoveList& moves);
// Plays a move that GenerateMoves offered, with everything the engine does after it up to
// the next decision: the other side's turn, the end of the bout, the refill, the deal's end.
void ApplyMove(TSearchState& s, const TMove& m);

// Whether the computer is still putting one move together (more cards of a lead, beaters
// for the remaining open cards, more cards before a take): the engine carries such a move
// out in one go once it is complete.
bool ComputerMoveOpen(const TSearchState& s);

// Share of the deal for a seat once it is over: 1 won, 0.5 drawn, 0 lost.
double RewardFor(const TSearchState& s, int seat);

}  // namespace durak

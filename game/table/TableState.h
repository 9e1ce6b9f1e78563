// The state of a deal at a table of three or four: every hand, the stock, the table's
// pairs, the discard, who attacks and who defends, and whose decision is due. Seats are
// numbered clockwise from the person at the bottom (seat 0); the "left" of a seat is the
// next seat clockwise that still holds cards or may still draw.
#pragma once

#include <array>
#include <cstdint>

namespace durak::table {

// A set of cards: bit (tag - 1), tags 1..36 as in the two-player game.
using TCards = uint64_t;
constexpr TCards kWholePack = (TCards(1) << 36) - 1;
constexpr int kMaxSeats = 4;
constexpr int kHandSize = 6;
constexpr int kMaxAttack = 6;  // attacking cards in one bout

inline TCards Bit(int tag) {
  return TCards(1) << (tag - 1);
}
inline int Count(TCards set) {
  return __builtin_popcountll(set);
}
// The lowest tag in a non-empty set.
inline int Lowest(TCards set) {
  return __builtin_ctzll(set) + 1;
}
inline int RankOf(int tag) {
  return (tag - 1) / 4 + 6;
}
inline int SuitOf(int tag) {
  return (tag - 1) % 4 + 1;
}
// The four cards of a rank 6..14.
inline TCards RankSet(int rank) {
  return TCards(0xF) << ((rank - 6) * 4);
}
// The nine cards of a suit 1..4.
inline TCards SuitSet(int suit) {
  return TCards(0x111111111ull) << (suit - 1);
}
// Whether `card` beats `target` with `trump` as the trump suit.
bool Beats(int card, int target, int trump);

// The rule options of the deal, as the two-player game's option bits name them.
struct TTableRules {
  bool Transfer = false;   // the defender may pass the attack on with a card of the led rank
  bool MultiLead = false;  // the first attack may be several cards of one rank
};

// What kind of decision is due, and from whom.
enum TTablePhase : uint8_t {
  tpLead,         // the attacker puts down the first card of a bout
  tpLeadMore,     // the attacker may add cards of the led rank, or let the defence begin
  tpDefend,       // the defender beats a card, transfers, or takes
  tpThrowIn,      // all is beaten: the seats in turn throw in a card or pass
  tpTakeThrowIn,  // the defender takes: the seats in turn add cards for it, or pass
  tpOver          // the deal is over
};

enum TTableMoveKind : uint8_t {
  tmPlay,      // lead, add to the lead, or throw in the card
  tmBeat,      // beat the attacking card of pair Slot with the card
  tmTransfer,  // pass the attack on to the next seat with the card
  tmTake,      // the defender takes the table
  tmPass       // no (more) cards: "Бейся" after a lead, "Бито"/"Пас" in a throw-in
};

struct TTableMove {
  uint8_t Kind = tmPass;
  uint8_t Card = 0;
  uint8_t Slot = 0;
  bool operator==(const TTableMove& o) const {
    return Kind == o.Kind && Card == o.Card && Slot == o.Slot;
  }
  bool operator!=(const TTableMove& o) const { return !(*this == o); }
};

struct TTableMoves {
  // A hand of at most 36 cards, each beating at most six open cards, and two more moves.
  std::array<TTableMove, 224> Items;
  int Count = 0;
  void Add(uint8_t kind, int card, int slot) {
    Items[Count++] = TTableMove{kind, static_cast<uint8_t>(card), static_cast<uint8_t>(slot)};
  }
  const TTableMove* begin() const { return Items.data(); }
  const TTableMove* end() const { return Items.data() + Count; }
  bool Contains(const TTableMove& m) const;
};

struct TTableState {
  uint8_t Seats = 3;
  std::array<TCards, kMaxSeats> Hand{};
  // The cards of each hand that every seat has seen go there: the lowest trump shown to
  // lead a deal, the cards a seat took from the table, the face-up trump card it drew.
  std::array<TCards, kMaxSeats> Shown{};
  TCards Discard = 0;
  std::array<uint8_t, 24> Stock{};  // Stock[0] is the face-up trump card, drawn last
  uint8_t StockCount = 0;
  uint8_t TrumpCard = 0;
  uint8_t Trump = 1;
  // The table: pair i is Attack[i] and, once beaten, Cover[i] (0 while open).
  std::array<uint8_t, kMaxAttack> Attack{};
  std::array<uint8_t, kMaxAttack> Cover{};
  uint8_t AttackCount = 0;
  TTableRules Rules;
  uint8_t Attacker =
      0;  // the main attacker of the bout (after a transfer, the seat that passed it)
  uint8_t Defender = 1;
  uint8_t Phase = tpLead;
  uint8_t ToMove = 0;  // the seat whose decision is due
  uint8_t Passed = 0;  // seats (bits) that passed since the last card came down
  uint8_t Out = 0;     // seats (bits) already out and safe, as reported by teOut
  int Fool = -1;       // once over: the fool's seat, or -1 for a draw

  bool Over() const { return Phase == tpOver; }
  int HandCount(int seat) const { return Count(Hand[seat]); }
  TCards TableCards() const;
  int OpenCount() const;  // attacking cards not yet beaten
  // A seat is out once the stock is empty and its hand too.
  bool InPlay(int seat) const { return Hand[seat] != 0 || StockCount > 0; }
  // The next seat clockwise from `seat` that is still in play (never `seat` itself unless
  // it is the only one).
  int LeftOf(int seat) const;
};

}  // namespace durak::table

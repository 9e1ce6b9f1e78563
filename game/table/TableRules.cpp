// The rules of the table of three and four in one place, as its header promises: dealing,
// legal moves, applying a move, drawing, leaving and the invariants. It runs past 400 lines
// because each rule reads the others' file-local helpers; one file keeps the rules whole.
#include "TableRules.h"

#include <sstream>

namespace durak::table {

namespace {

void Note(TTableEvents* events, uint8_t kind, int seat, int card = 0, int slot = 0,
          int other = -1) {
  if (events == nullptr) return;
  events->push_back(TTableEvent{kind, static_cast<int8_t>(seat), static_cast<uint8_t>(card),
                                static_cast<uint8_t>(slot), static_cast<int8_t>(other)});
}

TCards RanksOnTable(const TTableState& s) {
  TCards ranks = 0;
  for (int i = 0; i < s.AttackCount; ++i) {
    ranks |= RankSet(RankOf(s.Attack[i]));
    if (s.Cover[i] != 0) ranks |= RankSet(RankOf(s.Cover[i]));
  }
  return ranks;
}

// Another attacking card may come down: never more than six in a bout, never more
// unbeaten cards than the defender holds.
bool RoomForAnother(const TTableState& s) {
  return s.AttackCount < kMaxAttack && s.OpenCount() < s.HandCount(s.Defender);
}

// The cards a seat may throw in now.
TCards ThrowInCards(const TTableState& s, int seat) {
  if (seat == s.Defender || !RoomForAnother(s)) return 0;
  return s.Hand[seat] & RanksOnTable(s);
}

// The cards the attacker may add to a lead of several cards.
TCards LeadMoreCards(const TTableState& s) {
  if (!s.Rules.MultiLead || !RoomForAnother(s)) return 0;
  return s.Hand[s.Attacker] & RankSet(RankOf(s.Attack[0]));
}

// The seat to be asked next in a throw-in, or -1 when every seat that could add a card
// has passed since the last card came down.
int NextThrower(const TTableState& s) {
  std::array<uint8_t, kMaxSeats> order{};
  const int n = ThrowInOrder(s, order);
  for (int i = 0; i < n; ++i) {
    const int seat = order[i];
    if ((s.Passed >> seat & 1) == 0 && ThrowInCards(s, seat) != 0) return seat;
  }
  return -1;
}

void PutDown(TTableState& s, int seat, int card) {
  s.Hand[seat] &= ~Bit(card);
  s.Shown[seat] &= ~Bit(card);
}

void NoteLeavers(TTableState& s, TTableEvents* events) {
  for (int seat = 0; seat < s.Seats; ++seat) {
    if (s.InPlay(seat) || (s.Out >> seat & 1) != 0) continue;
    s.Out |= static_cast<uint8_t>(1 << seat);
    Note(events, teOut, seat);
  }
}

void BeginBout(TTableState& s, int attacker, TTableEvents* events) {
  s.Attacker = static_cast<uint8_t>(attacker);
  s.Defender = static_cast<uint8_t>(s.LeftOf(attacker));
  s.Phase = tpLead;
  s.ToMove = s.Attacker;
  s.Passed = 0;
  s.Attack.fill(0);
  s.Cover.fill(0);
  s.AttackCount = 0;
  Note(events, teBout, s.Attacker, 0, 0, s.Defender);
}

// Once the stock is empty, the deal ends when at most one seat holds cards: that seat is
// the fool, and when none does the deal is drawn. As in the two-player game, a defender
// left alone with no more cards than it has to beat may still beat them all and draw.
bool EndsNow(const TTableState& s, int& fool) {
  if (s.StockCount > 0) return false;
  int holders = 0;
  fool = -1;
  for (int seat = 0; seat < s.Seats; ++seat) {
    if (s.Hand[seat] == 0) continue;
    ++holders;
    fool = seat;
  }
  if (holders > 1) return false;
  if (holders == 0) return true;
  return !(fool == s.Defender && s.Phase == tpDefend && s.HandCount(fool) <= s.OpenCount());
}

// Drawing after a bout: the main attacker first, then the other seats clockwise, the
// defender last, each up to six while the stock lasts.
void DrawAfterBout(TTableState& s, TTableEvents* events) {
  auto draw = [&](int seat) {
    while (s.HandCount(seat) < kHandSize && s.StockCount > 0) {
      const int card = s.Stock[--s.StockCount];
      s.Stock[s.StockCount] = 0;
      s.Hand[seat] |= Bit(card);
      // The face-up trump card is seen by every seat wherever it goes.
      if (card == s.TrumpCard) s.Shown[seat] |= Bit(card);
      Note(events, teDraw, seat, card);
    }
  };
  for (int k = 0; k < s.Seats; ++k) {
    const int seat = (s.Attacker + k) % s.Seats;
    if (seat != s.Defender) draw(seat);
  }
  draw(s.Defender);
}

void Finish(TTableState& s, int fool, TTableEvents* events) {
  s.Phase = tpOver;
  s.Fool = fool;
  s.Passed = 0;
  Note(events, teOver, fool);
}

// The bout is over: beaten (to the discard; the defender attacks next) or taken (the
// defender picks everything up; its left attacks next). Then the drawing and the next
// bout.
void EndBout(TTableState& s, TTableEvents* events) {
  const bool taken = s.Phase == tpTakeThrowIn;
  const TCards cards = s.TableCards();
  if (taken) {
    s.Hand[s.Defender] |= cards;
    s.Shown[s.Defender] |= cards;
    Note(events, tePickUp, s.Defender);
  } else {
    s.Discard |= cards;
    Note(events, teDiscard, s.Attacker);
  }
  s.Attack.fill(0);
  s.Cover.fill(0);
  s.AttackCount = 0;
  s.Passed = 0;
  DrawAfterBout(s, events);
  NoteLeavers(s, events);
  int fool = -1;
  s.Phase = tpLead;  // no bout is under way while the end is decided
  if (EndsNow(s, fool)) {
    Finish(s, fool, events);
    return;
  }
  const int defender = s.Defender;
  const int next = taken || !s.InPlay(defender) ? s.LeftOf(defender) : defender;
  BeginBout(s, next, events);
}

// After a move: whose decision is next, or the end of the bout or of the deal.
void Advance(TTableState& s, TTableEvents* events) {
  for (;;) {
    NoteLeavers(s, events);
    int fool = -1;
    if (EndsNow(s, fool)) {
      Finish(s, fool, events);
      return;
    }
    switch (s.Phase) {
      case tpLead:
      case tpLeadMore:
        s.ToMove = s.Attacker;
        return;
      case tpDefend:
        if (s.OpenCount() > 0) {
          s.ToMove = s.Defender;
          return;
        }
        s.Phase = tpThrowIn;
        s.Passed = 0;
        break;
      default: {
        const int next = NextThrower(s);
        if (next >= 0) {
          s.ToMove = static_cast<uint8_t>(next);
          return;
        }
        EndBout(s, events);
        if (s.Over()) return;
        break;
      }
    }
  }
}

uint64_t SplitMix(uint64_t& state) {
  uint64_t z = (state += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

}  // namespace

bool Beats(int card, int target, int trump) {
  const int suit = SuitOf(card), targetSuit = SuitOf(target);
  if (suit == targetSuit) return card > target;
  return suit == trump;
}

bool TTableMoves::Contains(const TTableMove& m) const {
  for (const TTableMove& x : *this)
    if (x == m) return true;
  return false;
}

TCards TTableState::TableCards() const {
  TCards cards = 0;
  for (int i = 0; i < AttackCount; ++i) {
    cards |= Bit(Attack[i]);
    if (Cover[i] != 0) cards |= Bit(Cover[i]);
  }
  return cards;
}

int TTableState::OpenCount() const {
  int open = 0;
  for (int i = 0; i < AttackCount; ++i) open += Cover[i] == 0 ? 1 : 0;
  return open;
}

int TTableState::LeftOf(int seat) const {
  for (int k = 1; k < Seats; ++k) {
    const int next = (seat + k) % Seats;
    if (InPlay(next)) return next;
  }
  return seat;
}

int ThrowInOrder(const TTableState& s, std::array<uint8_t, kMaxSeats>& order) {
  int n = 0;
  if (s.InPlay(s.Attacker) && s.Attacker != s.Defender) order[n++] = s.Attacker;
  for (int k = 1; k < s.Seats; ++k) {
    const int seat = (s.Defender + k) % s.Seats;
    if (seat != s.Attacker && s.InPlay(seat)) order[n++] = static_cast<uint8_t>(seat);
  }
  return n;
}

void DealTable(TTableState& s, int seats, const TTableRules& rules, uint64_t seed, int previousFool,
               TTableEvents* events) {
  std::array<uint8_t, 36> pack{};
  for (int i = 0; i < 36; ++i) pack[i] = static_cast<uint8_t>(i + 1);
  uint64_t state = seed;
  for (int i = 35; i > 0; --i) {
    const int j = static_cast<int>(SplitMix(state) % static_cast<uint64_t>(i + 1));
    std::swap(pack[i], pack[j]);
  }
  s = TTableState{};
  s.Seats = static_cast<uint8_t>(seats);
  s.Rules = rules;
  // Six each, one card at a time round the table from the person.
  const int dealt = kHandSize * seats;
  for (int i = 0; i < dealt; ++i) s.Hand[i % seats] |= Bit(pack[i]);
  // The next card is the trump card, face up under the stock and drawn last.
  s.StockCount = static_cast<uint8_t>(36 - dealt);
  for (int i = 0; i < s.StockCount; ++i) s.Stock[i] = pack[dealt + i];
  s.TrumpCard = s.Stock[0];
  s.Trump = static_cast<uint8_t>(SuitOf(s.TrumpCard));
  StartFirstBout(s, previousFool, events);
}

void StartFirstBout(TTableState& s, int previousFool, TTableEvents* events) {
  int attacker = 0, shown = 0;
  if (previousFool >= 0 && previousFool < s.Seats) {
    // "Под дурака": the seat to the fool's right attacks the fool.
    attacker = (previousFool + s.Seats - 1) % s.Seats;
  } else {
    for (int seat = 0; seat < s.Seats; ++seat) {
      const TCards trumps = s.Hand[seat] & SuitSet(s.Trump);
      if (trumps == 0) continue;
      const int lowest = Lowest(trumps);
      if (shown == 0 || lowest < shown) {
        shown = lowest;
        attacker = seat;
      }
    }
    if (shown != 0) s.Shown[attacker] |= Bit(shown);
  }
  s.Fool = -1;
  s.Out = 0;
  for (int seat = 0; seat < s.Seats; ++seat)
    if (!s.InPlay(seat)) s.Out |= static_cast<uint8_t>(1 << seat);
  Note(events, teDealt, attacker, shown);
  BeginBout(s, attacker, events);
}

void LegalMoves(const TTableState& s, TTableMoves& moves) {
  moves.Count = 0;
  const int seat = s.ToMove;
  auto each = [](TCards set, auto f) {
    for (; set != 0; set &= set - 1) f(Lowest(set));
  };
  switch (s.Phase) {
    case tpLead:
      each(s.Hand[seat], [&](int c) { moves.Add(tmPlay, c, 0); });
      break;
    case tpLeadMore:
      each(LeadMoreCards(s), [&](int c) { moves.Add(tmPlay, c, 0); });
      moves.Add(tmPass, 0, 0);
      break;
    case tpDefend: {
      for (int i = 0; i < s.AttackCount; ++i) {
        if (s.Cover[i] != 0) continue;
        each(s.Hand[seat], [&](int c) {
          if (Beats(c, s.Attack[i], s.Trump)) moves.Add(tmBeat, c, i);
        });
      }
      // A transfer: before any card is beaten, a card of the led rank, when the next seat
      // holds at least as many cards as the attack will then have.
      if (s.Rules.Transfer && s.OpenCount() == s.AttackCount) {
        const int next = s.LeftOf(seat);
        if (next != seat && s.HandCount(next) >= s.AttackCount + 1 && s.AttackCount < kMaxAttack)
          each(s.Hand[seat] & RankSet(RankOf(s.Attack[0])),
               [&](int c) { moves.Add(tmTransfer, c, 0); });
      }
      moves.Add(tmTake, 0, 0);
      break;
    }
    case tpThrowIn:
    case tpTakeThrowIn:
      each(ThrowInCards(s, seat), [&](int c) { moves.Add(tmPlay, c, 0); });
      moves.Add(tmPass, 0, 0);
      break;
    default:
      break;
  }
}

bool IsLegal(const TTableState& s, const TTableMove& m) {
  TTableMoves moves;
  LegalMoves(s, moves);
  return moves.Contains(m);
}

bool ApplyMove(TTableState& s, const TTableMove& m, TTableEvents* events) {
  if (!IsLegal(s, m)) return false;
  const int seat = s.ToMove;
  switch (m.Kind) {
    case tmPlay: {
      PutDown(s, seat, m.Card);
      const int slot = s.AttackCount++;
      s.Attack[slot] = m.Card;
      Note(events, tePlay, seat, m.Card, slot);
      if (s.Phase == tpLead || s.Phase == tpLeadMore) {
        s.Phase = LeadMoreCards(s) != 0 ? tpLeadMore : tpDefend;
      } else if (s.Phase == tpThrowIn) {
        s.Phase = tpDefend;
        s.Passed = 0;
      } else {
        s.Passed = 0;  // taking: a seat that passed may add again after a new card
      }
      break;
    }
    case tmBeat:
      PutDown(s, seat, m.Card);
      s.Cover[m.Slot] = m.Card;
      Note(events, teBeat, seat, m.Card, m.Slot);
      break;
    case tmTransfer: {
      PutDown(s, seat, m.Card);
      const int slot = s.AttackCount++;
      s.Attack[slot] = m.Card;
      const int next = s.LeftOf(seat);
      Note(events, teTransfer, seat, m.Card, slot, next);
      s.Attacker = static_cast<uint8_t>(seat);
      s.Defender = static_cast<uint8_t>(next);
      s.Passed = 0;
      break;
    }
    case tmTake:
      Note(events, teTakes, seat);
      s.Phase = tpTakeThrowIn;
      s.Passed = 0;
      break;
    default:  // tmPass
      Note(events, tePass, seat);
      if (s.Phase == tpLeadMore)
        s.Phase = tpDefend;
      else
        s.Passed |= static_cast<uint8_t>(1 << seat);
      break;
  }
  Advance(s, events);
  return true;
}

std::string CheckTable(const TTableState& s) {
  std::ostringstream why;
  if (s.Seats < 3 || s.Seats > kMaxSeats) return "the table has 3 or 4 seats";
  if (s.Phase > tpOver) return "no such phase";
  TCards seen = 0;
  auto place = [&](TCards cards, const char* where) {
    if ((seen & cards) != 0) why << "card " << Lowest(seen & cards) << " twice (" << where << "); ";
    seen |= cards;
  };
  for (int seat = 0; seat < kMaxSeats; ++seat) {
    if (seat >= s.Seats && s.Hand[seat] != 0) why << "cards at an empty seat; ";
    if ((s.Shown[seat] & ~s.Hand[seat]) != 0) why << "seat " << seat << " shown a card it lacks; ";
    place(s.Hand[seat], "hands");
  }
  place(s.Discard, "discard");
  for (int i = 0; i < s.StockCount; ++i) {
    if (s.Stock[i] < 1 || s.Stock[i] > 36) {
      why << "stock holds no card at " << i << "; ";
      continue;
    }
    place(Bit(s.Stock[i]), "stock");
  }
  if (s.AttackCount > kMaxAttack) return "more than six attacking cards";
  for (int i = 0; i < kMaxAttack; ++i) {
    const bool used = i < s.AttackCount;
    if (used != (s.Attack[i] != 0) || (!used && s.Cover[i] != 0) || s.Attack[i] > 36 ||
        s.Cover[i] > 36) {
      why << "pair " << i << " malformed; ";
      continue;
    }
    if (!used) continue;
    place(Bit(s.Attack[i]), "table");
    if (s.Cover[i] == 0) continue;
    place(Bit(s.Cover[i]), "table");
    if (!Beats(s.Cover[i], s.Attack[i], s.Trump)) why << "pair " << i << " not beaten; ";
  }
  if (seen != kWholePack) why << "cards missing: " << Count(kWholePack & ~seen) << "; ";
  if (s.StockCount > 0 && s.Stock[0] != s.TrumpCard) why << "trump card not under the stock; ";
  if (s.TrumpCard < 1 || s.TrumpCard > 36 || SuitOf(s.TrumpCard) != s.Trump)
    why << "trump suit is not the trump card's; ";
  uint8_t out = 0;
  for (int seat = 0; seat < s.Seats; ++seat)
    if (!s.InPlay(seat)) out |= static_cast<uint8_t>(1 << seat);
  if (out != s.Out) why << "seats out not as reported; ";
  if (s.Over()) {
    for (int seat = 0; seat < s.Seats; ++seat)
      if (s.Hand[seat] != 0 && seat != s.Fool)
        why << "seat " << seat << " holds cards after the end; ";
    if (s.StockCount > 0) why << "ended with a stock; ";
    if (s.Fool >= 0 && s.Hand[s.Fool] == 0) why << "the fool holds nothing; ";
    return why.str();
  }
  if (s.Attacker >= s.Seats || s.Defender >= s.Seats || s.ToMove >= s.Seats)
    return why.str() + "seat out of range";
  if (s.Attacker == s.Defender) why << "attacker defends; ";
  if (!s.InPlay(s.Defender)) why << "defender is out; ";
  if (!s.InPlay(s.ToMove)) why << "seat to move is out; ";
  if (s.Phase == tpLead && s.AttackCount != 0) why << "a lead onto a laid table; ";
  if (s.Phase != tpLead && s.AttackCount == 0) why << "no attack on the table; ";
  if (s.OpenCount() > s.HandCount(s.Defender)) why << "more open cards than the defender holds; ";
  if (s.Phase == tpDefend && s.ToMove != s.Defender) why << "the defender is not to move; ";
  if ((s.Phase == tpLead || s.Phase == tpLeadMore) && s.ToMove != s.Attacker)
    why << "the attacker is not to move; ";
  if (s.Phase == tpDefend && s.OpenCount() == 0) why << "a defence with nothing to beat; ";
  if (s.Phase == tpThrowIn && s.OpenCount() != 0) why << "a throw-in before all is beaten; ";
  if ((s.Phase == tpThrowIn || s.Phase == tpTakeThrowIn) && NextThrower(s) != s.ToMove)
    why << "the seat to move is not the next to throw in; ";
  int fool = -1;
  if (EndsNow(s, fool)) why << "the deal should be over; ";
  // Every attacking card after the first matches a rank already on the table.
  for (int i = 1; i < s.AttackCount; ++i) {
    bool matches = false;
    for (int j = 0; j < s.AttackCount && !matches; ++j) {
      if (j != i && RankOf(s.Attack[j]) == RankOf(s.Attack[i])) matches = true;
      if (s.Cover[j] != 0 && RankOf(s.Cover[j]) == RankOf(s.Attack[i])) matches = true;
    }
    if (!matches) why << "attacking card " << int(s.Attack[i]) << " matches no rank; ";
  }
  TTableMoves moves;
  LegalMoves(s, moves);
  if (moves.Count == 0) why << "no legal move; ";
  return why.str();
}

}  // namespace durak::table

// The search model's rules (a fast second copy of the two-player rules for the strong
// player) in one file: move generation and applying a move share their helpers, and the
// differential test checks the whole against the engine. Hence over 400 lines.
#include "SearchModel.h"

#include "CardInfo.h"
#include "Vocabulary.h"

namespace durak {

namespace {

bool CardBeats(int card, int target, int trump);

struct TBeaterTable {
  std::array<std::array<TCardSet, 37>, 5> Sets{};
  TBeaterTable() {
    for (int trump = 1; trump <= 4; ++trump)
      for (int target = 1; target <= 36; ++target)
        for (int card = 1; card <= 36; ++card)
          if (CardBeats(card, target, trump)) Sets[trump][target] |= CardBit(card);
  }
};

const TBeaterTable& Beaters() {
  static const TBeaterTable table;
  return table;
}

int Other(int seat) {
  return 1 - seat;
}

// Every card of a rank that lies on the table.
TCardSet RanksOnTable(const TSearchState& s) {
  TCardSet y = s.Table | (s.Table >> 1);
  y |= y >> 2;
  return (y & 0x111111111ull) * 0xF;
}

void PutOnTable(TSearchState& s, int seat, int card, int slot) {
  s.Hand[seat] &= ~CardBit(card);
  s.Row[seat][slot] = static_cast<uint8_t>(card);
  s.Table |= CardBit(card);
}

void ClearTable(TSearchState& s) {
  s.Row = {};
  s.Table = 0;
}

void Draw(TSearchState& s, int seat) {
  int count = 6 - CardCount(s.Hand[seat]);
  if (s.StockCount == 0 || count <= 0) return;
  if (count > s.StockCount) count = s.StockCount;
  for (int i = 0; i < count; ++i) s.Hand[seat] |= CardBit(s.Stock[--s.StockCount]);
}

void Refill(TSearchState& s, int first) {
  Draw(s, first);
  Draw(s, Other(first));
}

// The end-of-deal test, with the input mode and the computer's pending action of the moment.
bool CheckOver(TSearchState& s, TPlayMode playMode, TCompAction compAction) {
  if (s.StockCount > 0 || (s.Hand[seatPlayer] != 0 && s.Hand[seatComputer] != 0)) return false;
  const int t = RowCountOf(s.Row[seatComputer]) - RowCountOf(s.Row[seatPlayer]);
  const int comp = CardCount(s.Hand[seatComputer]);
  const int mine = CardCount(s.Hand[seatPlayer]);
  const int h = comp - mine;
  int result = 0;
  if (h == 0)
    result = 2;
  else if (h > 0)
    result = (t < 0 && comp <= -t && compAction == caDefend) ? 0 : -1;
  else
    result = (t > 0 && mine <= t && playMode == pmDefend) ? 0 : 1;
  if (result == 0) return false;
  s.Result = static_cast<int8_t>(result);
  s.Phase = spOver;
  return true;
}

// The bout is discarded; the attacker draws first.
bool Discard(TSearchState& s) {
  const int attacker = s.Attacker;
  s.Discard |= s.Table;
  ClearTable(s);
  Refill(s, attacker);
  return CheckOver(s, pmNone, caNothing);
}

// The defender takes the table; the attacker draws first.
bool Take(TSearchState& s) {
  const int taker = Other(s.Attacker);
  s.Hand[taker] |= s.Table;
  ClearTable(s);
  Refill(s, s.Attacker);
  return CheckOver(s, pmNone, caNothing);
}

void BeginBout(TSearchState& s, int attacker) {
  s.Attacker = static_cast<uint8_t>(attacker);
  s.Phase = spLead;
  s.LastPick = 0;
}

int OpenSlots(const TSearchState& s) {
  const int attack = s.Attacker;
  int n = 0;
  for (int i = 0; i < 6; ++i) n += s.Row[attack][i] != 0 && s.Row[1 - attack][i] == 0;
  return n;
}

// ---- moves of the player (clicks and buttons) ------------------------------------------

void PlayerLeadMoves(const TSearchState& s, TMoveList& moves) {
  const int led = RowCountOf(s.Row[seatPlayer]);
  const int compCards = CardCount(s.Hand[seatComputer]);
  if (led < compCards) {
    for (TCardSet h = s.Hand[seatPlayer]; h; h &= h - 1) {
      const int c = FirstCard(h);
      if (led == 0 || RankOfTag(c) == RankOfTag(s.Row[seatPlayer][0])) moves.Add(mkPlay, c, 0);
    }
  }
  if (s.Phase == spLeadMore) moves.Add(mkDone, 0, 0);  // "Бейся"
}

void PlayerDefendMoves(const TSearchState& s, TMoveList& moves) {
  const auto& attack = s.Row[seatComputer];
  const auto& answer = s.Row[seatPlayer];
  const int attackCount = RowCountOf(attack), answered = RowCountOf(answer);
  if (attackCount > 0 && attackCount > answered) {
    const bool mayTransfer =
        s.TransferOn && answered == 0 && attackCount < CardCount(s.Hand[seatComputer]);
    const TCardSet hand = s.Hand[seatPlayer];
    if (mayTransfer)
      for (TCardSet h = hand & RankCards(RankOfTag(attack[0])); h; h &= h - 1)
        moves.Add(mkTransfer, FirstCard(h), 0);
    for (int i = 0; i < 6; ++i)
      if (attack[i] != 0 && answer[i] == 0)
        for (TCardSet h = hand & BeatersOf(attack[i], s.Trump); h; h &= h - 1)
          moves.Add(mkBeat, FirstCard(h), i);
  }
  moves.Add(mkTake, 0, 0);  // "Беру"
}

// Throwing in as the attacker, whether the computer beat everything or takes.
void PlayerThrowInMoves(const TSearchState& s, TMoveList& moves) {
  const int attack = RowCountOf(s.Row[seatPlayer]);
  const int room = CardCount(s.Hand[seatComputer]) - (attack - RowCountOf(s.Row[seatComputer]));
  if (room > 0 && attack < 6)
    for (TCardSet h = s.Hand[seatPlayer] & RanksOnTable(s); h; h &= h - 1)
      moves.Add(mkPlay, FirstCard(h), 0);
  moves.Add(mkDone, 0, 0);  // "Бито" or "Забирай"
}

// ---- moves of the computer (one move of ComputerMove, built card by card)
// ------------------------

void ComputerLeadMoves(const TSearchState& s, TMoveList& moves) {
  const TCardSet hand = s.Hand[seatComputer];
  if (s.Phase == spLead) {
    for (TCardSet h = hand; h; h &= h - 1) moves.Add(mkPlay, FirstCard(h), 0);
    return;
  }
  // Further cards of the led rank, in rising order so each lead is built one way only.
  const int led = RowCountOf(s.Row[seatComputer]);
  if (led < CardCount(s.Hand[seatPlayer])) {
    const TCardSet more = hand & RankCards(RankOfTag(s.Row[seatComputer][0]));
    for (TCardSet h = more; h; h &= h - 1)
      if (FirstCard(h) > s.LastPick) moves.Add(mkPlay, FirstCard(h), 0);
  }
  moves.Add(mkDone, 0, 0);
}

bool ComputerMayTransfer(const TSearchState& s) {
  const int attack = RowCountOf(s.Row[seatPlayer]);
  return s.TransferOn && attack > 0 && RowCountOf(s.Row[seatComputer]) == 0 &&
         CardCount(s.Hand[seatPlayer]) > attack && attack < 6;
}

void ComputerDefendMoves(const TSearchState& s, TMoveList& moves) {
  const auto& attack = s.Row[seatPlayer];
  TCardSet pending = 0;
  for (uint8_t p : s.Pending)
    if (p != 0) pending |= CardBit(p);
  const TCardSet hand = s.Hand[seatComputer] & ~pending;
  if (pending == 0 && ComputerMayTransfer(s)) {
    const TCardSet same = hand & RankCards(RankOfTag(attack[0]));
    for (TCardSet h = same; h; h &= h - 1) moves.Add(mkTransfer, FirstCard(h), 0);
  }
  // The beaters are chosen for the open cards in slot order; all of them go down together.
  for (int i = 0; i < 6; ++i) {
    if (attack[i] == 0 || s.Row[seatComputer][i] != 0 || s.Pending[i] != 0) continue;
    for (TCardSet h = hand & BeatersOf(attack[i], s.Trump); h; h &= h - 1)
      moves.Add(mkBeat, FirstCard(h), i);
    break;
  }
  moves.Add(mkTake, 0, 0);
}

void ComputerThrowInMoves(const TSearchState& s, TMoveList& moves) {
  const int attack = RowCountOf(s.Row[seatComputer]);
  const int open = attack - RowCountOf(s.Row[seatPlayer]);
  if (open < CardCount(s.Hand[seatPlayer]) && attack < 6) {
    // Before a take several cards may come: in rising order, so each set is built one way.
    const int after = s.Phase == spTakeThrowIn ? s.LastPick : 0;
    for (TCardSet h = s.Hand[seatComputer] & RanksOnTable(s); h; h &= h - 1)
      if (FirstCard(h) > after) moves.Add(mkPlay, FirstCard(h), 0);
  }
  moves.Add(mkDone, 0, 0);
}

// ---- applying the player's moves ---------------------------------------------------------

void ApplyPlayerLead(TSearchState& s, const TMove& m) {
  if (m.Kind == mkDone) {  // "Бейся": the computer defends what was led
    s.Phase = spDefend;
    return;
  }
  const int led = RowCountOf(s.Row[seatPlayer]);
  const int compCards = CardCount(s.Hand[seatComputer]);
  const int rank = RankOfTag(m.Card);
  const bool extend = s.MultiLeadOn && CardCount(s.Hand[seatPlayer] & RankCards(rank)) > 1 &&
                      led - RowCountOf(s.Row[seatComputer]) < compCards - 1;
  PutOnTable(s, seatPlayer, m.Card, led);
  if (extend) {
    s.Phase = spLeadMore;
    CheckOver(s, pmLead, caNothing);
    return;
  }
  s.Phase = spDefend;
  CheckOver(s, pmNone, caDefend);
}

void ApplyPlayerDefend(TSearchState& s, const TMove& m) {
  if (m.Kind == mkTake) {  // "Беру": the computer may add cards first, if it has any
    s.LastPick = 0;
    if (s.Hand[seatComputer] != 0) {
      s.Phase = spTakeThrowIn;
      return;
    }
    if (!Take(s)) BeginBout(s, seatComputer);
    return;
  }
  if (m.Kind == mkTransfer) {
    const int slot = RowCountOf(s.Row[seatComputer]);
    s.Row[seatPlayer] = s.Row[seatComputer];
    s.Row[seatComputer] = {};
    PutOnTable(s, seatPlayer, m.Card, slot);
    s.Attacker = seatPlayer;
    s.Phase = spDefend;
    CheckOver(s, pmNone, caDefend);
    return;
  }
  PutOnTable(s, seatPlayer, m.Card, m.Slot);
  if (OpenSlots(s) == 0) {
    s.Phase = spThrowIn;  // the computer may add one card
    CheckOver(s, pmNone, caThrowIn);
  } else {
    CheckOver(s, pmDefend, caThrowIn);
  }
}

void ApplyPlayerThrowIn(TSearchState& s, const TMove& m) {
  const bool takes = s.Phase == spTakeThrowIn;
  if (m.Kind == mkDone) {
    if (takes) {  // "Забирай"
      if (!Take(s)) BeginBout(s, seatPlayer);
    } else {  // "Бито"
      if (!Discard(s)) BeginBout(s, seatComputer);
    }
    return;
  }
  PutOnTable(s, seatPlayer, m.Card, RowCountOf(s.Row[seatPlayer]));
  if (!takes) {
    s.Phase = spDefend;
    CheckOver(s, pmNone, caDefend);
    return;
  }
  // The computer, taking, only answers with a word; then checks the deal again.
  if (CheckOver(s, pmNone, caTakes)) return;
  const int attack = RowCountOf(s.Row[seatPlayer]);
  const bool room =
      attack < 6 && attack - RowCountOf(s.Row[seatComputer]) < CardCount(s.Hand[seatComputer]);
  CheckOver(s, room ? pmThrowIn : pmNone, caTakes);
}

// ---- applying the computer's moves ------------------------------------------------------

void ApplyComputerLead(TSearchState& s, const TMove& m) {
  if (m.Kind == mkPlay) {
    const int led = RowCountOf(s.Row[seatComputer]);
    PutOnTable(s, seatComputer, m.Card, led);
    s.LastPick = m.Card;
    const TCardSet more = s.Hand[seatComputer] & RankCards(RankOfTag(m.Card));
    const bool canAdd = s.MultiLeadOn && led + 1 < CardCount(s.Hand[seatPlayer]);
    bool anyHigher = false;
    for (TCardSet h = more; h; h &= h - 1) anyHigher = anyHigher || FirstCard(h) > m.Card;
    if (canAdd && anyHigher) {
      s.Phase = spLeadMore;
      return;
    }
  }
  // The lead goes down: the player defends.
  s.Phase = spDefend;
  CheckOver(s, pmDefend, caNothing);
}

void ApplyComputerDefend(TSearchState& s, const TMove& m) {
  if (m.Kind == mkTransfer) {
    s.Row[seatComputer] = s.Row[seatPlayer];
    s.Row[seatPlayer] = {};
    PutOnTable(s, seatComputer, m.Card, RowCountOf(s.Row[seatComputer]));
    s.Attacker = seatComputer;
    s.Phase = spDefend;
    CheckOver(s, pmDefend, caNothing);
    return;
  }
  if (m.Kind == mkTake) {
    s.Pending = {};
    const int attack = RowCountOf(s.Row[seatPlayer]);
    const int open = attack - RowCountOf(s.Row[seatComputer]);
    const bool room = attack < 6 && open < CardCount(s.Hand[seatComputer]);
    s.Phase = spTakeThrowIn;
    CheckOver(s, room ? pmThrowIn : pmNone, room ? caTakes : caNothing);
    return;
  }
  s.Pending[m.Slot] = m.Card;
  for (int i = 0; i < 6; ++i)
    if (s.Row[seatPlayer][i] != 0 && s.Row[seatComputer][i] == 0 && s.Pending[i] == 0) return;
  // Every open card has its beater: they all go down.
  for (int i = 0; i < 6; ++i)
    if (s.Pending[i] != 0) PutOnTable(s, seatComputer, s.Pending[i], i);
  s.Pending = {};
  const bool full = RowCountOf(s.Row[seatPlayer]) >= 6 || s.Hand[seatComputer] == 0;
  s.Phase = spThrowIn;
  CheckOver(s, full ? pmNone : pmThrowIn, caNothing);
}

void ApplyComputerThrowIn(TSearchState& s, const TMove& m) {
  if (s.Phase == spThrowIn) {
    if (m.Kind == mkPlay) {
      PutOnTable(s, seatComputer, m.Card, RowCountOf(s.Row[seatComputer]));
      s.Phase = spDefend;
      CheckOver(s, pmDefend, caNothing);
      return;
    }
    // Nothing to add: the bout is discarded and the player leads.
    if (!Discard(s)) BeginBout(s, seatPlayer);
    return;
  }
  if (m.Kind == mkPlay) {
    PutOnTable(s, seatComputer, m.Card, RowCountOf(s.Row[seatComputer]));
    s.LastPick = m.Card;
    return;
  }
  // The cards added go down; the deal may end there, else the player takes everything.
  if (CheckOver(s, pmNone, caNothing)) return;
  if (!Take(s)) BeginBout(s, seatComputer);
}

}  // namespace

bool TMoveList::Contains(const TMove& m) const {
  for (const TMove& x : *this)
    if (x == m) return true;
  return false;
}

int RowCountOf(const std::array<uint8_t, 6>& row) {
  int n = 0;
  for (uint8_t c : row) n += c != 0;
  return n;
}

namespace {

bool CardBeats(int card, int target, int trump) {
  const int s1 = SuitOfTag(card), s2 = SuitOfTag(target);
  if (s1 == s2) return card > target;  // same suit: tags rise with rank
  return s1 == trump;
}

}  // namespace

TCardSet BeatersOf(int target, int trump) {
  return Beaters().Sets[trump][target];
}

void GenerateMoves(const TSearchState& s, TMoveList& moves) {
  moves.Count = 0;
  if (s.Over()) return;
  if (s.Mover() == seatPlayer) {
    switch (s.Phase) {
      case spLead:
      case spLeadMore:
        PlayerLeadMoves(s, moves);
        break;
      case spDefend:
        PlayerDefendMoves(s, moves);
        break;
      default:
        PlayerThrowInMoves(s, moves);
        break;
    }
    return;
  }
  switch (s.Phase) {
    case spLead:
    case spLeadMore:
      ComputerLeadMoves(s, moves);
      break;
    case spDefend:
      ComputerDefendMoves(s, moves);
      break;
    default:
      ComputerThrowInMoves(s, moves);
      break;
  }
}

void ApplyMove(TSearchState& s, const TMove& m) {
  if (s.Over()) return;
  if (s.Mover() == seatPlayer) {
    switch (s.Phase) {
      case spLead:
      case spLeadMore:
        ApplyPlayerLead(s, m);
        break;
      case spDefend:
        ApplyPlayerDefend(s, m);
        break;
      default:
        ApplyPlayerThrowIn(s, m);
        break;
    }
    return;
  }
  switch (s.Phase) {
    case spLead:
    case spLeadMore:
      ApplyComputerLead(s, m);
      break;
    case spDefend:
      ApplyComputerDefend(s, m);
      break;
    default:
      ApplyComputerThrowIn(s, m);
      break;
  }
}

bool ComputerMoveOpen(const TSearchState& s) {
  if (s.Over() || s.Mover() != seatComputer) return false;
  if (s.Phase == spLeadMore) return true;
  if (s.Phase == spTakeThrowIn) return s.LastPick != 0;
  if (s.Phase == spDefend)
    for (uint8_t p : s.Pending)
      if (p != 0) return true;
  return false;
}

double RewardFor(const TSearchState& s, int seat) {
  if (s.Result == 2) return 0.5;
  const int winner = s.Result == -1 ? seatPlayer : seatComputer;
  return winner == seat ? 1.0 : 0.0;
}

}  // namespace durak

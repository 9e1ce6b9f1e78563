#include "StrongChooser.h"

#include "Game.h"

namespace durak {

namespace {

// The cards of a lead or a throw-in as ComputerMove puts them down: Tag and slot.
TCompMoves CardsOf(const std::vector<TMove>& moves, int firstSlot) {
  TCompMoves list;
  for (const TMove& m : moves) {
    if (m.Kind != mkPlay) continue;
    list.push_back({m.Card, firstSlot++});
  }
  return list;
}

TMove MoveOfCode(uint16_t code) {
  TMove m;
  m.Kind = static_cast<uint8_t>(code & 7);
  m.Card = static_cast<uint8_t>((code >> 3) & 63);
  m.Slot = static_cast<uint8_t>(code >> 9);
  return m;
}

}  // namespace

const std::vector<uint16_t>* TRepetitionMemory::Chosen(const TInfoSet& info) {
  const TSearchState& s = info.Visible;
  if (s.StockCount > lastStock_ || (lastDiscard_ & ~s.Discard) != 0) chosen_.clear();
  lastStock_ = s.StockCount;
  lastDiscard_ = s.Discard;
  const auto it = chosen_.find(InfoHash(info));
  return it == chosen_.end() ? nullptr : &it->second;
}

void TRepetitionMemory::Note(const TInfoSet& info, const TMove& move, int legalMoves) {
  if (legalMoves <= 1) return;
  std::vector<uint16_t>& list = chosen_[InfoHash(info)];
  if (static_cast<int>(list.size()) + 1 >= legalMoves) list.clear();
  list.push_back(move.Code());
}

std::vector<TMove> TStrongChooser::Decide(const TInfoSet& info) {
  std::vector<TMove> chosen;
  const uint64_t seed = Seed ^ InfoHash(info);
  // Any deal that agrees with the knowledge shows when the move is complete: that depends
  // only on the computer's own cards and the table.
  TSearchRandom random(seed);
  TSearchState probe = Determinize(info, random);
  if (Clock != nullptr) Clock->Restart();
  do {
    // Only the first card of a move can bring the same position round again.
    const std::vector<uint16_t>* avoid = chosen.empty() ? Memory.Chosen(info) : nullptr;
    const TMove m = ScriptNext < Script.size()
                        ? MoveOfCode(Script[ScriptNext++])
                        : ChooseMove(info, chosen, seed + chosen.size() * 0x9E37ull, avoid);
    if (chosen.empty()) Memory.Note(info, m, LastStats.LegalMoves);
    Played.push_back(m.Code());
    TMoveList legal;
    GenerateMoves(probe, legal);
    if (!legal.Contains(m)) break;
    chosen.push_back(m);
    ApplyMove(probe, m);
  } while (ComputerMoveOpen(probe));
  return chosen;
}

TMove TStrongChooser::ChooseMove(const TInfoSet& info, const std::vector<TMove>& chosen,
                                 uint64_t seed, const std::vector<uint16_t>* avoid) {
  return StrongMove(info, chosen, seed, Params, Clock, &LastStats, avoid);
}

TCompMoves TStrongChooser::Lead(TCompView& view) {
  return CardsOf(Decide(InfoOfComputer(view, caLead, 0)), 0);
}

TCompDefence TStrongChooser::Defend(TCompView& view) {
  const std::vector<TMove> moves = Decide(InfoOfComputer(view, caDefend, 0));
  TCompDefence d;
  if (!moves.empty() && moves.front().Kind == mkTransfer) {
    d.TransferTag = moves.front().Card;
    return d;
  }
  if (moves.empty() || moves.back().Kind != mkBeat) return d;  // takes
  // As the described player lists them: the beater and the pair's slot.
  for (const TMove& m : moves) d.Beaters.push_back({m.Card, m.Slot});
  return d;
}

TCompMoves TStrongChooser::ThrowIn(TCompView& view, bool afterTake) {
  const std::vector<TMove> moves = Decide(InfoOfComputer(view, caThrowIn, afterTake ? 1 : 0));
  return CardsOf(moves, RowCount(*view.CompRow));
}

THint InputOfMove(const TSearchState& position, const TMove& move) {
  THint h;
  h.Valid = true;
  switch (move.Kind) {
    case mkPlay:
      h.IsClick = true;
      h.Tag = move.Card;
      break;
    case mkBeat:
      h.IsClick = true;
      h.Tag = move.Card;
      h.Menu = move.Slot;
      break;
    case mkTransfer:
      h.IsClick = true;
      h.Tag = move.Card;
      h.Menu = 6;
      break;
    case mkTake:
      h.Button = TakeButton;
      break;
    default:
      h.Button = position.Phase == spLeadMore  ? DefendButton
                 : position.Phase == spThrowIn ? DiscardButton
                                               : ComputerTakesButton;
      break;
  }
  return h;
}

THint StrongHint(const TGame& game, uint64_t seed, const TStrongParams& params, ISearchClock* clock,
                 TStrongStats* stats, TRepetitionMemory* memory) {
  TInfoSet info;
  if (!InfoOfPlayer(MakePlayerView(game), info)) return THint();
  if (clock != nullptr) clock->Restart();
  TStrongStats local;
  if (stats == nullptr) stats = &local;
  const std::vector<uint16_t>* avoid = memory != nullptr ? memory->Chosen(info) : nullptr;
  const TMove m = StrongMove(info, {}, seed ^ InfoHash(info), params, clock, stats, avoid);
  if (memory != nullptr) memory->Note(info, m, stats->LegalMoves);
  THint hint = InputOfMove(info.Visible, m);
  if (!stats->Exact && stats->LegalMoves == 1 && FullyKnown(info)) {
    // A lone move is played without a search; the hint still tells what it leads to.
    TSearchRandom random(0);
    TMove only;
    stats->Exact = SolveExactly(Determinize(info, random), info.Seat, params.EndgameNodes,
                                stats->Value, only, &stats->Nodes, clock, params.TimeLimitMs);
  }
  hint.Solved = stats->Exact;
  hint.Value = stats->Value;
  return hint;
}

}  // namespace durak

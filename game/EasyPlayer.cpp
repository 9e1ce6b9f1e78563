#include "EasyPlayer.h"

#include "CardInfo.h"

namespace durak {

namespace {

// Whether every open card could be beaten by a higher card of its own suit from the hand.
bool AllBeatableInSuit(const TSearchState& s) {
  const int defender = 1 - s.Attacker;
  const TCardSet hand = s.Hand[defender];
  for (int slot = 0; slot < 6; ++slot) {
    const int target = s.Row[s.Attacker][slot];
    if (target == 0 || s.Row[defender][slot] != 0 || s.Pending[slot] != 0) continue;
    if (SuitOfTag(target) == s.Trump) return false;
    if ((hand & BeatersOf(target, s.Trump) & SuitCards(SuitOfTag(target))) == 0) return false;
  }
  return true;
}

}  // namespace

bool EasyNatural(const TSearchState& s, const TMove& m) {
  const bool trump = m.Card != 0 && SuitOfTag(m.Card) == s.Trump;
  switch (m.Kind) {
    case mkTake:
      return !AllBeatableInSuit(s);
    case mkBeat: {
      // A trump on a plain card while a card of its suit would do throws the trump away.
      const int target = s.Row[s.Attacker][m.Slot];
      if (!trump || SuitOfTag(target) == s.Trump) return true;
      const TCardSet inSuit =
          s.Hand[s.Mover()] & BeatersOf(target, s.Trump) & SuitCards(SuitOfTag(target));
      return inSuit == 0;
    }
    case mkPlay:
      // While the stock lasts, a trump is neither led from a hand of plain cards nor given away.
      if (!trump || s.StockCount == 0) return true;
      return s.Phase == spLead && (s.Hand[s.Mover()] & ~SuitCards(s.Trump)) == 0;
    default:
      return true;
  }
}

TMove EasyMove(const TInfoSet& info, const std::vector<TMove>& prefix, uint64_t seed,
               const std::vector<uint16_t>* avoid) {
  TSearchRandom random(seed);
  // The mover's moves depend only on its own hand and the table, which every deal that
  // agrees with the knowledge shares.
  TSearchState s = Determinize(info, random);
  for (const TMove& m : prefix) ApplyMove(s, m);
  TMoveList moves;
  GenerateMoves(s, moves);
  DropAvoided(moves, avoid);
  if (moves.Count == 0) return TMove{};
  if (random.Below(100) < kEasyStrayPercent) {
    TMoveList natural;
    for (const TMove& m : moves)
      if (EasyNatural(s, m)) natural.Items[natural.Count++] = m;
    if (natural.Count > 0) return natural.Items[random.Below(static_cast<uint32_t>(natural.Count))];
  }
  int best = 0;
  for (int i = 1; i < moves.Count; ++i)
    if (PolicyScore(s, moves.Items[i]) > PolicyScore(s, moves.Items[best])) best = i;
  return moves.Items[best];
}

TMove TEasyChooser::ChooseMove(const TInfoSet& info, const std::vector<TMove>& chosen,
                               uint64_t seed, const std::vector<uint16_t>* avoid) {
  TSearchRandom random(seed);
  TSearchState s = Determinize(info, random);
  for (const TMove& m : chosen) ApplyMove(s, m);
  TMoveList legal;
  GenerateMoves(s, legal);
  LastStats = TStrongStats();
  LastStats.LegalMoves = legal.Count;
  return EasyMove(info, chosen, seed, avoid);
}

THint EasyHint(const TGame& game, uint64_t seed, TRepetitionMemory* memory, int* legalMoves) {
  TInfoSet info;
  if (!InfoOfPlayer(MakePlayerView(game), info)) return THint();
  const std::vector<uint16_t>* avoid = memory != nullptr ? memory->Chosen(info) : nullptr;
  const uint64_t s = seed ^ InfoHash(info);
  const TMove m = EasyMove(info, {}, s, avoid);
  TSearchRandom random(s);
  TSearchState state = Determinize(info, random);
  TMoveList legal;
  GenerateMoves(state, legal);
  if (memory != nullptr) memory->Note(info, m, legal.Count);
  if (legalMoves != nullptr) *legalMoves = legal.Count;
  return InputOfMove(info.Visible, m);
}

}  // namespace durak

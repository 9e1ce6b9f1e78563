#include "TablePlayers.h"

#include <algorithm>

#include "SeatKnowledge.h"
#include "TableRules.h"

namespace durak::table {

namespace {

bool IsTrump(int card, int trump) {
  return SuitOf(card) == trump;
}

// How much a card is worth keeping: rank, with every trump above every plain card.
int Worth(int card, int trump) {
  return RankOf(card) - 6 + (IsTrump(card, trump) ? 9 : 0);
}

// The cheapest card of `hand` that beats `target`, or 0.
int CheapestBeater(TCards hand, int target, int trump) {
  int best = 0;
  for (TCards set = hand; set != 0; set &= set - 1) {
    const int c = Lowest(set);
    if (Beats(c, target, trump) && (best == 0 || Worth(c, trump) < Worth(best, trump))) best = c;
  }
  return best;
}

// The lowest-worth card move among `moves` of kind `kind` that `wanted` accepts, or a
// move of kind tmPass (Card 0) when there is none.
template <class F>
TTableMove CheapestMove(const TTableMoves& moves, uint8_t kind, int trump, F wanted) {
  TTableMove best{tmPass, 0, 0};
  for (const TTableMove& m : moves) {
    if (m.Kind != kind || !wanted(m.Card)) continue;
    if (best.Card == 0 || Worth(m.Card, trump) < Worth(best.Card, trump)) best = m;
  }
  return best;
}

TTableMove Lead(const TTableState& s, const TTableMoves& moves) {
  const TCards hand = s.Hand[s.ToMove];
  TTableMove best = moves.Items[0];
  int bestScore = 1000;
  for (const TTableMove& m : moves) {
    // Low first; among plain cards, a rank held twice goes well (more of it can follow).
    int score = Worth(m.Card, s.Trump) * 4;
    if (!IsTrump(m.Card, s.Trump)) score -= Count(hand & RankSet(RankOf(m.Card))) - 1;
    if (score < bestScore) {
      bestScore = score;
      best = m;
    }
  }
  return best;
}

TTableMove Defend(const TTableState& s, const TTableMoves& moves) {
  const bool endgame = s.StockCount == 0;
  const TTableMove plainTransfer =
      CheapestMove(moves, tmTransfer, s.Trump, [&](int c) { return !IsTrump(c, s.Trump); });
  if (plainTransfer.Card != 0) return plainTransfer;

  // A plan: the dearest open cards first, each with the cheapest beater left.
  std::array<int, kMaxAttack> open{};
  int openCount = 0;
  for (int i = 0; i < s.AttackCount; ++i)
    if (s.Cover[i] == 0) open[openCount++] = i;
  for (int k = 1; k < openCount; ++k)
    for (int j = k;
         j > 0 && Worth(s.Attack[open[j]], s.Trump) > Worth(s.Attack[open[j - 1]], s.Trump); --j)
      std::swap(open[j], open[j - 1]);
  TCards left = s.Hand[s.ToMove];
  int trumpsSpent = 0, highTrumps = 0, firstSlot = -1, firstCard = 0;
  bool attackHasTrump = false, beatable = true;
  for (int k = 0; k < openCount; ++k) {
    const int target = s.Attack[open[k]];
    attackHasTrump = attackHasTrump || IsTrump(target, s.Trump);
    const int beater = CheapestBeater(left, target, s.Trump);
    if (beater == 0) {
      beatable = false;
      break;
    }
    left &= ~Bit(beater);
    if (IsTrump(beater, s.Trump)) {
      ++trumpsSpent;
      if (RankOf(beater) >= 13) ++highTrumps;
    }
    if (firstSlot < 0) {
      firstSlot = open[k];
      firstCard = beater;
    }
  }
  if (!beatable) {
    // Passing the attack on with a trump is still better than taking it.
    const TTableMove anyTransfer =
        CheapestMove(moves, tmTransfer, s.Trump, [](int) { return true; });
    if (anyTransfer.Card != 0) return anyTransfer;
    return TTableMove{tmTake, 0, 0};
  }
  // Too dear while the stock is still thick: plain cards are not worth a king of trumps or
  // two trumps.
  if (!endgame && s.StockCount >= 6 && !attackHasTrump && (highTrumps > 0 || trumpsSpent >= 2))
    return TTableMove{tmTake, 0, 0};
  return TTableMove{tmBeat, static_cast<uint8_t>(firstCard), static_cast<uint8_t>(firstSlot)};
}

TTableMove AddCards(const TTableState& s, const TTableMoves& moves) {
  const bool endgame = s.StockCount == 0;
  const bool taking = s.Phase == tpTakeThrowIn;
  const int spareRank = taking ? 10 : 11;  // plain cards up to this rank are spared freely
  const TTableMove pick = CheapestMove(moves, tmPlay, s.Trump, [&](int c) {
    if (IsTrump(c, s.Trump)) return endgame && (taking || s.HandCount(s.ToMove) <= 2);
    return endgame || RankOf(c) <= spareRank;
  });
  return pick.Card != 0 ? pick : TTableMove{tmPass, 0, 0};
}

uint64_t NextRandom(uint64_t& state) {
  uint64_t z = (state += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

TTableMove RandomMove(const TTableState& s, uint64_t& state) {
  TTableMoves moves;
  LegalMoves(s, moves);
  const uint64_t r = NextRandom(state) >> 32;
  return moves.Items[static_cast<size_t>(r * static_cast<uint64_t>(moves.Count) >> 32)];
}

// Once the stock is gone, cards can go round the table for ever: every seat leads what the
// next cannot beat, and the taker leads it on. A seat that sees nothing discarded for a
// long while varies its play until something is.
class TOrdinarySeat : public TTablePlayer {
 public:
  explicit TOrdinarySeat(uint64_t seed) : state_(seed) {}
  TTableMove Choose(const TTableState& s) override {
    const int progress = Count(s.Discard) + 64 * s.StockCount;
    if (progress != lastProgress_) {
      lastProgress_ = progress;
      stale_ = 0;
    }
    if (++stale_ > kPatience) return RandomMove(s, state_);
    return OrdinaryMove(s);
  }

 private:
  static constexpr int kPatience = 40;  // own decisions without a discard or a draw
  uint64_t state_;
  int lastProgress_ = -1;
  int stale_ = 0;
};

// Whether a beginner could make the move without it looking absurd: never taking while
// every open card can be beaten in its own suit, never giving up a trump to add to a bout
// while the stock lasts.
bool EasyNatural(const TTableState& s, const TTableMove& m) {
  const TCards hand = s.Hand[s.ToMove];
  if (m.Kind == tmTake) {
    for (int i = 0; i < s.AttackCount; ++i) {
      if (s.Cover[i] != 0) continue;
      bool ownSuit = false;
      for (TCards set = hand; set != 0; set &= set - 1) {
        const int c = Lowest(set);
        if (SuitOf(c) == SuitOf(s.Attack[i]) && Beats(c, s.Attack[i], s.Trump)) ownSuit = true;
      }
      if (!ownSuit) return true;
    }
    return false;
  }
  const bool adding = s.Phase == tpLeadMore || s.Phase == tpThrowIn || s.Phase == tpTakeThrowIn;
  return !(adding && m.Kind == tmPlay && IsTrump(m.Card, s.Trump) && s.StockCount > 0);
}

// "Лёгкий": the usual choice most of the time, else some other natural move, so it misses
// chances as a beginner does.
class TEasySeat : public TOrdinarySeat {
 public:
  explicit TEasySeat(uint64_t seed) : TOrdinarySeat(seed), state_(seed ^ 0x5EA5EA5Eull) {}
  TTableMove Choose(const TTableState& s) override {
    if (NextRandom(state_) % 100 >= kEasyTableStrayPercent) return TOrdinarySeat::Choose(s);
    TTableMoves moves, natural;
    LegalMoves(s, moves);
    for (const TTableMove& m : moves)
      if (EasyNatural(s, m)) natural.Add(m.Kind, m.Card, m.Slot);
    if (natural.Count == 0) return TOrdinarySeat::Choose(s);
    return natural
        .Items[static_cast<size_t>(NextRandom(state_) % static_cast<uint64_t>(natural.Count))];
  }

 private:
  uint64_t state_;
};

class TRandomSeat : public TTablePlayer {
 public:
  explicit TRandomSeat(uint64_t seed) : state_(seed) {}
  TTableMove Choose(const TTableState& s) override { return RandomMove(s, state_); }

 private:
  uint64_t state_;
};

class TFirstSeat : public TTablePlayer {
 public:
  TTableMove Choose(const TTableState& s) override {
    TTableMoves moves;
    LegalMoves(s, moves);
    return moves.Items[0];
  }
};

}  // namespace

TTableMove OrdinaryMove(const TTableState& real) {
  return OrdinaryChoice(SeatKnowledge(real, real.ToMove));
}

TTableMove OrdinaryChoice(const TTableState& s) {
  TTableMoves moves;
  LegalMoves(s, moves);
  switch (s.Phase) {
    case tpLead:
      return Lead(s, moves);
    case tpLeadMore: {
      // More of the led rank while it costs no trump, or when the stock is gone.
      const TTableMove more = CheapestMove(
          moves, tmPlay, s.Trump, [&](int c) { return !IsTrump(c, s.Trump) || s.StockCount == 0; });
      return more.Card != 0 ? more : TTableMove{tmPass, 0, 0};
    }
    case tpDefend:
      return Defend(s, moves);
    default:
      return AddCards(s, moves);
  }
}

std::unique_ptr<TTablePlayer> MakeTablePlayer(const std::string& name, uint64_t seed) {
  if (name == "ordinary") return std::make_unique<TOrdinarySeat>(seed);
  if (name == "easy") return std::make_unique<TEasySeat>(seed);
  if (name == "random") return std::make_unique<TRandomSeat>(seed);
  if (name == "first") return std::make_unique<TFirstSeat>();
  if (name == "strong") return MakeStrongTablePlayer(seed);
  return nullptr;
}

}  // namespace durak::table

// The searching player in one file: the sampled search, its exact endgame solver and the
// transposition table they share. It runs past 400 lines because these parts call one
// another in the innermost loop and share file-local helpers; split, they would need those
// helpers in a header for no reader's gain.
#include "StrongPlayer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

#include "CardInfo.h"

namespace durak {

namespace {

// A card's worth: its rank, nine more for a trump.
int Worth(int card, int trump) {
  return RankOfTag(card) + (SuitOfTag(card) == trump ? 9 : 0);
}

int BeatPrice(int card, int target) {
  if (SuitOfTag(card) == SuitOfTag(target)) return RankOfTag(card) - RankOfTag(target);
  return RankOfTag(card) + 9 - RankOfTag(target);
}

// The attack card an open pair holds, for the defender's beat.
int TargetOf(const TSearchState& s, int slot) {
  return s.Row[s.Attacker][slot];
}

}  // namespace

// How much the rule of thumb likes a move; higher is better.
int PolicyScore(const TSearchState& s, const TMove& m) {
  const int trump = s.Trump;
  const bool stockLeft = s.StockCount > 0;
  switch (m.Kind) {
    case mkPlay: {
      const int worth = Worth(m.Card, trump);
      const bool cheap = SuitOfTag(m.Card) != trump && RankOfTag(m.Card) <= 10;
      if (s.Phase == spLead) {
        const int mover = s.Mover();
        const int same = CardCount(s.Hand[mover] & RankCards(RankOfTag(m.Card)));
        return 200 - 4 * worth + (same > 1 ? 3 : 0);
      }
      if (s.Phase == spTakeThrowIn)
        return (!stockLeft || cheap || (SuitOfTag(m.Card) != trump && RankOfTag(m.Card) <= 11))
                   ? 80 - worth
                   : -10;
      return (!stockLeft || cheap) ? 80 - worth : -10;
    }
    case mkBeat: {
      const int price = BeatPrice(m.Card, TargetOf(s, m.Slot));
      int score = 100 - 4 * price;
      if (SuitOfTag(m.Card) == trump && s.StockCount > 8) score -= 12;
      return score;
    }
    case mkTransfer:
      return SuitOfTag(m.Card) == trump ? 55 : 95;
    case mkTake:
      if (s.StockCount >= 12) return 60;
      if (stockLeft) return 44;
      return 4;
    default:
      return 0;
  }
}

namespace {

// ---- exact search --------------------------------------------------------------------------

uint64_t Mix(uint64_t h, uint64_t v) {
  h ^= v + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
  h *= 0xBF58476D1CE4E5B9ull;
  return h ^ (h >> 29);
}

uint64_t PositionKey(const TSearchState& s) {
  uint64_t a = 0, b = 0, c = 0;
  if (s.Phase == spTakeThrowIn) {
    // The table is about to be taken: only which cards lie there and how many in each row
    // matter, not the order they came in, so every order of the same cards is one position.
    a = s.Table;
    b = uint64_t(RowCountOf(s.Row[0])) | uint64_t(RowCountOf(s.Row[1])) << 8;
  } else {
    for (int i = 0; i < 6; ++i) {
      a |= uint64_t(s.Row[0][i]) << (8 * i);
      b |= uint64_t(s.Row[1][i]) << (8 * i);
      c |= uint64_t(s.Pending[i]) << (8 * i);
    }
  }
  a |= uint64_t(s.Phase) << 48 | uint64_t(s.Attacker) << 56;
  b |= uint64_t(s.LastPick) << 48 | uint64_t(s.StockCount) << 56;
  c |= uint64_t(s.StockCount > 0 ? s.Stock[0] : 0) << 48;
  uint64_t h = Mix(s.Hand[0], s.Hand[1]);
  h = Mix(h, a);
  h = Mix(h, b);
  return Mix(h, c) | 1;  // never 0, the empty entry
}

struct TEntry {
  uint64_t Key = 0;    // the position's key mixed with its search's salt; 0 an empty entry
  uint16_t Work = 0;   // positions visited to decide it (at most 65535): the dearer is kept
  uint16_t Stamp = 0;  // which search wrote it: an older search's entry is free for reuse
  int8_t Value = 0;
  uint8_t Bound = 0;  // 0 exact, 1 at least, 2 at most
  uint16_t Move = 0;  // the move that decided it, tried first when the position comes back
};

// One transposition table per thread, shared by the searches one after the other: each
// search mixes its own salt into the keys, so it never reads another's entries and the
// table never needs clearing. Entries go in pairs: the first keeps the dearer position, the
// second the latest.
constexpr size_t kTableEntries = size_t(1) << 20;

TEntry* SharedTable() {
  thread_local std::vector<TEntry> table(kTableEntries);
  return table.data();
}

uint64_t SearchCount() {
  thread_local uint64_t count = 0;
  return ++count;
}

// The part of the table a position's search uses: a few cards need only a small part, one
// that stays in the processor's cache.
size_t TableSizeFor(const TSearchState& s) {
  const int cards = CardCount(s.Hand[0] | s.Hand[1] | s.Table);
  return cards <= 6 ? size_t(1) << 10 : cards <= 10 ? size_t(1) << 14 : kTableEntries;
}

class TSolver {
 public:
  TSolver(int seat, long limit, ISearchClock* clock, double timeLimitMs, size_t tableSize)
      : seat_(seat),
        limit_(limit),
        clock_(clock),
        timeLimitMs_(timeLimitMs),
        mask_((std::min(tableSize, kTableEntries) - 1) & ~size_t(1)),
        search_(SearchCount()),
        salt_(Mix(0x2545F4914F6CDD1Dull, search_) & ~uint64_t(1)),
        table_(SharedTable()) {}

  int Search(const TSearchState& s, int alpha, int beta) {
    if (s.Over()) return Outcome(s);
    if (++nodes_ > limit_ ||
        (clock_ != nullptr && (nodes_ & 4095) == 0 && clock_->ElapsedMs() > timeLimitMs_)) {
      aborted_ = true;
      return 0;
    }
    const uint64_t key = PositionKey(s) ^ salt_;
    // With the stock gone the same cards can go back and forth for ever. Coming back to a
    // position counts as lost, so the search never steers into an endless deal.
    if (OnPath(key)) return -1;
    uint16_t hashMove = 0;
    TEntry* const pair = table_ + (key & mask_);
    for (int i = 0; i < 2; ++i) {
      const TEntry& e = pair[i];
      if (e.Key != key) continue;
      if (e.Bound == 0) return e.Value;
      if (e.Bound == 1 && e.Value >= beta) return e.Value;
      if (e.Bound == 2 && e.Value <= alpha) return e.Value;
      hashMove = e.Move;
    }
    TMoveList moves;
    GenerateMoves(s, moves);
    if (s.Phase == spDefend && s.Mover() == seatPlayer) FirstOpenPairOnly(s, moves);
    const bool mine = s.Mover() == seat_;
    Order(s, moves, hashMove, history_[mine ? 0 : 1]);
    const int alpha0 = alpha, beta0 = beta;
    const long start = nodes_;
    int best = mine ? -2 : 2;
    uint16_t bestMove = 0;
    path_.push_back(key);
    for (const TMove& m : moves) {
      TSearchState child = s;
      ApplyMove(child, m);
      const int v = Search(child, alpha, beta);
      if (aborted_) return 0;
      if (mine ? v > best : v < best) {
        best = v;
        bestMove = m.Code();
      }
      if (mine)
        alpha = std::max(alpha, v);
      else
        beta = std::min(beta, v);
      if (alpha >= beta) {
        // A move that refutes here often refutes in the positions like it.
        history_[mine ? 0 : 1][m.Code() & 4095] += 1;
        break;
      }
    }
    path_.pop_back();
    const uint64_t work = static_cast<uint64_t>(nodes_ - start);
    TEntry fresh;
    fresh.Key = key;
    fresh.Work = static_cast<uint16_t>(std::min<uint64_t>(work, UINT16_MAX));
    fresh.Stamp = static_cast<uint16_t>(search_);
    fresh.Value = static_cast<int8_t>(best);
    fresh.Bound = best <= alpha0 ? 2 : best >= beta0 ? 1 : 0;
    fresh.Move = bestMove;
    if (pair[0].Key == key || pair[0].Stamp != fresh.Stamp || pair[0].Work <= fresh.Work)
      pair[0] = fresh;
    else
      pair[1] = fresh;
    return best;
  }

  // The value with exact play and a move that reaches it. Two searches with a window of
  // one step, first whether the deal can be won, then whether it can at least be drawn,
  // cut off far more than one search over all three values.
  bool Root(const TSearchState& s, TMoveList moves, int& value, TMove& bestMove) {
    if (moves.Count == 0) return false;
    Order(s, moves, 0, history_[0]);
    for (int target : {1, 0}) {
      for (const TMove& m : moves) {
        path_.assign(1, PositionKey(s) ^ salt_);
        TSearchState child = s;
        ApplyMove(child, m);
        const int v = Search(child, target - 1, target);
        if (aborted_) return false;
        if (v >= target) {
          value = target;
          bestMove = m;
          return true;
        }
      }
    }
    // Every move loses: any will do, the rule of thumb's first.
    value = -1;
    bestMove = moves.Items[0];
    return true;
  }

  long Nodes() const { return nodes_; }

  // The exact value of a position reached in a searched deal, within `budget` more
  // positions; the table is kept from one call to the next. False when out of budget.
  bool LeafValue(const TSearchState& s, long budget, int& value) {
    aborted_ = false;
    limit_ = nodes_ + budget;
    path_.clear();
    value = Search(s, -1, 1);
    return !aborted_;
  }

  // The move that decided this position before first, then the rule of thumb's order, and
  // among moves it likes alike those that refuted most often elsewhere: good moves first cut
  // the search short.
  static void Order(const TSearchState& s, TMoveList& moves, uint16_t first,
                    const std::array<uint32_t, 4096>& history) {
    std::array<int64_t, 192> score{};
    for (int i = 0; i < moves.Count; ++i) {
      const uint16_t code = moves.Items[i].Code();
      score[i] = code == first ? INT64_MAX
                               : int64_t(PolicyScore(s, moves.Items[i])) * (int64_t(1) << 32) +
                                     history[code & 4095];
    }
    // Insertion sort: the lists are short.
    for (int i = 1; i < moves.Count; ++i) {
      const TMove m = moves.Items[i];
      const int64_t sc = score[i];
      int j = i - 1;
      while (j >= 0 && score[j] < sc) {
        moves.Items[j + 1] = moves.Items[j];
        score[j + 1] = score[j];
        --j;
      }
      moves.Items[j + 1] = m;
      score[j + 1] = sc;
    }
  }

 private:
  // The player may beat the open cards in any order, but the order changes nothing: the
  // same cards lie on the table once all are beaten. Beating some and then taking only
  // gives the attacker more ranks to throw in, so it is never better than taking at once.
  // Beating the first open pair first therefore keeps the value and spares the orders.
  static void FirstOpenPairOnly(const TSearchState& s, TMoveList& moves) {
    int first = -1;
    for (int i = 0; i < 6 && first < 0; ++i)
      if (s.Row[seatComputer][i] != 0 && s.Row[seatPlayer][i] == 0) first = i;
    int kept = 0;
    for (const TMove& m : moves)
      if (m.Kind != mkBeat || m.Slot == first) moves.Items[kept++] = m;
    moves.Count = kept;
  }

  bool OnPath(uint64_t key) const {
    for (uint64_t k : path_)
      if (k == key) return true;
    return false;
  }

  int Outcome(const TSearchState& s) const {
    if (s.Result == 2) return 0;
    const int winner = s.Result == -1 ? seatPlayer : seatComputer;
    return winner == seat_ ? 1 : -1;
  }

  int seat_;
  long limit_;
  ISearchClock* clock_;
  double timeLimitMs_;
  size_t mask_;
  uint64_t search_;
  uint64_t salt_;
  TEntry* table_;
  long nodes_ = 0;
  bool aborted_ = false;
  std::vector<uint64_t> path_;
  std::array<std::array<uint32_t, 4096>, 2> history_{};  // refutations, by whose move
};

// ---- tree search over sampled deals ---------------------------------------------------------

struct TNode {
  uint16_t Move = 0;
  uint8_t Mover = 0;  // who made the move that leads here
  int32_t Child = -1, Sibling = -1;
  uint32_t Visits = 0, Avail = 0;
  double Wins = 0;  // for the side that made the move
};

TMove MoveOfCode(uint16_t code) {
  return TMove{static_cast<uint8_t>(code & 7), static_cast<uint8_t>((code >> 3) & 63),
               static_cast<uint8_t>((code >> 9) & 7)};
}

class TTreeSearch {
 public:
  static constexpr int kMaxMoves = 400;

  TTreeSearch(const TInfoSet& info, const std::vector<TMove>& prefix, uint64_t seed,
              const TStrongParams& params, const std::vector<uint16_t>* avoid)
      : info_(info),
        prefix_(prefix),
        avoid_(avoid),
        random_(seed),
        params_(params),
        leafSolve_(params.LeafNodes > 0 && info.Visible.StockCount <= params.LeafStock) {
    nodes_.reserve(static_cast<size_t>(params.Iterations) + 1);
    nodes_.emplace_back();
  }

  // Searches the budget's deals without choosing a move: for valuing the position.
  void RunDeals() {
    for (int it = 0; it < params_.Iterations; ++it) Iterate();
  }
  // Over every deal searched: how many, and in how many the deciding side did not lose.
  int Deals() const { return deals_; }
  int NotLost() const { return notLost_; }

  TMove Run(ISearchClock* clock, int& iterations) {
    iterations = 0;
    for (int it = 0; it < params_.Iterations; ++it) {
      if (clock != nullptr && (it & 15) == 15 && clock->ElapsedMs() > params_.TimeLimitMs) break;
      Iterate();
      ++iterations;
    }
    if (nodes_[0].Child == -1) Iterate();
    int best = -1;
    for (int c = nodes_[0].Child; c != -1; c = nodes_[c].Sibling)
      if (best == -1 || nodes_[c].Visits > nodes_[best].Visits ||
          (nodes_[c].Visits == nodes_[best].Visits && nodes_[c].Wins > nodes_[best].Wins))
        best = c;
    return MoveOfCode(nodes_[best].Move);
  }

 private:
  void Iterate() {
    TSearchState s = Determinize(info_, random_);
    for (const TMove& m : prefix_) ApplyMove(s, m);
    path_.clear();
    int node = 0;
    TMoveList moves;
    int depth = 0;
    while (!s.Over() && ++depth < kMaxMoves) {
      GenerateMoves(s, moves);
      if (node == 0) DropAvoided(moves, avoid_);
      ++stamp_;
      for (int c = nodes_[node].Child; c != -1; c = nodes_[c].Sibling) {
        childStamp_[nodes_[c].Move] = stamp_;
        childOf_[nodes_[c].Move] = c;
      }
      int untried = 0;
      std::array<int, 192> fresh{};
      for (int i = 0; i < moves.Count; ++i)
        if (childStamp_[moves.Items[i].Code()] != stamp_) fresh[untried++] = i;
      if (untried > 0) {
        const TMove m = moves.Items[fresh[random_.Below(static_cast<uint32_t>(untried))]];
        TNode n;
        n.Move = m.Code();
        n.Mover = s.Mover();
        n.Sibling = nodes_[node].Child;
        nodes_.push_back(n);
        nodes_[node].Child = static_cast<int32_t>(nodes_.size() - 1);
        node = nodes_[node].Child;
        path_.push_back(node);
        ApplyMove(s, m);
        break;
      }
      int chosen = -1;
      double bestValue = -1;
      TMove chosenMove;
      for (const TMove& m : moves) {
        TNode& c = nodes_[childOf_[m.Code()]];
        ++c.Avail;
        const double value = c.Wins / c.Visits +
                             params_.Exploration * std::sqrt(std::log(double(c.Avail)) / c.Visits);
        if (value > bestValue) {
          bestValue = value;
          chosen = childOf_[m.Code()];
          chosenMove = m;
        }
      }
      node = chosen;
      path_.push_back(node);
      ApplyMove(s, chosenMove);
    }
    bool leafTried = false;
    double reward = -1;
    while (!s.Over() && ++depth < kMaxMoves) {
      if (leafSolve_ && !leafTried && s.StockCount <= 1 &&
          (!leaf_ || leaf_->Nodes() < params_.LeafTotalNodes)) {
        // Nothing is hidden any more in this deal: its exact value beats a playout.
        leafTried = true;
        if (!leaf_) leaf_ = std::make_unique<TSolver>(info_.Seat, 0, nullptr, 0, size_t(1) << 16);
        int value = 0;
        if (leaf_->LeafValue(s, params_.LeafNodes, value)) {
          reward = (value + 1) / 2.0;
          break;
        }
      }
      GenerateMoves(s, moves);
      ApplyMove(s, PolicyMove(s, moves, random_));
    }
    // A deal that goes round in circles counts as half won.
    if (reward < 0) reward = s.Over() ? RewardFor(s, info_.Seat) : 0.5;
    ++deals_;
    if (reward >= 0.5) ++notLost_;
    ++nodes_[0].Visits;
    for (int n : path_) {
      ++nodes_[n].Visits;
      nodes_[n].Wins += nodes_[n].Mover == info_.Seat ? reward : 1 - reward;
    }
  }

  const TInfoSet& info_;
  const std::vector<TMove>& prefix_;
  const std::vector<uint16_t>* avoid_;
  TSearchRandom random_;
  TStrongParams params_;
  bool leafSolve_;
  std::unique_ptr<TSolver> leaf_;  // the exact search for the ends of the searched deals
  std::vector<TNode> nodes_;
  std::vector<int> path_;
  std::array<uint32_t, 4096> childStamp_{};
  std::array<int32_t, 4096> childOf_{};
  uint32_t stamp_ = 0;
  int deals_ = 0, notLost_ = 0;
};

}  // namespace

TMove PolicyMove(const TSearchState& s, const TMoveList& moves, TSearchRandom& random) {
  if (moves.Count == 1) return moves.Items[0];
  // Now and then any move, so that the playouts do not all run the same way.
  if (random.Below(100) < 8) return moves.Items[random.Below(static_cast<uint32_t>(moves.Count))];
  int best = 0, bestScore = INT32_MIN;
  for (int i = 0; i < moves.Count; ++i) {
    const int score = PolicyScore(s, moves.Items[i]) * 8 + static_cast<int>(random.Below(8));
    if (score > bestScore) {
      bestScore = score;
      best = i;
    }
  }
  return moves.Items[best];
}

void DropAvoided(TMoveList& moves, const std::vector<uint16_t>* avoid) {
  if (avoid == nullptr || avoid->empty()) return;
  TMoveList kept;
  for (const TMove& m : moves)
    if (std::find(avoid->begin(), avoid->end(), m.Code()) == avoid->end())
      kept.Items[kept.Count++] = m;
  if (kept.Count > 0) moves = kept;
}

namespace {

bool Solve(const TSearchState& s, const TMoveList& moves, int seat, long nodeLimit, int& value,
           TMove& best, long* nodes, ISearchClock* clock, double timeLimitMs) {
  auto solver = std::make_unique<TSolver>(seat, nodeLimit, clock, timeLimitMs, TableSizeFor(s));
  const bool solved = solver->Root(s, moves, value, best);
  if (nodes != nullptr) *nodes = solver->Nodes();
  return solved;
}

}  // namespace

bool SolveExactly(const TSearchState& s, int seat, long nodeLimit, int& value, TMove& best,
                  long* nodes, ISearchClock* clock, double timeLimitMs) {
  TMoveList moves;
  GenerateMoves(s, moves);
  return Solve(s, moves, seat, nodeLimit, value, best, nodes, clock, timeLimitMs);
}

TMove StrongMove(const TInfoSet& info, const std::vector<TMove>& prefix, uint64_t seed,
                 const TStrongParams& params, ISearchClock* clock, TStrongStats* stats,
                 const std::vector<uint16_t>* avoid) {
  TStrongStats local;
  TStrongStats& st = stats != nullptr ? *stats : local;
  st = TStrongStats();
  TSearchRandom random(seed);
  TSearchState root = Determinize(info, random);
  for (const TMove& m : prefix) ApplyMove(root, m);
  TMoveList moves;
  GenerateMoves(root, moves);
  st.LegalMoves = moves.Count;
  DropAvoided(moves, avoid);
  if (moves.Count == 0) return TMove{};
  if (moves.Count == 1) return moves.Items[0];

  if (FullyKnown(info)) {
    int value = 0;
    TMove best;
    if (Solve(root, moves, info.Seat, params.EndgameNodes, value, best, &st.Nodes, clock,
              params.TimeLimitMs)) {
      st.Exact = true;
      st.Value = value;
      return best;
    }
  }
  TTreeSearch search(info, prefix, seed ^ 0xA5A5A5A55A5A5A5Aull, params, avoid);
  return search.Run(clock, st.Iterations);
}

TMoveValue ValueOfMove(const TInfoSet& info, const TMove& move, uint64_t seed,
                       const TStrongParams& params) {
  TMoveValue v;
  TSearchRandom random(seed);
  TSearchState after = Determinize(info, random);
  ApplyMove(after, move);
  // Whether the move ends the deal, and how, follows from the counts alone, which every
  // deal that agrees with the knowledge shares.
  int value = 0;
  bool exact = false;
  if (after.Over()) {
    value = after.Result == 2 ? 0 : (after.Result == -1) == (info.Seat == seatPlayer) ? 1 : -1;
    exact = true;
  } else if (FullyKnown(info)) {
    TMove best;
    exact = SolveExactly(after, info.Seat, params.EndgameNodes, value, best);
  }
  if (exact) {
    v.Exact = true;
    v.Deals = 1;
    v.NotLosing = value >= 0 ? 1.0 : 0.0;
    return v;
  }
  const std::vector<TMove> prefix{move};
  TTreeSearch search(info, prefix, seed ^ 0xA5A5A5A55A5A5A5Aull, params, nullptr);
  search.RunDeals();
  v.Deals = search.Deals();
  v.NotLosing = v.Deals > 0 ? static_cast<double>(search.NotLost()) / v.Deals : 0.0;
  return v;
}

}  // namespace durak

// "Сильный" at the table: a sampling search over the deals the seat cannot tell apart.
#include <algorithm>
#include <vector>

#include "SeatKnowledge.h"
#include "TablePlayers.h"
#include "TableRules.h"

namespace durak::table {

namespace {

// A played-out deal that goes on this long is cards going round: it counts as half lost.
constexpr int kRolloutMoves = 400;
constexpr int kMinSamplesPerMove = 6;

uint64_t Next(uint64_t& state) {
  uint64_t z = (state += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

// One deal the seat cannot tell from the real one: its unseen cards dealt at random among
// the other seats' hidden cards and the face-down stock.
TTableState Sample(const TTableState& known, int seat, uint64_t& rng) {
  std::array<uint8_t, 36> pool{};
  int n = 0;
  for (TCards set = UnseenBy(known, seat); set != 0; set &= set - 1)
    pool[n++] = static_cast<uint8_t>(Lowest(set));
  for (int i = n - 1; i > 0; --i)
    std::swap(pool[i], pool[Next(rng) % static_cast<uint64_t>(i + 1)]);
  TTableState world = known;
  int next = 0;
  for (int other = 0; other < known.Seats; ++other) {
    if (other == seat) continue;
    const int hidden = Count(known.Hand[other] & ~known.Shown[other]);
    world.Hand[other] = known.Shown[other];
    for (int i = 0; i < hidden; ++i) world.Hand[other] |= Bit(pool[next++]);
  }
  for (int i = 1; i < known.StockCount; ++i) world.Stock[i] = pool[next++];
  return world;
}

// The seat's share after playing the deal out: 1 not the fool, 0 the fool.
double PlayOut(TTableState world, int seat) {
  for (int moves = 0; !world.Over(); ++moves) {
    if (moves >= kRolloutMoves) return 0.5;
    ApplyMove(world, OrdinaryChoice(world));
  }
  return world.Fool == seat ? 0.0 : 1.0;
}

class TStrongSeat : public TTablePlayer {
 public:
  explicit TStrongSeat(uint64_t seed) : seed_(seed) {}
  TTableMove Choose(const TTableState& s) override { return StrongMove(s, Next(seed_)); }

 private:
  uint64_t seed_;
};

}  // namespace

TTableMove StrongMove(const TTableState& real, uint64_t seed, int rollouts) {
  const int seat = real.ToMove;
  const TTableState known = SeatKnowledge(real, seat);
  TTableMoves moves;
  LegalMoves(known, moves);
  if (moves.Count <= 1) return moves.Items[0];
  // A deal at four is longer to play out: the same time buys fewer of them.
  const int budget = known.Seats > 3 ? rollouts * 3 / known.Seats : rollouts;
  const int samples = std::max(kMinSamplesPerMove, budget / moves.Count);
  std::vector<double> score(static_cast<size_t>(moves.Count), 0.0);
  uint64_t rng = seed;
  for (int k = 0; k < samples; ++k) {
    // Every move is tried in the same sampled deal, so the luck of the sample cancels.
    const TTableState world = Sample(known, seat, rng);
    for (int i = 0; i < moves.Count; ++i) {
      TTableState next = world;
      ApplyMove(next, moves.Items[i]);
      score[static_cast<size_t>(i)] += PlayOut(next, seat);
    }
  }
  // Ties go to the heuristic's own choice, then to the first move.
  const TTableMove usual = OrdinaryChoice(known);
  int best = 0;
  for (int i = 1; i < moves.Count; ++i) {
    const double a = score[static_cast<size_t>(i)], b = score[static_cast<size_t>(best)];
    if (a > b || (a == b && moves.Items[i] == usual)) best = i;
  }
  return moves.Items[best];
}

std::unique_ptr<TTablePlayer> MakeStrongTablePlayer(uint64_t seed) {
  return std::make_unique<TStrongSeat>(seed);
}

}  // namespace durak::table

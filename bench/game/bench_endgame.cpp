// The exact endgame search on the positions of real deals: deals shuffled at random and
// played by the playout rule for both sides; from the moment the stock is down to the
// face-up trump card, every decision with more than one move is solved exactly for the side
// to move, with a node limit of 2 million (a position past it counts as unsolved). The counters
// give the solve times in milliseconds of processor time.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <vector>

#include "CardInfo.h"
#include "SearchView.h"
#include "StrongPlayer.h"

namespace {

using namespace durak;

// A freshly dealt deal: six cards each, the thirteenth card face up under the stock, the
// side with the lower trump leading.
TSearchState DealtState(TSearchRandom& random, int options) {
  std::array<int, 36> pack{};
  for (int i = 0; i < 36; ++i) pack[i] = i + 1;
  for (int i = 35; i > 0; --i) std::swap(pack[i], pack[random.Below(static_cast<uint32_t>(i + 1))]);
  TSearchState s;
  for (int i = 0; i < 6; ++i) {
    s.Hand[seatPlayer] |= CardBit(pack[i]);
    s.Hand[seatComputer] |= CardBit(pack[6 + i]);
  }
  s.StockCount = 24;
  for (int i = 0; i < 24; ++i) s.Stock[i] = static_cast<uint8_t>(pack[12 + i]);
  s.Trump = static_cast<uint8_t>(SuitOfTag(pack[12]));
  s.TransferOn = (options & 2) != 0;
  s.MultiLeadOn = (options & 4) != 0;
  const TCardSet trumps = SuitCards(s.Trump);
  const TCardSet p = s.Hand[seatPlayer] & trumps, c = s.Hand[seatComputer] & trumps;
  s.Attacker = c != 0 && (p == 0 || FirstCard(c) < FirstCard(p)) ? seatComputer : seatPlayer;
  s.Phase = spLead;
  return s;
}

// The processor time this thread has used: on a machine shared with other work the time on
// the wall would count the waits too.
double CpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

double Percentile(std::vector<double> v, double q) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[std::min(v.size() - 1, static_cast<size_t>(q * static_cast<double>(v.size())))];
}

void BM_EndgameSolver(benchmark::State& state) {
  const int options = static_cast<int>(state.range(0));
  std::vector<double> times;
  long unsolved = 0, maxNodes = 0;
  for (auto _ : state) {
    TSearchRandom random(2026 + options);
    for (int deal = 0; deal < 300; ++deal) {
      TSearchState s = DealtState(random, options);
      TMoveList moves;
      for (int step = 0; step < 400 && !s.Over(); ++step) {
        GenerateMoves(s, moves);
        if (s.StockCount <= 1 && moves.Count > 1) {
          int value = 0;
          TMove best;
          long nodes = 0;
          const double start = CpuMs();
          const bool solved = SolveExactly(s, s.Mover(), 2000000, value, best, &nodes);
          times.push_back(CpuMs() - start);
          unsolved += solved ? 0 : 1;
          maxNodes = std::max(maxNodes, nodes);
        }
        ApplyMove(s, PolicyMove(s, moves, random));
      }
    }
  }
  state.counters["positions"] = static_cast<double>(times.size());
  state.counters["unsolved"] = static_cast<double>(unsolved);
  state.counters["medianMs"] = Percentile(times, 0.5);
  state.counters["p99Ms"] = Percentile(times, 0.99);
  state.counters["maxMs"] = Percentile(times, 1.0);
  state.counters["maxNodes"] = static_cast<double>(maxNodes);
}
BENCHMARK(BM_EndgameSolver)
    ->Arg(9)
    ->Arg(11)
    ->Arg(13)
    ->Arg(15)
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

}  // namespace

// The strong player's speed: one decision at its default budget, in the player's seat (the
// hint) and in the computer's (a lead), and the think times over whole deals.
#include <benchmark/benchmark.h>

#include <sstream>

#include "Game.h"
#include "Headless.h"
#include "Play.h"
#include "StrongChooser.h"

namespace {

using namespace durak;

struct TTable {
  THeadlessCards CardSet;
  THeadlessTable Table;
  TFixedClock Clock{0};
  TGame Game{CardSet.Pointers(), Table, Clock};

  // Deals with the seed, then plays the suggested inputs until the stock is down to
  // `stock` cards or fewer.
  explicit TTable(int stock) {
    Game.Layout = ComputeLayout(738, 530, 71, 96);
    Game.Options = arTransfer | arMultiLead;
    Clock.Value = 31;
    Game.DealPressed();
    TStrongParams quick;
    quick.Iterations = 50;
    for (int i = 0; i < 400 && Game.DealResult == drGoesOn; ++i) {
      if (static_cast<int>(Game.Deck.size()) <= stock && Game.PlayMode == pmDefend) break;
      const THint h = StrongHint(Game, i, quick);
      if (!h.Valid) break;
      PlayHint(Game, Table, CardSet, h);
    }
  }
};

void BM_StrongHint(benchmark::State& state) {
  TTable t(static_cast<int>(state.range(0)));
  uint64_t seed = 0;
  for (auto _ : state) benchmark::DoNotOptimize(StrongHint(t.Game, ++seed, TStrongParams()));
  state.counters["stock"] = static_cast<double>(t.Game.Deck.size());
}
BENCHMARK(BM_StrongHint)->Arg(18)->Arg(8)->Arg(2)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_StrongLead(benchmark::State& state) {
  TTable t(static_cast<int>(state.range(0)));
  uint64_t seed = 0;
  for (auto _ : state) {
    TStrongChooser strong(TStrongParams(), ++seed);
    TCompView view = MakeCompView(t.Game);
    benchmark::DoNotOptimize(strong.Decide(InfoOfComputer(view, caLead, 0)));
  }
}
BENCHMARK(BM_StrongLead)->Arg(18)->Arg(8)->Arg(0)->Unit(benchmark::kMillisecond);

// Whole mirrored deals with the strong player in the player's seat against the described
// computer, at the game's own budget (800 searched deals and the 400 ms cap per decision):
// the think-time counters cover every decision with more than one move, in milliseconds.
void BM_StrongThinkTimes(benchmark::State& state) {
  TPlayConfig config;
  config.Games = 100;
  config.Seed = 2026;
  config.Options = static_cast<int>(state.range(0));
  config.Opponent = "strong";
  config.Mirror = true;
  config.TimeLimitMs = TStrongParams().TimeLimitMs;
  TPlaySummary s;
  std::ostringstream faults;
  for (auto _ : state) s = PlayDeals(config, faults);
  state.counters["thinkMedianMs"] = s.ThinkMedianMs;
  state.counters["thinkP99Ms"] = s.ThinkP99Ms;
  state.counters["thinkMaxMs"] = s.ThinkMaxMs;
  state.counters["decisions"] = static_cast<double>(s.Decisions);
  state.counters["strongShare"] = s.Share;
}
BENCHMARK(BM_StrongThinkTimes)
    ->Arg(9)
    ->Arg(11)
    ->Arg(13)
    ->Arg(15)
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

}  // namespace

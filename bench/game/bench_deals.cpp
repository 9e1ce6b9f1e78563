// Whole deals on the headless table against each scripted opponent, with the invariants
// checked after every event, as `durak-sim play` runs them.
#include <benchmark/benchmark.h>

#include <sstream>

#include "Play.h"

namespace {

void RunDeals(benchmark::State& state, const char* opponent, int options) {
  durak::TPlayConfig config;
  config.Games = 200;
  config.Opponent = opponent;
  config.Options = options;
  uint64_t deals = 0, events = 0;
  for (auto _ : state) {
    std::ostringstream faults;
    const durak::TPlaySummary s = durak::PlayDeals(config, faults);
    deals += s.Deals;
    events += s.Events;
    if (s.Violations != 0) state.SkipWithError("invariant violated");
    ++config.Seed;
  }
  state.counters["deals/s"] = benchmark::Counter(double(deals), benchmark::Counter::kIsRate);
  state.counters["events/deal"] = double(events) / double(deals);
}

void BM_DealsRandom(benchmark::State& s) {
  RunDeals(s, "random", static_cast<int>(s.range(0)));
}
void BM_DealsFirst(benchmark::State& s) {
  RunDeals(s, "first", static_cast<int>(s.range(0)));
}

// Options: 9 hot cards and sound (throw-in game), 15 with transfer and multi-card lead.
BENCHMARK(BM_DealsRandom)->Arg(9)->Arg(15)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DealsFirst)->Arg(9)->Arg(15)->Unit(benchmark::kMillisecond);

}  // namespace

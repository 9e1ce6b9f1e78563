// The deal review's speed: a whole recorded deal replayed and every decision of the
// player's judged at the review's default budget, on two threads as on a two-core machine.
// The aim is at most 2 s a deal; the median of several runs is the figure.
#include <benchmark/benchmark.h>

#include "DealRecorder.h"
#include "DealReview.h"

namespace {

using namespace durak;

void BM_ReviewWholeDeal(benchmark::State& state) {
  const auto seed = static_cast<uint32_t>(state.range(0));
  const TDealRecord record = RecordDeal(seed, arHotCards | arSound, "described", StrongPolicy(100));
  const TReviewParams params;
  size_t decisions = 0;
  for (auto _ : state) {
    const TDealReview review = ReviewDeal(record, params, 2);
    decisions = review.Decisions.size();
    benchmark::DoNotOptimize(review.Mistakes);
  }
  state.counters["decisions"] = static_cast<double>(decisions);
}
BENCHMARK(BM_ReviewWholeDeal)
    ->Arg(11)
    ->Arg(12)
    ->Arg(13)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

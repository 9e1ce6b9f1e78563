// One decision of the strong player at its default budget, in the player's seat (the hint)
// and in the computer's (a lead), on tables from the start of a deal to the last cards.
#include <benchmark/benchmark.h>

#include "Game.h"
#include "Headless.h"
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
    Game.Button2Click();
    TStrongParams quick;
    quick.Iterations = 50;
    for (int i = 0; i < 400 && Game.DealResult == drGoesOn; ++i) {
      if (static_cast<int>(Game.Deck.size()) <= stock && Game.PlayMode == pmDefend) break;
      const THint h = StrongHint(Game, i, quick);
      if (!h.Valid) break;
      Table.MenuChoice = h.Menu;
      if (h.IsClick)
        Game.Card1Click(*CardSet.Pointers()[h.Tag - 1]);
      else if (h.Button == Button1)
        Game.Button1Click();
      else if (h.Button == Button3)
        Game.Button3Click();
      else if (h.Button == Button4)
        Game.Button4Click();
      else
        Game.Button5Click();
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

}  // namespace

// Opening the card pack and loading the back and all 36 faces, as the game
// does at start-up and after a change of deck.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "ResourcePack.h"

namespace {

const char* const kFaces[] = {"6S",  "6C",  "6D", "6H", "7S", "7C", "7D", "7H",  "8S",
                              "8C",  "8D",  "8H", "9S", "9C", "9D", "9H", "10S", "10C",
                              "10D", "10H", "JS", "JC", "JD", "JH", "DS", "DC",  "DD",
                              "DH",  "KS",  "KC", "KD", "KH", "AS", "AC", "AD",  "AH"};

void LoadCardPack(benchmark::State& state) {
  for (auto _ : state) {
    durak::ResourcePack pack;
    if (!pack.Open(QStringLiteral("c36.dll"))) {
      state.SkipWithError("c36.dll not found beside the benchmark");
      return;
    }
    QImage back = pack.LoadImage(QStringLiteral("BK1"));
    benchmark::DoNotOptimize(back);
    for (const char* name : kFaces) {
      QImage face = pack.LoadImage(QLatin1String(name));
      benchmark::DoNotOptimize(face);
    }
    pack.Close();
  }
}
BENCHMARK(LoadCardPack)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

void ReadAllTexts(benchmark::State& state) {
  for (auto _ : state) {
    durak::ResourcePack pack;
    if (!pack.Open(QStringLiteral("durlang.dll"))) {
      state.SkipWithError("durlang.dll not found beside the benchmark");
      return;
    }
    for (int n = 301; n <= 506; ++n) benchmark::DoNotOptimize(pack.LoadText(n));
  }
}
BENCHMARK(ReadAllTexts)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}

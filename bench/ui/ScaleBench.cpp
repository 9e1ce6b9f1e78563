// Cards at the table's size: how long a glide lasts now that every frame stays on screen for
// a display refresh, and what re-laying the whole table after a resize costs (all 36 faces
// and the back drawn again at the new size, then every card placed).
//
//   build/bin/bench_ui_scale --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <memory>

#include "Game.h"
#include "Headless.h"
#include "PackLocator.h"
#include "cards/CardMath.h"
#include "cards/CardPacks.h"
#include "cards/CardRenditions.h"
#include "cards/CardWidget.h"
#include "table/PaintedPanel.h"

namespace durak {
namespace {

// A 400-pixel glide at the default speed (step 40): about ten frames, each lasting at least
// one display refresh.
void BM_Glide400AtDefaultSpeed(benchmark::State& state) {
  TPaintedPanel table;
  table.resize(1280, 800);
  table.show();
  TCardWidget card(1, &table);
  QImage face(71, 106, QImage::Format_RGB32);
  face.fill(Qt::white);
  card.SetFace(face);
  card.SetCard(17, 1);
  card.SetBounds(100, 300, 71, 106);
  card.show();
  QApplication::processEvents();
  TCardView::SetFramePacing(true);
  int x = 100;
  double frames = 0;
  for (auto _ : state) {
    const int to = x == 100 ? 500 : 100;
    frames = static_cast<double>(GlideFrames(x, 300, to, 300, 40).size());
    card.MoveTo(to, 300, 0, 40, false);
    x = to;
  }
  state.counters["frames"] = frames;
  state.counters["refresh_ms"] = card.FramePeriodMs();
}
BENCHMARK(BM_Glide400AtDefaultSpeed)->Unit(benchmark::kMillisecond)->UseRealTime();

// The whole table after a resize: the 36 faces and the back drawn from the standard deck's
// renditions at the new card size, and the engine placing the hands, the stock and the pairs.
void BM_RelayTableAfterResize(benchmark::State& state) {
  if (FindPack(QStringLiteral("c36.dll")).isEmpty()) {
    state.SkipWithError("c36.dll not built");
    return;
  }
  TPaintedPanel table;
  table.resize(1218, 954);
  table.show();
  std::vector<std::unique_ptr<TCardWidget>> owned;
  std::vector<TCardWidget*> cards;
  std::array<ICardControl*, 36> controls{};
  for (int tag = 1; tag <= 36; ++tag) {
    owned.push_back(std::make_unique<TCardWidget>(tag, &table));
    cards.push_back(owned.back().get());
    cards.back()->SetCard(tag + 16, tag % 2);
    cards.back()->show();
    controls[tag - 1] = cards.back();
  }
  TCardLibrary library;
  int w = 0, h = 0;
  if (!LoadCardFaces(cards, QStringLiteral("c36.dll"), 1, w, h, &library)) {
    state.SkipWithError("c36.dll cannot be opened");
    return;
  }
  THeadlessTable view;
  TFixedClock clock{1};
  TGame game(controls, view, clock);
  game.ArrangeTable(1218, 954, w, h);
  game.DealCards();
  QApplication::processEvents();
  // Alternate between the table of a 1280 x 1024 window and a slightly smaller one, so that
  // every iteration is a change of card size.
  bool big = false;
  for (auto _ : state) {
    big = !big;
    const int tw = big ? 1218 : 1100, th = big ? 954 : 860;
    const double s = CardScale(tw, th, w, h);
    const QSize size(ScaledCardSide(w, s), ScaledCardSide(h, s));
    ApplyCardPictures(cards, library, size, 1.0);
    // The cards draw a side when they first show it; here every face and back is drawn at
    // once, the most a resize can cost.
    for (TCardWidget* c : cards) {
      benchmark::DoNotOptimize(c->ShownFace().constBits());
      benchmark::DoNotOptimize(c->ShownBack().constBits());
    }
    game.ArrangeTable(tw, th, size.width(), size.height(), s);
    table.repaint();
  }
}
BENCHMARK(BM_RelayTableAfterResize)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace durak

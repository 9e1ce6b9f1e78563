// Speed of the table under moving cards: one glide step (move plus immediate repaint of a
// card over a 1280 x 800 table in gradient mode) and a full repaint of that table in each
// of its modes. Runs on Qt's offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <memory>

#include "cards/CardWidget.h"
#include "table/PaintedPanel.h"

namespace durak {
namespace {

// Counts paints, so the report shows that every step really repainted the card and the
// strip of table it uncovered.
class PaintCounter : public QObject {
 public:
  int64_t Paints = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++Paints;
    return false;
  }
};

QImage Pattern(int w, int h) {
  QImage img(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) img.setPixel(x, y, qRgb((x * 7) & 255, (y * 5) & 255, 128));
  return img;
}

std::unique_ptr<TPaintedPanel> MakeTable(int mode) {
  auto table = std::make_unique<TPaintedPanel>();
  table->resize(1280, 800);
  table->SetSColor(QColor(0, 128, 0));
  table->SetFColor(QColor(0, 0, 0));
  table->SetColor(QColor(0, 128, 0));
  if (mode == pmPicture) {
    table->SetPicture(Pattern(127, 16));
  } else {
    table->SetMode(mode);
  }
  table->show();
  QApplication::processEvents();
  table->repaint();
  return table;
}

void BM_GlideStep(benchmark::State& state) {
  auto table = MakeTable(pmGradient);
  TCardWidget card(1, table.get());
  card.SetFace(Pattern(71, 96));
  card.SetBack(Pattern(71, 96).mirrored());
  card.SetCard(17, 1);
  card.SetBounds(100, 300, 71, 96);
  card.show();
  card.repaint();
  PaintCounter cardPaints, tablePaints;
  card.installEventFilter(&cardPaints);
  table->installEventFilter(&tablePaints);
  int x = 100;
  int dx = 40;
  for (auto _ : state) {
    if (x + dx < 20 || x + dx > 1180) dx = -dx;
    x += dx;
    card.SetBounds(x, 300, 71, 96);
    card.repaint();
  }
  state.counters["card_paints_per_step"] =
      static_cast<double>(cardPaints.Paints) / static_cast<double>(state.iterations());
  state.counters["table_paints_per_step"] =
      static_cast<double>(tablePaints.Paints) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_GlideStep)->Unit(benchmark::kMicrosecond);

void BM_FullTableRepaint(benchmark::State& state) {
  auto table = MakeTable(static_cast<int>(state.range(0)));
  for (auto _ : state) table->repaint();
  state.SetLabel(state.range(0) == pmSolid      ? "solid"
                 : state.range(0) == pmGradient ? "gradient"
                 : state.range(0) == pmPicture  ? "picture"
                                                : "rainbow");
}
BENCHMARK(BM_FullTableRepaint)
    ->Arg(pmSolid)
    ->Arg(pmGradient)
    ->Arg(pmPicture)
    ->Arg(pmRainbow)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace durak

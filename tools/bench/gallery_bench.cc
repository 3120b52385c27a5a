// The population gallery: thumbnails cached and uncached, the big drawing before and
// after the raster, opening the gallery and scrolling a large one.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "desktop/gallery/organism_picture.h"
#include "desktop/gallery/population_view.h"
#include "desktop/gallery/population_window.h"
#include "desktop/organism/painter_canvas.h"
#include "desktop/organism/thumbnail_cache.h"
#include "organism/dna.h"
#include "organism/figure.h"
#include "organism/raster.h"
#include "population/population.h"
#include "population/random_source.h"

namespace vantrel {
namespace {

// The dearest organisms found by drawing every pen width, style, rotation and spokes at
// eleven sides and radius 200. At 350 x 350 QPainter was slowest on solid pens 10 wide,
// the stroke raster on dashed ones; in thumbnails, on dotted pens 4 wide (just over a pixel).
const char* const kWorstBig[] = {"9999999917990", "9991999919990", "9295999915990",
                                 "9995999937990"};
const char* const kWorstThumbnail[] = {"9397999910990", "9395999919990", "9997999919990"};

// The big drawing as QPainter alone makes it, for comparison.
void DrawWithQPainterOnly(QPainter& painter, const std::string& dna) {
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.fillRect(QRect(0, 0, 350, 350), Qt::white);
  const Traits traits = DecodeTraits(dna);
  const Point centre{175, 175};
  const auto points = FigurePoints(traits.vertex_count, traits.radius, traits.rotation, centre);
  auto at = [](Point p) { return QPointF(p.x + 0.5, p.y + 0.5); };
  for (int c = 1; c <= traits.vertex_count; ++c) {
    painter.setPen(QPen(ToQColor(traits.colour), traits.pen_width, ToQtPenStyle(traits.style),
                        Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(at(points[c - 1]), at(points[c]));
    if (traits.spokes) painter.drawLine(at(points[c]), at(centre));
  }
}

void BM_BigViewDrawBefore(benchmark::State& state) {
  QImage image(350, 350, QImage::Format_ARGB32_Premultiplied);
  const std::string dna = kWorstBig[state.range(0)];
  for (auto _ : state) {
    QPainter painter(&image);
    DrawWithQPainterOnly(painter, dna);
  }
  state.SetLabel(dna);
}
BENCHMARK(BM_BigViewDrawBefore)->DenseRange(0, 3);

// The same drawn by the raster into its own pixels.
void BM_BigViewDrawAfter(benchmark::State& state) {
  const std::string dna = kWorstBig[state.range(0)];
  for (auto _ : state) benchmark::DoNotOptimize(DrawOrganismPicture(dna, 350));
  state.SetLabel(dna);
}
BENCHMARK(BM_BigViewDrawAfter)->DenseRange(0, 3);

// The big view as a widget shows it: drawn by the raster, wrapped and put on the screen.
void BM_BigViewRenderAndBlit(benchmark::State& state) {
  QImage screen(800, 600, QImage::Format_ARGB32_Premultiplied);
  QPainter painter(&screen);
  const std::string dna = kWorstBig[state.range(0)];
  for (auto _ : state) painter.drawImage(QPoint(10, 10), RenderOrganism(dna, 350));
  state.SetLabel(dna);
}
BENCHMARK(BM_BigViewRenderAndBlit)->Arg(0);

// A thumbnail drawn afresh, as on its first appearance.
void BM_ThumbnailUncached(benchmark::State& state) {
  const std::string dna = kWorstThumbnail[state.range(0)];
  for (auto _ : state) benchmark::DoNotOptimize(RenderOrganism(dna, 96));
  state.SetLabel(dna);
}
BENCHMARK(BM_ThumbnailUncached)->DenseRange(0, 2);

// A thumbnail found in the cache and painted onto the window's backing image.
void BM_ThumbnailCachedPaint(benchmark::State& state) {
  QImage window(800, 600, QImage::Format_ARGB32_Premultiplied);
  QPainter painter(&window);
  ThumbnailCache cache;
  const std::string dna = kWorstThumbnail[0];
  cache.Get(dna, 96);
  for (auto _ : state) painter.drawImage(QPoint(100, 100), cache.Get(dna, 96));
}
BENCHMARK(BM_ThumbnailCachedPaint);

class NoDialog final : public FileNameDialog {
 public:
  std::optional<std::string> AskFileName(const FileQuestion&) override { return {}; }
};
class NoMessages final : public MessageService {
 public:
  void ShowMessage(const std::string&) override {}
  void ShowError(const std::string&) override {}
  void ShowOwnedMessage(const std::string&, const std::string&) override {}
};

struct Table {
  explicit Table(int organisms)
      : grid(kOrganismColumnCount, 2), random(1), population(grid, random) {
    population.SetUpColumns();
    population.NewGenePool(organisms + 1);
  }
  StringGrid grid;
  LcgRandom random;
  Population population;
};

// From creating the window to the first complete paint of the pictures in sight
// (1,000 organisms, 1000 x 800 window, empty cache).
void BM_GalleryOpen(benchmark::State& state) {
  Table table(static_cast<int>(state.range(0)));
  NoDialog dialog;
  NoMessages messages;
  for (auto _ : state) {
    PopulationWindow window(
        table.grid, [](int /*row*/) {}, dialog, messages);
    window.resize(1000, 800);
    benchmark::DoNotOptimize(window.grab());
  }
}
BENCHMARK(BM_GalleryOpen)->Arg(1000)->Unit(benchmark::kMillisecond);

// A shot as the gallery sees it: one organism's cells rewritten and another selected,
// then the pictures in sight painted again (1,000 organisms, the whole view repainted).
void BM_GalleryFollowsShot(benchmark::State& state) {
  Table table(static_cast<int>(state.range(0)));
  NoDialog dialog;
  NoMessages messages;
  PopulationWindow window(
      table.grid, [](int /*row*/) {}, dialog, messages);
  window.resize(1000, 800);
  window.show();
  QCoreApplication::processEvents();  // the window is exposed: repaint() paints from now on
  int step = 0;
  for (auto _ : state) {
    ++step;
    const int victim = 1 + (step * 7) % 40;
    table.grid.SetCell(kIdColumn, victim, std::to_string(2000 + step));
    // A new child each time, eleven solid sides 10 wide with spokes: never in the cache.
    char dna[16];
    std::snprintf(dna, sizeof dna, "9999%04d%02d990", (step / 100) % 10000, step % 100);
    table.grid.SetCell(kDnaColumn, victim, dna);
    table.grid.SelectRow(1 + (step * 13) % 40);
    window.Follow(true);
    window.view()->viewport()->repaint();
  }
}
BENCHMARK(BM_GalleryFollowsShot)->Arg(1000)->Unit(benchmark::kMicrosecond);

// One page down through 100,000 organisms, painting the pictures that come into sight.
void BM_GalleryScrollPage(benchmark::State& state) {
  Table table(static_cast<int>(state.range(0)));
  NoDialog dialog;
  NoMessages messages;
  PopulationWindow window(
      table.grid, [](int /*row*/) {}, dialog, messages);
  window.resize(1000, 800);
  window.grab();
  QScrollBar* bar = window.view()->verticalScrollBar();
  for (auto _ : state) {
    bar->setValue(bar->value() + bar->pageStep() > bar->maximum() ? 0
                                                                  : bar->value() + bar->pageStep());
    benchmark::DoNotOptimize(window.view()->viewport()->grab());
  }
}
BENCHMARK(BM_GalleryScrollPage)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vantrel

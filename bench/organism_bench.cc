// Decoding and drawing one organism, and building a new gene pool.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "organism/dna.h"
#include "organism/draw_organism.h"
#include "organism/qt/painter_canvas.h"
#include "population/population.h"
#include "population/random_source.h"

namespace vantrel {
namespace {

void BM_DecodeTraits(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(DecodeTraits("9876543210987"));
}
BENCHMARK(BM_DecodeTraits);

// The worst organism to draw: eleven wide solid edges with spokes, radius 200.
void BM_DecodeAndDrawIntoImage(benchmark::State& state) {
  QImage image(350, 350, QImage::Format_ARGB32_Premultiplied);
  const std::string dna = state.range(0) ? "9999999999990" : "1234567890123";
  for (auto _ : state) {
    QPainter painter(&image);
    PainterCanvas canvas(painter);
    DrawOrganism(canvas, dna, image.width(), image.height());
  }
}
BENCHMARK(BM_DecodeAndDrawIntoImage)->Arg(0)->Arg(1)->ArgNames({"eleven_sided_spokes"});

void BM_NewGenePool(benchmark::State& state) {
  StringGrid grid(5, 2);
  LcgRandom random(1);
  Population population(grid, random);
  population.SetUpColumns();
  for (auto _ : state) population.NewGenePool(static_cast<int>(state.range(0)));
  state.SetItemsProcessed(state.iterations() * (state.range(0) - 1));
}
BENCHMARK(BM_NewGenePool)->Arg(1000);

}  // namespace
}  // namespace vantrel

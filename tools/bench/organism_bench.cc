// Decoding one organism and building a new gene pool (drawing: raster_bench.cc).
#include <benchmark/benchmark.h>

#include "organism/dna.h"
#include "population/population.h"
#include "population/random_source.h"

namespace vantrel {
namespace {

void BM_DecodeTraits(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(DecodeTraits("9876543210987"));
}
BENCHMARK(BM_DecodeTraits);

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

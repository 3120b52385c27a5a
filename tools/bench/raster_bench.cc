// The raster alone: one organism into pixels at 350 x 350, as the big view, the picture
// files and a web page draw it.
#include <benchmark/benchmark.h>

#include <string>

#include "organism/raster.h"

namespace vantrel {
namespace {

// The dearest organisms at 350 x 350 (eleven sides, radius 200, wide solid and dashed pens
// with spokes), then two ordinary ones.
const char* const kOrganisms[] = {"9999999917990", "9991999919990", "9295999915990",
                                  "9995999937990", "1234567890123", "5059123456784"};

void BM_RasterDrawOrganism(benchmark::State& state) {
  const std::string dna = kOrganisms[state.range(0)];
  const int pixels = kPictureSize * static_cast<int>(state.range(1));
  for (auto _ : state) benchmark::DoNotOptimize(DrawOrganismPicture(dna, pixels));
  state.SetLabel(dna);
}
BENCHMARK(BM_RasterDrawOrganism)
    ->ArgsProduct({{0, 1, 2, 3, 4, 5}, {1, 2}})
    ->ArgNames({"organism", "pixel_ratio"});

// A thumbnail, where most pens are thinner than a pixel.
void BM_RasterDrawThumbnail(benchmark::State& state) {
  const std::string dna = kOrganisms[state.range(0)];
  for (auto _ : state) benchmark::DoNotOptimize(DrawOrganismPicture(dna, 96));
  state.SetLabel(dna);
}
BENCHMARK(BM_RasterDrawThumbnail)->DenseRange(0, 5);

}  // namespace
}  // namespace vantrel

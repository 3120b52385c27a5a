// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "engine/engine.h"
#include "population/clock.h"
#include "population/random_source.h"

namespace vantrel {
namespace {

// A table file of `rows` organisms as the page's big-table measurements make them: the
// same rows every time, `seed` choosing the DNA.
std::string TableText(int rows, std::uint32_t seed) {
  std::string text = " P1 # P2 # DNA # Survival #\r\n";
  std::uint32_t state = seed;
  for (int row = 1; row <= rows; ++row) {
    std::string dna;
    for (int digit = 0; digit < 13; ++digit) {
      state = state * 1103515245u + 12345u;
      dna += static_cast<char>('0' + (state >> 16) % 10);
    }
    for (const std::string& cell :
         {std::to_string(row >> 1), std::to_string(row >> 2), dna, std::to_string(row % 7)}) {
      text += ' ';
      text += cell;
      text += " #";
    }
    text += "\r\n";
  }
  return text;
}

// Opening a big table as one step of the engine (history, lineage, statistics and all):
// the whole of the page's longest task when it opens one.
void BM_EngineLoadTable(benchmark::State& state) {
  const auto rows = static_cast<int>(state.range(0));
  const std::string tables[2] = {TableText(rows, 12345), TableText(rows, 777)};
  LcgRandom random(3);
  SystemClock clock;
  Engine engine(random, clock);
  int next = 0;
  for (auto _ : state) {
    const TableFileResult result = engine.LoadTableText(tables[next], "big.str");
    if (!result.ok()) state.SkipWithError("the table was refused");
    next = 1 - next;
  }
}
BENCHMARK(BM_EngineLoadTable)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(8);

}  // namespace
}  // namespace vantrel

// Saving and loading organism tables of 1,000 to 1,000,000 rows through a real file.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "population/string_grid.h"
#include "storage/line_buffer.h"
#include "storage/table_file.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;

std::string BenchFile(const char* name) {
  return (fs::temp_directory_path() / (std::string("vantrel_bench_") + name + ".str")).string();
}

// A row as a population of that size would hold it.
void FillRow(StringGrid& grid, int row) {
  grid.SetCell(0, row, std::to_string(row));
  grid.SetCell(1, row, std::to_string(row / 2));
  grid.SetCell(2, row, std::to_string(row / 3));
  grid.SetCell(3, row, std::to_string(1000000000000LL + row * 7919LL));
  grid.SetCell(4, row, std::to_string(row % 50));
}

void BM_SaveTable(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  StringGrid grid(5, rows + 1);
  for (int col = 0; col < 5; ++col) grid.SetCell(col, 0, "Title");
  for (int row = 1; row <= rows; ++row) FillRow(grid, row);
  const std::string path = BenchFile("save");
  bool failed = false;
  for (auto _ : state) failed = !SaveTableFile(grid, path).ok() || failed;
  if (failed) state.SkipWithError("the save failed");
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(fs::file_size(path)));
  state.SetComplexityN(rows);
  fs::remove(path);
}

void BM_LoadTable(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  const std::string path = BenchFile("load");
  {
    // Written directly, so that no large grid exists before the first load.
    std::ofstream out(path, std::ios::binary);
    out << " P1 # P2 # DNA # Survival #\r\n";
    for (int row = 1; row <= rows; ++row) {
      out << ' ' << row / 2 << " # " << row / 3 << " # " << 1000000000000LL + row * 7919LL << " # "
          << row % 50 << " #\r\n";
    }
  }
  bool failed = false;
  for (auto _ : state) {
    auto grid = std::make_unique<StringGrid>(5, 10);
    failed = !LoadTableFile(*grid, path).ok() || failed;
    if (grid->RowCount() != rows + 1) state.SkipWithError("the load lost rows");
    state.PauseTiming();  // freeing the grid is not part of the load
    grid.reset();
    state.ResumeTiming();
  }
  if (failed) state.SkipWithError("the load failed");
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(fs::file_size(path)));
  state.SetComplexityN(rows);
  fs::remove(path);
}

// 1,000 to 1,000,000 rows, with how the time grows.
void TableSizes(benchmark::internal::Benchmark* bench) {
  bench->Arg(1000)->Arg(100000)->Arg(1000000);
  bench->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN)->UseRealTime();
}

BENCHMARK(BM_SaveTable)->Apply(TableSizes);
BENCHMARK(BM_LoadTable)->Apply(TableSizes);

}  // namespace
}  // namespace vantrel

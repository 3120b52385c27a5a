// Pooling a class's runs files: 30 pupils' files of 200 runs each (the notebook's exports,
// with pupil and lesson), read, checked, pooled per condition and pupil and summarized with
// every comparison, as "Class results…" does on either face and vantrel-lab --summarize.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "lab/class_results.h"
#include "lab/run_csv.h"

namespace vantrel {
namespace {

// `pupils` files of `runs` hand runs each over four conditions (two goals at two
// populations), with clicks that vary from run to run.
std::vector<RunsFile> ClassFiles(int pupils, int runs) {
  std::vector<RunsFile> files;
  for (int p = 0; p < pupils; ++p) {
    std::vector<Run> table;
    for (int n = 1; n <= runs; ++n) {
      Run run;
      run.number = n;
      run.started_utc = 1796800000 + n * 60;
      run.start = {n % 2 == 0 ? 10 : 30, 10, 1};
      run.goal = n % 4 < 2 ? "shape=square" : "color=green";
      run.feeds = (n * 7 + p) % 50;
      run.shots = (n * 13 + p * 3) % 400 + 20;
      run.first_match_click = run.shots / 3;
      if (n % 5 != 0) run.stable_click = run.clicks();
      run.reached_by = run.stable_click ? ReachedBy::kProgram : ReachedBy::kNone;
      run.pupil = "Pupil " + std::to_string(p + 1);
      run.lesson = "0badcafe";
      table.push_back(std::move(run));
    }
    files.push_back({"runs-Pupil " + std::to_string(p + 1) + ".csv", RunsCsv(table)});
  }
  return files;
}

void BM_ClassResultsPoolAndSummary(benchmark::State& state) {
  const std::vector<RunsFile> files =
      ClassFiles(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  for (auto _ : state) {
    const ClassResults results = PoolRunsFiles(files);
    benchmark::DoNotOptimize(ClassSummary(results));
  }
}
BENCHMARK(BM_ClassResultsPoolAndSummary)->Args({30, 200})->Unit(benchmark::kMillisecond);

// The reading and pooling alone, without the summary's statistics.
void BM_ClassResultsPoolOnly(benchmark::State& state) {
  const std::vector<RunsFile> files =
      ClassFiles(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  for (auto _ : state) benchmark::DoNotOptimize(PoolRunsFiles(files));
}
BENCHMARK(BM_ClassResultsPoolOnly)->Args({30, 200})->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vantrel

// The lab's costs: the goal counts and the diversity after one click (incremental, at 1,000
// and 100,000 organisms), one judged click, and a whole automatic run of a million clicks.
#include <benchmark/benchmark.h>

#include "lab/goal_list.h"
#include "lab/goal_tracker.h"
#include "lab/judge.h"
#include "lab/population_stats.h"
#include "population/evolution.h"
#include "population/population.h"
#include "population/random_source.h"

namespace vantrel {
namespace {

struct LabTable {
  explicit LabTable(int organisms) : random(1), population(grid, random) {
    population.SetUpColumns();
    population.NewGenePool(organisms + 1);
  }
  StringGrid grid{kOrganismColumnCount, 2};
  LcgRandom random;
  Population population;
};

Goal BenchGoal() { return ParseGoalList("color=green,shape=square,spokes=yes").goal; }

// A shot on its own, as the baseline for the one below.
void BM_LabShotAlone(benchmark::State& state) {
  LabTable table(static_cast<int>(state.range(0)));
  for (auto _ : state) ShootClick(table.population, 10);
}
BENCHMARK(BM_LabShotAlone)->Arg(1000)->Arg(100000);

// A shot with the notebook's goal counts and diversity following the table.
void BM_LabShotWithGoalAndStats(benchmark::State& state) {
  LabTable table(static_cast<int>(state.range(0)));
  GoalTracker tracker(table.grid, BenchGoal());
  PopulationStats stats(table.grid);
  for (auto _ : state) {
    ShootClick(table.population, 10);
    benchmark::DoNotOptimize(tracker.matching());
    benchmark::DoNotOptimize(stats.DistinctDna());
    benchmark::DoNotOptimize(stats.MeanEntropyBits());
  }
}
BENCHMARK(BM_LabShotWithGoalAndStats)->Arg(1000)->Arg(100000);

// A new gene pool or a load: every row judged and counted again.
void BM_LabRecountAfterReset(benchmark::State& state) {
  LabTable table(static_cast<int>(state.range(0)));
  GoalTracker tracker(table.grid, BenchGoal());
  PopulationStats stats(table.grid);
  for (auto _ : state) {
    tracker.GridReset();
    stats.GridReset();
    benchmark::DoNotOptimize(stats.MeanEntropyBits());
  }
}
BENCHMARK(BM_LabRecountAfterReset)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

// Look, decide, feed or shoot, update the goal counts. A stable table starts afresh
// (outside the timing), so every click is a real decision.
void BM_JudgedClick(benchmark::State& state) {
  const int organisms = static_cast<int>(state.range(0));
  LabTable table(organisms);
  GoalTracker tracker(table.grid, BenchGoal());
  LcgRandom coin(2);
  Judge judge(table.population, tracker, coin, 1.0);
  for (auto _ : state) {
    judge.ClickOnce(10, 1);
    if (tracker.AllMatch()) {
      state.PauseTiming();
      table.population.NewGenePool(organisms + 1);
      state.ResumeTiming();
    }
  }
}
BENCHMARK(BM_JudgedClick)->Arg(49)->Arg(1000);

// A whole automatic run capped at a million clicks, population box 50, loose enough never
// to become stable.
void BM_JudgedRunMillionClicks(benchmark::State& state) {
  JudgeSettings settings;
  settings.goal = BenchGoal();
  settings.parameters = {50, 10, 1};
  settings.strictness = 0.5;
  int clicks = 0;
  for (auto _ : state) {
    const std::optional<Run> run = PlayJudgedRun(settings, 7, 8, nullptr);
    clicks = run->clicks();
  }
  state.counters["clicks"] = clicks;
}
BENCHMARK(BM_JudgedRunMillionClicks)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace vantrel

// The learner's cost per click: what a feed or a shot pays for it on top of the click itself
// (the shown organism's words and one learning step), set beside the judge's click without
// it and the engine's whole click; the chance of one row (the views ask it per organism),
// the words of "What you select for" (the notebook asks them after a click) and the bytes
// the journal keeps beside each step.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/engine.h"
#include "engine/learner_state.h"
#include "lab/goal_words.h"
#include "lab/judge.h"
#include "lab/learner.h"
#include "population/clock.h"
#include "population/document.h"
#include "population/evolution.h"
#include "population/random_source.h"

namespace vantrel {
namespace {

constexpr int kOrganisms = 1000;

// A population of 1000 organisms, clicked as the judge clicks: a shot and a feed in turn.
struct Table {
  Table() : random(7), document(random) {
    document.population().SetUpColumns();
    document.population().NewGenePool(kOrganisms + 1);
  }
  void Click(int i) {
    if (i % 2 == 0) {
      ShootClick(document.population(), 10, scratch);
    } else {
      FeedOrganism(document.population(), 1);
    }
  }
  LcgRandom random;
  Document document;
  Birth scratch;
};

// A learner that has seen some clicks, as in the middle of a run.
Learner TrainedLearner(Table& table) {
  Learner learner;
  for (int i = 0; i < 200; ++i) {
    learner.Learn(WordsOfDna(table.document.population().SelectedDna()), i % 3 == 0);
    table.Click(i);
  }
  return learner;
}

void BM_ClickWithoutLearner(benchmark::State& state) {
  Table table;
  int i = 0;
  for (auto _ : state) table.Click(i++);
}
BENCHMARK(BM_ClickWithoutLearner);

void BM_ClickWithLearner(benchmark::State& state) {
  Table table;
  Learner learner = TrainedLearner(table);
  int i = 0;
  for (auto _ : state) {
    learner.Learn(WordsOfDna(table.document.population().SelectedDna()), i % 2 == 1);
    table.Click(i++);
  }
  benchmark::DoNotOptimize(learner);
}
BENCHMARK(BM_ClickWithLearner);

// The learner's part alone: the shown organism's words and one step.
void BM_LearnerPartOfAClick(benchmark::State& state) {
  Table table;
  Learner learner = TrainedLearner(table);
  const std::string dna = table.document.population().SelectedDna();
  bool kept = false;
  for (auto _ : state) {
    learner.Learn(WordsOfDna(dna), kept);
    kept = !kept;
  }
  benchmark::DoNotOptimize(learner);
}
BENCHMARK(BM_LearnerPartOfAClick);

// The engine's shot and feed in turn, history and learner included.
void BM_EngineClick(benchmark::State& state) {
  SystemClock clock;
  LcgRandom random;
  Engine engine(random, clock);
  engine.SetParameter(Parameter::kPopulation, kOrganisms + 1);
  engine.NewGenePool();
  int i = 0;
  for (auto _ : state) {
    if (i++ % 2 == 0) {
      engine.Shoot();
    } else {
      engine.Feed();
    }
  }
}
BENCHMARK(BM_EngineClick);

void BM_LearnerChanceOfARow(benchmark::State& state) {
  Table table;
  const Learner learner = TrainedLearner(table);
  const StringGrid& grid = table.document.grid();
  int row = 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(learner.ChanceKeptDna(grid.Cell(kDnaColumn, row)));
    row = row % kOrganisms + 1;
  }
}
BENCHMARK(BM_LearnerChanceOfARow);

void BM_LearnerWords(benchmark::State& state) {
  Table table;
  const Learner learner = TrainedLearner(table);
  for (auto _ : state) {
    benchmark::DoNotOptimize(learner.Strongest());
    benchmark::DoNotOptimize(learner.AccuracyText());
  }
}
BENCHMARK(BM_LearnerWords);

void BM_LearnerAnnex(benchmark::State& state) {
  Table table;
  const LearnerState learner{TrainedLearner(table), 0};
  const std::string run_state(120, '\x01');
  for (auto _ : state) benchmark::DoNotOptimize(JoinAnnex(learner, run_state));
}
BENCHMARK(BM_LearnerAnnex);

}  // namespace
}  // namespace vantrel

#include "lab/run.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>

#include "lab/goal_tracker.h"
#include "lab/judge.h"
#include "lab/population_stats.h"
#include "population/evolution.h"
#include "population/population.h"
#include "tests/core/lab/seeded_table.h"

namespace vantrel {
namespace {

using Table = testing::SeededTable;

// Counts the organisms meeting the goal by looking at every row.
int CountMatching(const StringGrid& grid, const Goal& goal) {
  int matching = 0;
  for (int row = 1; row < grid.RowCount(); ++row) {
    matching += MeetsGoal(goal, WordsOfDna(grid.Cell(kDnaColumn, row))) ? 1 : 0;
  }
  return matching;
}

Goal GoalOfRow(const StringGrid& grid, int row, std::initializer_list<Aspect> aspects) {
  const OrganismWords words = WordsOfDna(grid.Cell(kDnaColumn, row));
  Goal goal;
  for (Aspect aspect : aspects) goal.Set(aspect, words[aspect]);
  return goal;
}

// Plays a strict judge by hand on `table` and checks the run's record against a count of
// the whole table after every click.
void PlayAndCheck(Table& table, const Goal& goal, int creativity) {
  GoalTracker tracker(table.grid, goal);
  vantrel::Run run;
  RecordRunStart(run, {tracker.organisms(), tracker.matching()});
  std::optional<int> first = CountMatching(table.grid, goal) > 0 ? std::optional(0) : std::nullopt;
  std::optional<int> stable;
  for (int click = 1; click <= 20000 && !stable; ++click) {
    const bool hit = MeetsGoal(goal, WordsOfDna(table.population.SelectedDna()));
    if (hit) {
      FeedOrganism(table.population, 1);
    } else {
      ShootClick(table.population, creativity);
    }
    RecordClick(run, hit ? Click::kFeed : Click::kShoot, {tracker.organisms(), tracker.matching()});
    const int matching = CountMatching(table.grid, goal);
    ASSERT_EQ(tracker.matching(), matching) << "click " << click;
    if (matching > 0 && !first) first = click;
    if (matching == table.grid.RowCount() - 1) stable = click;
  }
  ASSERT_TRUE(stable.has_value());
  EXPECT_EQ(run.first_match_click, first);
  EXPECT_EQ(run.stable_click, stable);
  EXPECT_EQ(run.clicks(), *stable);
  EXPECT_EQ(run.reached_by, ReachedBy::kProgram);
}

TEST(RunTest, ScriptedRunRecordsFirstMatchAndStableClicks) {
  Table founders(7, 10);
  // A founder meets the goal: the first match is click 0.
  const Goal founder_goal = GoalOfRow(founders.grid, 3, {Aspect::kShape, Aspect::kSpokes});
  PlayAndCheck(founders, founder_goal, 10);

  // No founder meets it: the first match comes later.
  Goal square;
  square.Set(Aspect::kShape, kSquare);
  square.Set(Aspect::kSpokes, kWithSpokes);
  std::uint32_t seed = 11;
  while (CountMatching(Table(seed, 10).grid, square) > 0) ++seed;
  Table later(seed, 10);
  PlayAndCheck(later, square, 20);
}

TEST(RunTest, WithoutJudgedWordsOnlyTheUserEndsARun) {
  Table table(3, 5);
  GoalTracker tracker(table.grid, Goal{});
  vantrel::Run run;
  RecordRunStart(run, {tracker.organisms(), tracker.matching()});
  for (int i = 0; i < 5; ++i) {
    ShootClick(table.population, 10);
    RecordClick(run, Click::kShoot, {tracker.organisms(), tracker.matching()});
  }
  RecordClick(run, Click::kFeed, {tracker.organisms(), tracker.matching()});
  EXPECT_FALSE(run.first_match_click);
  EXPECT_FALSE(run.stable_click);
  DeclareReached(run);
  EXPECT_EQ(run.stable_click, 6);
  EXPECT_EQ(run.reached_by, ReachedBy::kUser);
  EXPECT_EQ(run.feeds, 1);
  EXPECT_EQ(run.shots, 5);
  // A second declaration changes nothing.
  RecordClick(run, Click::kFeed, {4, 0});
  DeclareReached(run);
  EXPECT_EQ(run.stable_click, 6);
}

TEST(RunTest, RunTableNumbersRunsAndKeepsParameterChanges) {
  RunTable table;
  EXPECT_EQ(table.Current(), nullptr);
  table.Start(RunMode::kHand, {10, 10, 1}, "goal", 100);
  RecordClick(*table.Current(), Click::kShoot, {9, 0});
  RecordParameterChange(*table.Current(), Parameter::kCreativity, 50);
  vantrel::Run& second = table.Start(RunMode::kHand, {50, 50, 1}, "", std::nullopt);
  EXPECT_EQ(second.number, 2);
  ASSERT_EQ(table.runs()[0].changes.size(), 1u);
  EXPECT_EQ(table.runs()[0].changes[0].click, 1);
  EXPECT_EQ(table.runs()[0].changes[0].value, 50);
  EXPECT_EQ(table.Add(vantrel::Run{}).number, 3);
}

// Distinct DNA and mean entropy counted from scratch.
std::pair<int, double> Diversity(const StringGrid& grid) {
  std::set<std::string> distinct;
  double sum = 0;
  const int n = grid.RowCount() - 1;
  for (int position = 0; position < kDnaLength; ++position) {
    std::map<char, int> counts;
    for (int row = 1; row <= n; ++row) {
      const std::string& dna = grid.Cell(kDnaColumn, row);
      // Any character that is not a digit counts as one symbol with "past the end".
      const char c = position < static_cast<int>(dna.size()) ? dna[position] : '?';
      ++counts[c >= '0' && c <= '9' ? c : '?'];
    }
    for (auto [symbol, count] : counts) {
      const double p = static_cast<double>(count) / n;
      sum -= p * std::log2(p);
    }
  }
  for (int row = 1; row <= n; ++row) distinct.insert(grid.Cell(kDnaColumn, row));
  return {static_cast<int>(distinct.size()), sum / kDnaLength};
}

TEST(PopulationStatsTest, IncrementalCountsEqualACountFromScratch) {
  Table table(5, 30);
  PopulationStats stats(table.grid);
  for (int click = 0; click < 3000; ++click) {
    if (click % 3 == 0) {
      FeedOrganism(table.population, 1);
    } else {
      ShootClick(table.population, 30);
    }
    // Loaded oddities: a letter, a short string and the same digits without their leading
    // zero, a string longer than DNA, one too long for a number, an empty one.
    if (click % 500 == 0) table.grid.SetCell(kDnaColumn, 2, "12x");
    if (click % 700 == 0) {
      const std::string dna = table.grid.Cell(kDnaColumn, 3);
      table.grid.SetCell(kDnaColumn, 4, "0" + dna.substr(1, 5));
      table.grid.SetCell(kDnaColumn, 5, dna.substr(1, 5));
      table.grid.SetCell(kDnaColumn, 6, dna + "98");
      table.grid.SetCell(kDnaColumn, 7, dna + dna);
      table.grid.SetCell(kDnaColumn, 8, "");
    }
    if (click % 100 == 0) {
      const auto [distinct, entropy] = Diversity(table.grid);
      ASSERT_EQ(stats.DistinctDna(), distinct) << click;
      ASSERT_NEAR(stats.MeanEntropyBits(), entropy, 1e-9) << click;
    }
  }
  table.population.NewGenePool(8);  // a reset recounts
  EXPECT_EQ(stats.organisms(), 7);
  EXPECT_EQ(stats.DistinctDna(), Diversity(table.grid).first);
  EXPECT_NEAR(stats.MeanEntropyBits(), Diversity(table.grid).second, 1e-9);
  // A reset with twins and an oddity, then changes counted from what the reset found.
  {
    const StringGrid::UpdateScope batch(table.grid);
    table.grid.SetCell(kDnaColumn, 2, table.grid.Cell(kDnaColumn, 1));
    table.grid.SetCell(kDnaColumn, 3, "odd");
  }
  EXPECT_EQ(stats.DistinctDna(), Diversity(table.grid).first);
  for (int click = 0; click < 20; ++click) {
    ShootClick(table.population, 30);
    ASSERT_EQ(stats.DistinctDna(), Diversity(table.grid).first) << click;
  }
}

}  // namespace
}  // namespace vantrel

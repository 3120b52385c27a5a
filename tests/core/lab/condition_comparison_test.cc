#include "lab/condition_comparison.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lab/goal_list.h"
#include "lab/lab_options.h"

namespace vantrel {
namespace {

// Conditions that differ only in population; the comparison reads only the results.
BatchPlan PlanOfConditions(int count) {
  BatchPlan plan;
  for (int i = 0; i < count; ++i) {
    plan.conditions.push_back({ParseGoalList("shape=square").goal, {10 + i, 10, 1}, 1});
  }
  plan.base_seed = 7;
  return plan;
}

ConditionResults StableAfter(std::vector<int> clicks, int runs) {
  ConditionResults result;
  result.runs = runs;
  result.reached = static_cast<int>(clicks.size());
  result.stable_clicks = std::move(clicks);
  return result;
}

// `count` different values from `from` to `from + 100`, in no order.
std::vector<int> Spread(int from, int count) {
  std::vector<int> values(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) values[static_cast<std::size_t>(i)] = from + (i * 37) % 101;
  return values;
}

TEST(ConditionComparisonTest, SaysNoClearDifferenceMoreOrFewerClicks) {
  const BatchPlan plan = PlanOfConditions(4);
  const std::vector<ConditionResults> results = {
      StableAfter(Spread(100, 30), 30), StableAfter(Spread(100, 30), 32),
      StableAfter(Spread(1000, 25), 25), StableAfter(Spread(10, 40), 40)};
  const std::vector<ConditionComparison> comparisons = CompareWithFirst(plan, results);
  ASSERT_EQ(comparisons.size(), 3u);

  const ConditionComparison& same = comparisons[0];
  EXPECT_EQ(same.condition, 2);
  EXPECT_TRUE(same.compared);
  EXPECT_DOUBLE_EQ(same.difference.difference, 0);
  EXPECT_TRUE(same.difference.SpansZero());
  EXPECT_DOUBLE_EQ(same.test.p, 1.0);
  EXPECT_EQ(same.text.substr(0, same.text.find(" (95%")),
            "Condition 2 against 1: median 148.5 against 148.5 clicks to stable (30 of 32 and "
            "30 of 30 runs stable), difference +0.0");
  EXPECT_NE(same.text.find("Mann-Whitney p = 1.000 (normal approximation). No clear difference."),
            std::string::npos)
      << same.text;

  const ConditionComparison& more = comparisons[1];
  EXPECT_GT(more.difference.low, 0);
  EXPECT_LT(more.test.p, 0.001);
  EXPECT_NE(more.text.find("p < 0.001 (normal approximation). Condition 3 needs more clicks."),
            std::string::npos)
      << more.text;

  const ConditionComparison& fewer = comparisons[2];
  EXPECT_LT(fewer.difference.high, 0);
  EXPECT_NE(fewer.text.find("difference -90.0 (95% interval -"), std::string::npos) << fewer.text;
  EXPECT_NE(fewer.text.find("Condition 4 needs fewer clicks."), std::string::npos) << fewer.text;
}

TEST(ConditionComparisonTest, SmallSamplesWithoutTiesSayTheirPIsExact) {
  const std::vector<ConditionComparison> comparisons = CompareWithFirst(
      PlanOfConditions(2), {StableAfter({1, 2, 3, 4, 5}, 5), StableAfter({6, 7, 8, 9, 10}, 5)});
  ASSERT_EQ(comparisons.size(), 1u);
  EXPECT_TRUE(comparisons[0].test.exact);
  EXPECT_NE(comparisons[0].text.find("Mann-Whitney p = 0.008 (exact). Condition 2 needs more"),
            std::string::npos)
      << comparisons[0].text;
}

TEST(ConditionComparisonTest, TooFewStableRunsAreSaidSoWithoutNumbers) {
  const BatchPlan plan = PlanOfConditions(3);
  const std::vector<ConditionComparison> comparisons = CompareWithFirst(
      plan, {StableAfter(Spread(100, 20), 20), StableAfter({}, 20), StableAfter({50}, 1)});
  ASSERT_EQ(comparisons.size(), 2u);
  EXPECT_FALSE(comparisons[0].compared);
  EXPECT_EQ(comparisons[0].text,
            "Condition 2 against 1: 0 of 20 and 20 of 20 runs became stable, too few to "
            "compare (at least 5 each).");
  EXPECT_NE(comparisons[1].text.find("1 of 1 and 20 of 20 runs became stable, too few"),
            std::string::npos);

  // The first condition without stable runs leaves nothing to compare with.
  const std::vector<ConditionComparison> empty_first =
      CompareWithFirst(PlanOfConditions(2), {StableAfter({}, 0), StableAfter(Spread(1, 9), 9)});
  EXPECT_FALSE(empty_first.at(0).compared);
}

TEST(ConditionComparisonTest, OneConditionHasNothingToCompare) {
  EXPECT_TRUE(ComparisonLines(PlanOfConditions(1), {StableAfter(Spread(1, 9), 9)}).empty());
  EXPECT_TRUE(ComparisonLines(PlanOfConditions(0), {}).empty());
  const std::vector<std::string> lines = ComparisonLines(
      PlanOfConditions(2), {StableAfter(Spread(1, 9), 9), StableAfter(Spread(1, 9), 9)});
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_NE(lines[0].find("runs stopped at the click limit are left out"), std::string::npos);
}

TEST(ConditionComparisonTest, TheIntervalFollowsTheSweepsSeedAndNothingElse) {
  BatchPlan plan = PlanOfConditions(2);
  const std::vector<ConditionResults> results = {StableAfter(Spread(100, 30), 30),
                                                 StableAfter(Spread(120, 30), 30)};
  const std::string text = CompareWithFirst(plan, results).at(0).text;
  EXPECT_EQ(CompareWithFirst(plan, results).at(0).text, text);
  plan.base_seed = 8;
  EXPECT_NE(CompareWithFirst(plan, results).at(0).text, text);
}

TEST(ConditionComparisonTest, TheReportIsTheTableThenTheComparison) {
  const ParsedLabOptions parsed = ParseLabOptions(std::vector<std::string_view>{
      "--population", "4,6", "--goal", "shape=square", "--runs", "6", "--seed", "3"});
  ASSERT_EQ(parsed.error, "");
  const BatchPlan plan = PlanOf(parsed.options);
  std::vector<BatchRun> runs;
  for (int n = 1; n <= plan.TotalRuns(); ++n) runs.push_back(*PlayBatchRun(plan, n, nullptr));
  const std::string report = SummaryReport(plan, runs);
  const std::string table = SummaryTable(plan, runs);
  ASSERT_EQ(report.substr(0, table.size()), table);
  EXPECT_EQ(report.substr(table.size(), 21), "\nAgainst condition 1,");
  EXPECT_NE(report.find("\nCondition 2 against 1: "), std::string::npos) << report;
  EXPECT_EQ(report.back(), '\n');

  runs.resize(6);  // the first condition alone: the table and nothing more
  const BatchPlan one = PlanOf(
      ParseLabOptions(std::vector<std::string_view>{"--population", "4", "--goal", "shape=square",
                                                    "--runs", "6", "--seed", "3"})
          .options);
  EXPECT_EQ(SummaryReport(one, runs), SummaryTable(one, runs));
}

}  // namespace
}  // namespace vantrel

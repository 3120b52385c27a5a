#include "lab/condition_comparison.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
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
  const std::vector<ConditionComparison> comparisons = CompareLikeWithLike(plan, results);
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
  const std::vector<ConditionComparison> comparisons = CompareLikeWithLike(
      PlanOfConditions(2), {StableAfter({1, 2, 3, 4, 5}, 5), StableAfter({6, 7, 8, 9, 10}, 5)});
  ASSERT_EQ(comparisons.size(), 1u);
  EXPECT_TRUE(comparisons[0].test.exact);
  EXPECT_NE(comparisons[0].text.find("Mann-Whitney p = 0.008 (exact). Condition 2 needs more"),
            std::string::npos)
      << comparisons[0].text;
}

TEST(ConditionComparisonTest, TooFewStableRunsAreSaidSoWithoutNumbers) {
  const BatchPlan plan = PlanOfConditions(3);
  const std::vector<ConditionComparison> comparisons = CompareLikeWithLike(
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
      CompareLikeWithLike(PlanOfConditions(2), {StableAfter({}, 0), StableAfter(Spread(1, 9), 9)});
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

TEST(ConditionComparisonTest, TheIntervalFollowsTheClicksComparedAndNothingElse) {
  BatchPlan plan = PlanOfConditions(2);
  std::vector<ConditionResults> results = {StableAfter(Spread(100, 30), 30),
                                           StableAfter(Spread(120, 30), 30)};
  const std::string text = CompareLikeWithLike(plan, results).at(0).text;
  // Another sweep's seed, or the same runs in another order (shards, pupils' files): the same.
  plan.base_seed = 8;
  std::reverse(results[1].stable_clicks.begin(), results[1].stable_clicks.end());
  EXPECT_EQ(CompareLikeWithLike(plan, results).at(0).text, text);
  // Other clicks draw other intervals.
  results[1].stable_clicks.back() += 1;
  EXPECT_NE(CompareLikeWithLike(plan, results).at(0).text, text);
}

// Each condition meets the first condition of its own goal, never another goal's.
TEST(ConditionComparisonTest, EachConditionIsComparedWithTheFirstOfItsGoal) {
  struct Case {
    std::vector<std::string> goals;
    std::vector<std::pair<int, int>> pairs;  // condition, against
  };
  const Case cases[] = {
      {{"shape=square", "shape=square", "shape=square"}, {{2, 1}, {3, 1}}},
      {{"color=green", "shape=square", "color=green", "shape=square"}, {{3, 1}, {4, 2}}},
      {{"color=green", "shape=square"}, {}},
      {{"shape=square", "color=green", "color=green", "size=large", "shape=square"},
       {{3, 2}, {5, 1}}},
  };
  for (const Case& c : cases) {
    BatchPlan plan;
    std::vector<ConditionResults> results;
    for (const std::string& goal : c.goals) {
      plan.conditions.push_back({ParseGoalList(goal).goal, {10, 10, 1}, 1});
      results.push_back(StableAfter(Spread(100, 10), 10));
    }
    std::vector<std::pair<int, int>> pairs;
    for (const ConditionComparison& comparison : CompareLikeWithLike(plan, results)) {
      pairs.emplace_back(comparison.condition, comparison.against);
      EXPECT_TRUE(comparison.text.starts_with("Condition " + std::to_string(comparison.condition) +
                                              " against " + std::to_string(comparison.against) +
                                              ": "))
          << comparison.text;
    }
    EXPECT_EQ(pairs, c.pairs) << c.goals.size();
    EXPECT_EQ(ComparisonLines(plan, results).empty(), c.pairs.empty());
  }
}

TEST(ConditionComparisonTest, HolmMultipliesTheSortedPValuesStepByStep) {
  struct Case {
    std::vector<double> p;
    std::vector<double> adjusted;
  };
  const Case cases[] = {
      {{}, {}},
      {{0.04}, {0.04}},
      {{0.01, 0.04, 0.03}, {0.03, 0.06, 0.06}},  // 0.03 x 2 = 0.06, then max(0.06, 0.04)
      {{0.5, 0.001}, {0.5, 0.002}},
      {{0.6, 0.7}, {1.0, 1.0}},  // never above 1
      {{0.02, 0.02}, {0.04, 0.04}},
      {{0.3, 0.01, 0.2, 0.015}, {0.4, 0.04, 0.4, 0.045}},
  };
  for (const Case& c : cases) {
    const std::vector<double> adjusted = HolmAdjusted(c.p);
    ASSERT_EQ(adjusted.size(), c.adjusted.size());
    for (std::size_t i = 0; i < adjusted.size(); ++i) {
      EXPECT_NEAR(adjusted[i], c.adjusted[i], 1e-12) << i;
    }
  }
}

TEST(ConditionComparisonTest, SeveralComparisonsShowAdjustedPValuesAndSaySo) {
  const BatchPlan plan = PlanOfConditions(3);
  const std::vector<ConditionResults> results = {StableAfter({1, 2, 3, 4, 5}, 5),
                                                 StableAfter({6, 7, 8, 9, 10}, 5),
                                                 StableAfter({2, 3, 4, 5, 6}, 5)};
  const std::vector<ConditionComparison> comparisons = CompareLikeWithLike(plan, results);
  ASSERT_EQ(comparisons.size(), 2u);
  EXPECT_NEAR(comparisons[0].test.p, 0.0079, 1e-4);
  EXPECT_NEAR(comparisons[0].adjusted_p, 2 * comparisons[0].test.p, 1e-12);
  EXPECT_NE(comparisons[0].text.find("Mann-Whitney p = 0.016 (exact)"), std::string::npos)
      << comparisons[0].text;
  const std::vector<std::string> lines = ComparisonLines(plan, results);
  EXPECT_NE(lines.at(0).find("the p-values are adjusted for the 2 comparisons (Holm)"),
            std::string::npos)
      << lines[0];
  // One comparison is not adjusted, and its heading does not say so.
  const std::vector<std::string> one = ComparisonLines(PlanOfConditions(2), results);
  EXPECT_EQ(one.at(0).find("Holm"), std::string::npos);
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
  EXPECT_TRUE(
      report.substr(table.size()).starts_with("\nAgainst the first condition of the same goal,"));
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

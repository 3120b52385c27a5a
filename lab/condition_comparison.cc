#include "lab/condition_comparison.h"

#include <cstdio>
#include <utility>

namespace vantrel {

namespace {

std::string Clicks(double value, bool sign = false) {
  char text[32];
  std::snprintf(text, sizeof text, sign ? "%+.1f" : "%.1f", value);
  return text;
}

std::string PValue(double p) {
  if (p < 0.001) return "p < 0.001";
  char text[32];
  std::snprintf(text, sizeof text, "p = %.3f", p);
  return text;
}

std::string Describe(const ConditionComparison& c) {
  const std::string name = "Condition " + std::to_string(c.condition);
  std::string text = name + " against 1: ";
  if (!c.compared) {
    return text + std::to_string(c.stable) + " of " + std::to_string(c.runs) + " and " +
           std::to_string(c.first_stable) + " of " + std::to_string(c.first_runs) +
           " runs became stable, too few to compare (at least " +
           std::to_string(kMinimumStableRuns) + " each).";
  }
  text += "median " + Clicks(c.median) + " against " + Clicks(c.first_median) +
          " clicks to stable (" + std::to_string(c.stable) + " of " + std::to_string(c.runs) +
          " and " + std::to_string(c.first_stable) + " of " + std::to_string(c.first_runs) +
          " runs stable), difference " + Clicks(c.difference.difference, true) + " (95% interval " +
          Clicks(c.difference.low, true) + " to " + Clicks(c.difference.high, true) +
          "), Mann-Whitney " + PValue(c.test.p) +
          (c.test.exact ? " (exact). " : " (normal approximation). ");
  if (c.difference.SpansZero()) return text + "No clear difference.";
  return text + name + (c.difference.high < 0 ? " needs fewer clicks." : " needs more clicks.");
}

}  // namespace

std::vector<ConditionComparison> CompareWithFirst(const BatchPlan& plan,
                                                  const std::vector<ConditionResults>& results) {
  std::vector<ConditionComparison> comparisons;
  if (results.empty()) return comparisons;
  const ConditionResults& first = results.front();
  for (std::size_t i = 1; i < results.size(); ++i) {
    const ConditionResults& here = results[i];
    ConditionComparison c;
    c.condition = static_cast<int>(i) + 1;
    c.stable = static_cast<int>(here.stable_clicks.size());
    c.runs = here.runs;
    c.first_stable = static_cast<int>(first.stable_clicks.size());
    c.first_runs = first.runs;
    c.compared = c.stable >= kMinimumStableRuns && c.first_stable >= kMinimumStableRuns;
    if (c.compared) {
      c.median = MedianOf(here.stable_clicks);
      c.first_median = MedianOf(first.stable_clicks);
      c.difference = BootstrapMedianDifference(first.stable_clicks, here.stable_clicks,
                                               ComparisonSeed(plan.base_seed, c.condition));
      c.test = MannWhitneyTest(here.stable_clicks, first.stable_clicks);
    }
    c.text = Describe(c);
    comparisons.push_back(std::move(c));
  }
  return comparisons;
}

std::vector<std::string> ComparisonLines(const BatchPlan& plan,
                                         const std::vector<ConditionResults>& results) {
  std::vector<std::string> lines;
  const std::vector<ConditionComparison> comparisons = CompareWithFirst(plan, results);
  if (comparisons.empty()) return lines;
  lines.push_back(
      "Against condition 1, by the clicks to stable of the runs that became stable "
      "(runs stopped at the click limit are left out):");
  for (const ConditionComparison& c : comparisons) lines.push_back(c.text);
  return lines;
}

std::string SummaryReport(const BatchPlan& plan, const std::vector<BatchRun>& runs) {
  const std::vector<ConditionResults> results = ResultsByCondition(plan, runs);
  std::string report = SummaryTable(plan, results);
  const std::vector<std::string> lines = ComparisonLines(plan, results);
  if (!lines.empty()) report += "\n";
  for (const std::string& line : lines) report += line + "\n";
  return report;
}

}  // namespace vantrel

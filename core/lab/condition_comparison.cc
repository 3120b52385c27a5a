#include "lab/condition_comparison.h"

#include <cstdio>
#include <utility>

#include "language/catalogue.h"
#include "language/numbers.h"

namespace vantrel {

namespace {

constexpr std::string_view kContext = "LabSummary";

std::string Count(int number) { return LocalNumber(std::to_string(number)); }

std::string Clicks(double value, bool sign = false) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", value);
  const std::string number = LocalNumber(text);
  return sign && number.front() != '-' ? "+" + number : number;
}

std::string PValue(double p) {
  if (p < 0.001) return "p < " + LocalNumber("0.001");
  char text[32];
  std::snprintf(text, sizeof text, "%.3f", p);
  return "p = " + LocalNumber(text);
}

// Built from whole clauses, each a template of its own, so that every language can order
// its words; the conclusion is a sentence of its own.
std::string Describe(const ConditionComparison& c) {
  const std::string condition = Count(c.condition);
  if (!c.compared) {
    return Arg(Tr(kContext,
                  "Condition %1 against 1: %2 of %3 and %4 of %5 runs became stable, too few to "
                  "compare (at least %6 each)."),
               {condition, Count(c.stable), Count(c.runs), Count(c.first_stable),
                Count(c.first_runs), Count(kMinimumStableRuns)});
  }
  std::string text =
      Arg(Tr(kContext,
             "Condition %1 against 1: median %2 against %3 clicks to stable (%4 of %5 and %6 of "
             "%7 runs stable), "),
          {condition, Clicks(c.median), Clicks(c.first_median), Count(c.stable), Count(c.runs),
           Count(c.first_stable), Count(c.first_runs)});
  text += Arg(
      Tr(kContext, c.test.exact ? "difference %1 (95% interval %2 to %3), Mann-Whitney %4 (exact). "
                                : "difference %1 (95% interval %2 to %3), Mann-Whitney %4 (normal "
                                  "approximation). "),
      {Clicks(c.difference.difference, true), Clicks(c.difference.low, true),
       Clicks(c.difference.high, true), PValue(c.test.p)});
  if (c.difference.SpansZero()) return text + Tr(kContext, "No clear difference.");
  return text + Arg(Tr(kContext, c.difference.high < 0 ? "Condition %1 needs fewer clicks."
                                                       : "Condition %1 needs more clicks."),
                    {condition});
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
  lines.push_back(Tr(kContext,
                     "Against condition 1, by the clicks to stable of the runs that became stable "
                     "(runs stopped at the click limit are left out):"));
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

#include "lab/condition_comparison.h"

#include <algorithm>
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
                  "Condition %1 against %2: %3 of %4 and %5 of %6 runs became stable, too few to "
                  "compare (at least %7 each)."),
               {condition, Count(c.against), Count(c.stable), Count(c.runs), Count(c.first_stable),
                Count(c.first_runs), Count(kMinimumStableRuns)});
  }
  std::string text =
      Arg(Tr(kContext,
             "Condition %1 against %2: median %3 against %4 clicks to stable (%5 of %6 and %7 of "
             "%8 runs stable), "),
          {condition, Count(c.against), Clicks(c.median), Clicks(c.first_median), Count(c.stable),
           Count(c.runs), Count(c.first_stable), Count(c.first_runs)});
  text += Arg(
      Tr(kContext, c.test.exact ? "difference %1 (95% interval %2 to %3), Mann-Whitney %4 (exact). "
                                : "difference %1 (95% interval %2 to %3), Mann-Whitney %4 (normal "
                                  "approximation). "),
      {Clicks(c.difference.difference, true), Clicks(c.difference.low, true),
       Clicks(c.difference.high, true), PValue(c.adjusted_p)});
  if (c.difference.SpansZero()) return text + Tr(kContext, "No clear difference.");
  return text + Arg(Tr(kContext, c.difference.high < 0 ? "Condition %1 needs fewer clicks."
                                                       : "Condition %1 needs more clicks."),
                    {condition});
}

}  // namespace

std::vector<double> HolmAdjusted(const std::vector<double>& p) {
  std::vector<std::size_t> order(p.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(),
                   [&p](std::size_t a, std::size_t b) { return p[a] < p[b]; });
  std::vector<double> adjusted(p.size());
  double running = 0;
  for (std::size_t rank = 0; rank < order.size(); ++rank) {
    const double scaled = p[order[rank]] * static_cast<double>(order.size() - rank);
    running = std::min(1.0, std::max(running, scaled));
    adjusted[order[rank]] = running;
  }
  return adjusted;
}

std::vector<ConditionComparison> CompareLikeWithLike(const BatchPlan& plan,
                                                     const std::vector<ConditionResults>& results) {
  std::vector<ConditionComparison> comparisons;
  const std::size_t count = std::min(plan.conditions.size(), results.size());
  for (std::size_t i = 1; i < count; ++i) {
    std::size_t against = 0;
    while (against < i && plan.conditions[against].goal.text != plan.conditions[i].goal.text) {
      ++against;
    }
    if (against == i) continue;
    const ConditionResults& first = results[against];
    const ConditionResults& here = results[i];
    ConditionComparison c;
    c.condition = static_cast<int>(i) + 1;
    c.against = static_cast<int>(against) + 1;
    c.stable = static_cast<int>(here.stable_clicks.size());
    c.runs = here.runs;
    c.first_stable = static_cast<int>(first.stable_clicks.size());
    c.first_runs = first.runs;
    c.compared = c.stable >= kMinimumStableRuns && c.first_stable >= kMinimumStableRuns;
    if (c.compared) {
      // Sorted, so that the bootstrap's draws do not depend on the order the runs came in.
      std::vector<int> first_clicks = first.stable_clicks;
      std::vector<int> clicks = here.stable_clicks;
      std::sort(first_clicks.begin(), first_clicks.end());
      std::sort(clicks.begin(), clicks.end());
      c.median = MedianOf(clicks);
      c.first_median = MedianOf(first_clicks);
      c.difference =
          BootstrapMedianDifference(first_clicks, clicks, ComparisonSeed(first_clicks, clicks));
      c.test = MannWhitneyTest(clicks, first_clicks);
    }
    comparisons.push_back(std::move(c));
  }
  std::vector<double> p;
  for (const ConditionComparison& c : comparisons) {
    if (c.compared) p.push_back(c.test.p);
  }
  const std::vector<double> adjusted = HolmAdjusted(p);
  std::size_t next = 0;
  for (ConditionComparison& c : comparisons) {
    if (c.compared) c.adjusted_p = adjusted[next++];
    c.text = Describe(c);
  }
  return comparisons;
}

std::vector<std::string> ComparisonLines(const BatchPlan& plan,
                                         const std::vector<ConditionResults>& results) {
  std::vector<std::string> lines;
  const std::vector<ConditionComparison> comparisons = CompareLikeWithLike(plan, results);
  if (comparisons.empty()) return lines;
  const auto tested = std::count_if(comparisons.begin(), comparisons.end(),
                                    [](const ConditionComparison& c) { return c.compared; });
  lines.push_back(
      tested > 1
          ? Arg(Tr(kContext,
                   "Against the first condition of the same goal, by the clicks to stable of the "
                   "runs that became stable (runs stopped at the click limit are left out); the "
                   "p-values are adjusted for the %1 comparisons (Holm):"),
                {Count(static_cast<int>(tested))})
          : Tr(kContext,
               "Against the first condition of the same goal, by the clicks to stable of the "
               "runs that became stable (runs stopped at the click limit are left out):"));
  for (const ConditionComparison& c : comparisons) lines.push_back(c.text);
  return lines;
}

std::string SummaryReport(const BatchPlan& plan, const std::vector<ConditionResults>& results) {
  std::string report = SummaryTable(plan, results);
  const std::vector<std::string> lines = ComparisonLines(plan, results);
  if (!lines.empty()) report += "\n";
  for (const std::string& line : lines) report += line + "\n";
  return report;
}

std::string SummaryReport(const BatchPlan& plan, const std::vector<BatchRun>& runs) {
  std::string report = SummaryReport(plan, ResultsByCondition(plan, runs));
  if (plan.learner) report += "\n" + LearnerReport(plan, runs);
  return report;
}

LearnerSummary SummarizeLearners(const BatchPlan& plan, const std::vector<BatchRun>& runs) {
  LearnerSummary summary;
  summary.heading =
      Tr(kContext, "By the judge's clicks to stable (the learner's clicks left out):");
  summary.judged.resize(plan.conditions.size());
  std::vector<int> brought(plan.conditions.size(), 0);
  for (const BatchRun& run : runs) {
    if (run.condition < 1 || run.condition > static_cast<int>(summary.judged.size())) continue;
    const Run& r = run.run;
    const std::size_t c = static_cast<std::size_t>(run.condition) - 1;
    // A run the judge made stable counts its stable click; one the learner made stable, the
    // judge's clicks before it took over.
    std::optional<int> stable;
    if (r.stable_click) stable = std::min(*r.stable_click, run.judge_clicks);
    summary.judged[c].Add(r.first_match_click, stable, r.reached());
    if (r.stable_click && plan.conditions[c].learner > 0 && *r.stable_click > run.judge_clicks) {
      ++brought[c];
    }
  }
  for (std::size_t c = 0; c < plan.conditions.size(); ++c) {
    if (plan.conditions[c].learner <= 0) continue;
    summary.brought.push_back(
        Arg(Tr(kContext,
               "Condition %1 (learner after %2 clicks): the learner brought %3 of %4 runs to "
               "stable."),
            {Count(static_cast<int>(c) + 1), Count(plan.conditions[c].learner), Count(brought[c]),
             Count(summary.judged[c].runs)}));
  }
  return summary;
}

std::string LearnerReport(const BatchPlan& plan, const std::vector<BatchRun>& runs) {
  const LearnerSummary summary = SummarizeLearners(plan, runs);
  std::string report = summary.heading;
  report += "\n" + SummaryTable(plan, summary.judged);
  const std::vector<std::string> lines = ComparisonLines(plan, summary.judged);
  if (!lines.empty()) report += "\n";
  for (const std::string& line : lines) report += line + "\n";
  if (!summary.brought.empty()) report += "\n";
  for (const std::string& line : summary.brought) report += line + "\n";
  return report;
}

}  // namespace vantrel

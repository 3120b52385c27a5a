#ifndef VANTREL_LAB_CONDITION_COMPARISON_H_
#define VANTREL_LAB_CONDITION_COMPARISON_H_

#include <string>
#include <vector>

#include "lab/batch.h"
#include "lab/median_difference.h"
#include "lab/rank_test.h"

namespace vantrel {

// Is a condition's difference from the first one real or chance? Each condition of a sweep
// is compared with the first by the clicks to stable, over the runs that became stable
// (as the summary's quartiles count them; runs stopped at the click limit are left out):
// the difference of the medians with a 95 % bootstrap interval and the Mann–Whitney test.
struct ConditionComparison {
  int condition = 0;  // from 2; compared with condition 1
  int stable = 0;     // runs of this condition that became stable
  int runs = 0;
  int first_stable = 0;
  int first_runs = 0;
  // Whether both conditions had kMinimumStableRuns; without, nothing below is worked out.
  bool compared = false;
  MedianDifference difference;  // this condition's median − the first's
  double median = 0;
  double first_median = 0;
  RankTest test;     // U of this condition's clicks against the first's
  std::string text;  // the comparison as one line of prose
};

// Fewer stable runs than this in either condition tell nothing about medians.
inline constexpr int kMinimumStableRuns = 5;

// One entry per condition after the first, in order. The bootstrap's draws come from
// ComparisonSeed(plan.base_seed, condition), so the same sweep gives the same text.
std::vector<ConditionComparison> CompareWithFirst(const BatchPlan& plan,
                                                  const std::vector<ConditionResults>& results);

// What the lab shows under its summary: a heading that says how runs are counted, then a
// line per condition after the first; nothing with fewer than two conditions.
std::vector<std::string> ComparisonLines(const BatchPlan& plan,
                                         const std::vector<ConditionResults>& results);

// vantrel-lab's standard output: the summary table, then the comparison lines after an
// empty line when there are any.
std::string SummaryReport(const BatchPlan& plan, const std::vector<BatchRun>& runs);

}  // namespace vantrel

#endif  // VANTREL_LAB_CONDITION_COMPARISON_H_

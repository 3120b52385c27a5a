#ifndef VANTREL_LAB_CONDITION_COMPARISON_H_
#define VANTREL_LAB_CONDITION_COMPARISON_H_

#include <string>
#include <vector>

#include "lab/batch.h"
#include "lab/median_difference.h"
#include "lab/rank_test.h"

namespace vantrel {

// Is a condition's difference from another real or chance? Like is compared with like: each
// condition with the first condition of the same goal (a condition that is the first of its
// goal is compared with none), by the clicks to stable, over the runs that became stable
// (as the summary's quartiles count them; runs stopped at the click limit are left out):
// the difference of the medians with a 95 % bootstrap interval and the Mann–Whitney test.
// Where a summary makes several comparisons their p-values are adjusted for it (Holm).
struct ConditionComparison {
  int condition = 0;  // from 1
  int against = 0;    // the first condition of the same goal, from 1
  int stable = 0;     // runs of this condition that became stable
  int runs = 0;
  int first_stable = 0;
  int first_runs = 0;
  // Whether both conditions had kMinimumStableRuns; without, nothing below is worked out.
  bool compared = false;
  MedianDifference difference;  // this condition's median − the first's
  double median = 0;
  double first_median = 0;
  RankTest test;          // U of this condition's clicks against the first's
  double adjusted_p = 0;  // test.p adjusted for the summary's comparisons (Holm)
  std::string text;       // the comparison as one line of prose, with the adjusted p
};

// Holm's step-down adjustment of `p` for their number: the i-th smallest times (n - i),
// never below the one before it and never above 1; in the order given.
std::vector<double> HolmAdjusted(const std::vector<double>& p);

// Fewer stable runs than this in either condition tell nothing about medians.
inline constexpr int kMinimumStableRuns = 5;

// One entry per condition that has an earlier condition of the same goal, in order. The
// bootstrap's draws come from ComparisonSeed of the clicks compared, so the same runs give
// the same text.
std::vector<ConditionComparison> CompareLikeWithLike(const BatchPlan& plan,
                                                     const std::vector<ConditionResults>& results);

// What the lab shows under its summary: a heading that says what is compared, how runs are
// counted and whether the p-values are adjusted, then a line per comparison; nothing when no
// two conditions share a goal.
std::vector<std::string> ComparisonLines(const BatchPlan& plan,
                                         const std::vector<ConditionResults>& results);

// The summary as text, the same on every face and in vantrel-lab's standard output: the
// summary table, then the comparison lines after an empty line when there are any.
std::string SummaryReport(const BatchPlan& plan, const std::vector<ConditionResults>& results);
// With the runs of a sweep of learners (plan.learner), LearnerReport follows.
std::string SummaryReport(const BatchPlan& plan, const std::vector<BatchRun>& runs);

// What a sweep of learners adds to its summary, in parts that each face lays out its own way.
struct LearnerSummary {
  // "By the judge's clicks to stable (the learner's clicks left out):"
  std::string heading;
  // Per condition, by the judge's clicks to stable: a run the learner made stable counts the
  // judge's clicks before it took over.
  std::vector<ConditionResults> judged;
  // A line per condition with a learner: how many runs the learner brought to stable.
  std::vector<std::string> brought;
};
LearnerSummary SummarizeLearners(const BatchPlan& plan, const std::vector<BatchRun>& runs);

// For a sweep of learners: the heading, the summary table and comparisons of the judged
// results, then the learners' lines (SummarizeLearners).
std::string LearnerReport(const BatchPlan& plan, const std::vector<BatchRun>& runs);

}  // namespace vantrel

#endif  // VANTREL_LAB_CONDITION_COMPARISON_H_

#ifndef VANTREL_LAB_BATCH_H_
#define VANTREL_LAB_BATCH_H_

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lab/goal.h"
#include "lab/run.h"

namespace vantrel {

// One combination of the settings a sweep varies.
struct Condition {
  Goal goal;  // its text is the key=value list
  Parameters parameters;
  double strictness = 1.0;
  // The judge's clicks before the learner (lab/learner.h), trained on them, plays on alone;
  // 0: no learner, the judge plays the whole run.
  int learner = 0;
};

// A sweep: every condition played `runs_per_condition` times. Runs are numbered from 1,
// condition by condition: run n belongs to condition (n - 1) / runs_per_condition.
struct BatchPlan {
  std::vector<Condition> conditions;
  int runs_per_condition = 1;
  std::uint32_t base_seed = 1;
  int max_clicks = 1'000'000;
  std::optional<Goal> warmup_goal;
  int warmup_clicks = 0;
  std::string pupil;  // written with every run (empty: none)
  std::string lesson;
  // Whether the sweep compares learners (--learner): the CSV gains the columns
  // learner,judge_clicks and the summary the judge's clicks.
  bool learner = false;

  int TotalRuns() const { return static_cast<int>(conditions.size()) * runs_per_condition; }
  int ConditionOf(int run_number) const { return (run_number - 1) / runs_per_condition; }
};

// The population's and the judge's seeds of a run, mixed from the base seed and the run
// number, so a run's result depends on nothing else.
std::uint32_t RunSeed(std::uint32_t base_seed, int run_number);
std::uint32_t CoinSeed(std::uint32_t base_seed, int run_number);
// The seed of the bootstrap that compares two conditions' clicks, made from those clicks
// (in any order) alone: the same runs give the same interval, whether they come from one
// sweep, its shards or pupils' files, and the comparison never moves a run's draws.
std::uint32_t ComparisonSeed(const std::vector<int>& first, const std::vector<int>& other);

// The run numbers of share `shard` (from 1) of `shards`: every shards-th run, so shares
// differ in size by one at most and mix the conditions alike.
std::vector<int> ShardRuns(int total_runs, int shard, int shards);

// A finished automatic run with what the CSV adds to the notebook's columns.
struct BatchRun {
  Run run;            // run.number is the run number in the plan
  int condition = 0;  // from 1
  std::uint32_t seed = 0;
  double strictness = 1.0;
  // With the plan's learner columns: the condition's learner and the judge's clicks.
  bool learner_columns = false;
  int learner = 0;
  int judge_clicks = 0;
};

// Plays run `run_number` of `plan` on the calling thread. A run is self-contained: its
// result depends on nothing else. Nothing when `stop` was set before it finished.
// (PlayBatch in batch_threads.h plays many on threads.)
std::optional<BatchRun> PlayBatchRun(const BatchPlan& plan, int run_number,
                                     const std::atomic<bool>* stop);

// The CSV of a sweep: the runs' measures, then condition,seed,strictness, then the owner's
// columns (the plan's pupil and lesson, empty without), then, for a sweep of learners,
// learner,judge_clicks (the lines of runs with learner_columns have them).
std::string BatchCsvHeader(bool learner_columns = false);
std::string BatchCsvLine(const BatchRun& run);  // with its CR LF line end
// The same with the strictness already written (ShortestDecimal of run.strictness), for a
// caller that writes many lines of few conditions and writes each condition's once.
std::string BatchCsvLine(const BatchRun& run, std::string_view strictness_text);

// The spread of one measure over the runs in which its event happened.
struct Quartiles {
  int count = 0;
  double q1 = 0;
  double median = 0;
  double q3 = 0;
};
Quartiles QuartilesOf(std::vector<int> values);

// What the runs of one condition came to.
struct ConditionResults {
  int runs = 0;
  int reached = 0;
  std::vector<int> first_match_clicks;  // of the runs that had a first match
  std::vector<int> stable_clicks;       // of the runs that became stable

  // Counts one more run with its events.
  void Add(const std::optional<int>& first_match_click, const std::optional<int>& stable_click,
           bool was_reached);
};
// One entry per condition of `plan`, in its order, gathered in one pass over `runs`.
std::vector<ConditionResults> ResultsByCondition(const BatchPlan& plan,
                                                 const std::vector<BatchRun>& runs);

// A text table: per condition its settings, runs, reached, and the quartiles of the clicks
// to the first match and to stable. Headings and numbers in the current language; the goal
// as it is typed.
std::string SummaryTable(const BatchPlan& plan, const std::vector<ConditionResults>& results);
std::string SummaryTable(const BatchPlan& plan, const std::vector<BatchRun>& runs);

// The same per condition as one line of prose that a window can wrap at any width, e.g.
// "Condition 1: pop 10 · creativity 10% · bonus 1 · strictness 1 · 20 runs, 18 reached ·
// first match 3.0 / 5.5 / 9.0 · stable 40.0 / 61.0 / 90.0 (q1 / median / q3 clicks) ·
// goal shape=square".
std::vector<std::string> SummaryLines(const BatchPlan& plan,
                                      const std::vector<ConditionResults>& results);

}  // namespace vantrel

#endif  // VANTREL_LAB_BATCH_H_

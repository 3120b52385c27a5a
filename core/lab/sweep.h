#ifndef VANTREL_LAB_SWEEP_H_
#define VANTREL_LAB_SWEEP_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lab/batch.h"
#include "lab/lab_options.h"
#include "lab/plot_axes.h"

namespace vantrel {

// What a page keeps of one finished automatic run: enough to draw and summarise the sweep
// without the run itself, and its line of the CSV.
struct SweepRecord {
  int run = 0;        // its number in the plan, from 1
  int condition = 0;  // from 1
  std::optional<int> first_match_click;
  std::optional<int> stable_click;
  bool reached = false;
  std::string csv_line;  // with its CR LF line end
  // The judge's clicks (before the learner took over, in a sweep of learners).
  int judge_clicks = 0;
};

// One condition's clicks to stable as both faces' box plots draw them (whiskers from the
// fewest to the most clicks), with how many of its runs were played and became stable.
struct StableBox {
  int condition = 0;  // from 1
  int runs = 0;
  int stable_runs = 0;
  double low = 0;  // all five are 0 without stable runs
  double q1 = 0;
  double median = 0;
  double q3 = 0;
  double high = 0;
  // Its label under the plot, a line each: "Condition 2", "7/10 stable".
  std::vector<std::string> label;
};
// One box per condition, in order.
std::vector<StableBox> StableBoxes(const std::vector<ConditionResults>& results);
// The box plot's value axis: round, and a little above the most clicks of any box.
ValueAxis StableAxis(const std::vector<StableBox>& boxes);

// What a sweep of learners (--learner) adds to the summary, as lines a face lays out; all
// empty for a sweep without learners.
struct LearnerLines {
  // "By the judge's clicks to stable (the learner's clicks left out):"
  std::string heading;
  // By the judge's clicks to stable: a line per condition as LabSweep::Summary's, and the
  // comparisons as LabSweep::Comparison's.
  std::vector<std::string> summary;
  std::vector<std::string> comparison;
  // Per condition with a learner: how many runs the learner brought to stable.
  std::vector<std::string> brought;
};

// A sweep of automatic runs as vantrel-lab plays it, one run at a time, for a face whose
// workers each play a share (the page's): the same options, limits and refusals as the command
// line, the same runs for the same seed, the same CSV lines. The options the command line has for
// its own machine
// (--csv, --jobs, --shard, --quiet, --help) are refused: a page shares the runs itself.
class LabSweep {
 public:
  // `arguments` as the command line takes them, e.g. {"--goal", "shape=square"}.
  explicit LabSweep(const std::vector<std::string>& arguments);

  // The command line's message for options it would refuse; empty when they are good.
  const std::string& error() const { return error_; }
  const BatchPlan& plan() const { return plan_; }

  // The run numbers of share `shard` (from 1) of `shards`, as --shard K/N plays them;
  // nothing when the options were refused or the share does not exist.
  std::vector<int> ShardRuns(int shard, int shards) const;
  // Plays run `run_number` (from 1); nothing when it is not in the plan.
  std::optional<SweepRecord> PlayRun(int run_number) const;

  // One entry per condition, in the plan's order, from the records of finished runs
  // (records of runs outside the plan are passed over).
  std::vector<ConditionResults> Results(const std::vector<SweepRecord>& records) const;
  std::vector<StableBox> Boxes(const std::vector<SweepRecord>& records) const;
  // The desktop's summary, a line per condition.
  std::vector<std::string> Summary(const std::vector<SweepRecord>& records) const;
  // Each condition compared with the first, as vantrel-lab's summary ends: a heading line,
  // then a line per condition after the first; nothing with one condition.
  std::vector<std::string> Comparison(const std::vector<SweepRecord>& records) const;
  // What vantrel-lab's summary of a sweep of learners adds, from the same records.
  LearnerLines Learners(const std::vector<SweepRecord>& records) const;

 private:
  std::string error_;
  BatchPlan plan_;
  // Each condition's strictness as its CSV lines write it, worded once rather than for
  // every run.
  std::vector<std::string> strictness_texts_;
};

// The CSV of finished runs exactly as vantrel-lab --csv writes it: the header, then one
// line per run in run order, whichever share played it.
// `learner_columns`: the plan compares learners (BatchPlan::learner), as its lines do.
std::string SweepCsv(std::vector<SweepRecord> records, bool learner_columns = false);

}  // namespace vantrel

#endif  // VANTREL_LAB_SWEEP_H_

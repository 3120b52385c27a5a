#ifndef VANTREL_LAB_NOTEBOOK_H_
#define VANTREL_LAB_NOTEBOOK_H_

#include <cstdint>
#include <string>
#include <vector>

#include "lab/goal.h"
#include "lab/goal_tracker.h"
#include "lab/population_stats.h"
#include "lab/run.h"
#include "population/string_grid.h"

namespace vantrel {

// The lab notebook's state, kept in step with the organism table: the run table, the goal
// with its counts, the population's diversity and the current run's curve. A window calls
// StartRun at a new gene pool, a load, a restore and a new idea (with the idea's goal), and
// AfterClick after every feed or shoot; everything else it reads. Times come from the
// caller, so the notebook never reads a clock.
class LabNotebook {
 public:
  explicit LabNotebook(StringGrid& grid);

  // One point of the current run's curve, taken at its start and after every click.
  struct Sample {
    int click;
    double share_meeting_goal;  // 0 to 1
    int distinct_dna;
    double mean_entropy_bits;
  };

  // Starts a run on the table as it is now, keeping the goal (a new gene pool, a load, a
  // restore) or with a new one (an idea). A founder may meet the goal at click 0.
  void StartRun(const RunParameters& parameters, std::int64_t now_utc);
  void StartRun(Goal goal, const RunParameters& parameters, std::int64_t now_utc);

  // After a feed or a shoot has changed the table.
  void AfterClick(Click click);
  // The user's "Reached" at the current click.
  void DeclareReached();
  void ParameterChanged(Parameter parameter, int value);
  // Puts the current run back as it was (undo and redo restore it with the table).
  void RestoreCurrentRun(const Run& run);
  // Finished automatic runs join the run table.
  void AddRuns(std::vector<Run> runs);

  const Goal& goal() const { return tracker_.goal(); }
  // False when no organism the genes can make meets the goal: only the user can end the run.
  bool GoalCanBeMet() const { return GoalIsReachable(goal()); }
  const RunTable& runs() const { return runs_; }
  const Run* current_run() const;
  const std::vector<Sample>& samples() const { return samples_; }
  const GoalTracker& goal_counts() const { return tracker_; }

  // The selected organism in words, and which judged words it meets.
  std::string DescribeSelected() const;
  std::vector<WordVerdict> SelectedVerdicts() const;

 private:
  void TakeSample(int click);

  StringGrid& grid_;
  GoalTracker tracker_;
  PopulationStats stats_;
  RunTable runs_;
  std::vector<Sample> samples_;
};

}  // namespace vantrel

#endif  // VANTREL_LAB_NOTEBOOK_H_

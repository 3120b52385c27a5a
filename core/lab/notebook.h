#ifndef VANTREL_LAB_NOTEBOOK_H_
#define VANTREL_LAB_NOTEBOOK_H_

#include <cstdint>
#include <map>
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
  void StartRun(const Parameters& parameters, std::int64_t now_utc);
  void StartRun(Goal goal, const Parameters& parameters, std::int64_t now_utc);

  // After a feed or a shoot has changed the table.
  void AfterClick(Click click);
  // The user's "Reached" at the current click; false (and nothing done) without a run or a
  // goal, or once the run is reached.
  bool DeclareReached();
  void ParameterChanged(Parameter parameter, int value);
  // Makes `run` the current run again as it was at an earlier or later moment (undo and
  // redo bring it back with the table): its counters, and its goal and curve up to its
  // clicks. A run no longer in the table takes its place again.
  void PutBackRun(const Run& run);
  // Adds the curve's point for the current click when the curve is behind it (a redone click).
  void CatchUpSample();
  // An identity for a run that joins later (a restored one), and the goal it aims for.
  std::uint32_t NewRunId() { return runs_.NewId(); }
  void RememberGoal(std::uint32_t id, const Goal& goal) { set_aside_[id] = {goal, {}}; }
  // Takes a run out of the table, as when the step that started it is undone.
  void WithdrawRun(std::uint32_t id);
  // Finished automatic runs join the run table.
  void AddRuns(std::vector<Run> runs);
  // Whose runs these are: the current run and every run started or added from now on carry
  // the pupil's name and the lesson's identifier (empty: none).
  void SetOwner(std::string pupil, std::string lesson);
  const std::string& pupil() const { return pupil_; }
  const std::string& lesson() const { return lesson_; }

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
  // Starts a run with the goal as it is.
  void BeginRun(const Parameters& parameters, std::int64_t now_utc);
  // Keeps the current run's goal and curve aside, for when it is put back.
  void SetAsideCurrent();

  // The goal and curve of runs that are not current, by run identity.
  struct RunContext {
    Goal goal;
    std::vector<Sample> samples;
  };

  StringGrid& grid_;
  GoalTracker tracker_;
  PopulationStats stats_;
  RunTable runs_;
  std::vector<Sample> samples_;
  std::map<std::uint32_t, RunContext> set_aside_;
  std::string pupil_;
  std::string lesson_;
};

}  // namespace vantrel

#endif  // VANTREL_LAB_NOTEBOOK_H_

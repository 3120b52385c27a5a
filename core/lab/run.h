#ifndef VANTREL_LAB_RUN_H_
#define VANTREL_LAB_RUN_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "population/parameters.h"

namespace vantrel {

enum class RunMode { kHand, kJudge };
enum class ReachedBy { kNone, kProgram, kUser };
enum class Click { kFeed, kShoot };

// A parameter box changed to `value` after `click` clicks of the run.
struct ParameterChange {
  Parameter parameter;
  int click;
  int value;
};

// One experiment run: a stretch of clicks measured together, from a new gene pool, a load,
// a restore or a new idea on.
struct Run {
  int number = 0;
  std::uint32_t id = 0;  // never changes and never shown; numbers follow the table's order
  RunMode mode = RunMode::kHand;
  std::optional<std::int64_t> started_utc;  // seconds since 1970-01-01 00:00 UTC
  Parameters start;                         // the boxes when the run started
  std::vector<ParameterChange> changes;
  std::string goal;  // as the user reads it; empty without a goal
  int feeds = 0;
  int shots = 0;
  std::optional<int> first_match_click;
  std::optional<int> stable_click;
  ReachedBy reached_by = ReachedBy::kNone;
  std::string pupil;   // the name the pupil gave; empty without one
  std::string lesson;  // LessonId of the lesson the run belongs to; empty without one

  int clicks() const { return feeds + shots; }
  bool reached() const { return reached_by != ReachedBy::kNone; }
};

// The goal counts a run looks at after each click.
struct GoalCounts {
  int organisms = 0;
  int matching = 0;  // organisms meeting every judged word (0 without judged words)
};

// Click 0: a founder may already meet the goal, or all of them.
void RecordRunStart(Run& run, const GoalCounts& counts);
// One feed or shoot, then the goal counts of the table after it.
void RecordClick(Run& run, Click click, const GoalCounts& counts);
// The user says the goal is reached at the current click (once the program has not).
void DeclareReached(Run& run);
void RecordParameterChange(Run& run, Parameter parameter, int value);

// Every run since the program started, numbered from 1 in order of their start.
class RunTable {
 public:
  // Starts a new run, which becomes the current one; the run before it is finished as it
  // stands.
  Run& Start(RunMode mode, const Parameters& parameters, std::string goal,
             std::optional<std::int64_t> started_utc);
  // Adds a finished run (an automatic one), numbering it after the others; the current run
  // stays current.
  Run& Add(Run run);

  // An identity no run has yet, for a run that joins later with PutBackCurrent.
  std::uint32_t NewId() { return next_id_++; }
  // Takes the run out of the table, as when the step that started it is undone; the runs
  // after it move up a number. No run is current after the current one is withdrawn.
  void Withdraw(std::uint32_t id);
  // Puts `run` back as the current run: in its place when it is in the table, else where
  // its identity puts it among the others (a redone step's run).
  void PutBackCurrent(const Run& run);

  // The run in progress (the last started), or null before the first.
  Run* Current() { return Find(current_); }
  const Run* Current() const { return Find(current_); }
  const std::vector<Run>& runs() const { return runs_; }

 private:
  Run* Find(std::uint32_t id);
  const Run* Find(std::uint32_t id) const;
  void Renumber();

  std::vector<Run> runs_;
  std::uint32_t current_ = 0;  // 0: none
  std::uint32_t next_id_ = 1;
};

}  // namespace vantrel

#endif  // VANTREL_LAB_RUN_H_

#ifndef VANTREL_ENGINE_RUN_TIMELINE_H_
#define VANTREL_ENGINE_RUN_TIMELINE_H_

#include <cstddef>
#include <vector>

#include "lab/notebook.h"
#include "lab/run.h"

namespace vantrel {

// The notebook's current run as it stood after each step of the history (index 0: before
// the first), and whether that step started it. Moving the history's position back or
// forth puts the run of the new position back into the notebook; undoing the step that
// started a run takes that run out of the run table, and redoing it brings it back.
class RunTimeline {
 public:
  // The notebook's state at `position` after a new step; moments beyond it are dropped.
  void Record(std::size_t position, const LabNotebook& notebook, bool started_run);
  // The same with the run given (a restore).
  void Record(std::size_t position, const Run& run, bool started_run);
  // The history moved from `from` to `to` (one undo or one redo).
  void Move(std::size_t from, std::size_t to, LabNotebook& notebook) const;
  // The run at the present position changed without a step (a click counted, "Reached").
  void Update(std::size_t position, const LabNotebook& notebook);

 private:
  struct Moment {
    Run run;
    bool started_run = false;
    bool has_run = false;
  };
  static Moment Capture(const LabNotebook& notebook, bool started_run);

  std::vector<Moment> moments_;
};

}  // namespace vantrel

#endif  // VANTREL_ENGINE_RUN_TIMELINE_H_

#ifndef VANTREL_LAB_NOTEBOOK_ACTIONS_H_
#define VANTREL_LAB_NOTEBOOK_ACTIONS_H_

#include <string_view>
#include <vector>

#include "lab/learner.h"
#include "lab/run.h"

namespace vantrel {

// The user's actions on the lab notebook, as its windows ask for them. The program performs
// them (with the history's moment and the journal) and tells its observers what changed;
// the windows show that, and never change the notebook themselves.
class NotebookActions {
 public:
  virtual ~NotebookActions() = default;

  // The user's "Reached" at the current click; false without a goal or once reached.
  virtual bool DeclareReached() = 0;
  // Finished automatic runs join the notebook's run table.
  virtual void AddRuns(std::vector<Run> runs) = 0;
  // The pupil's name from the notebook's "Name" field, for the current run and those after.
  virtual void SetPupil(std::string_view name) = 0;
  // What the learner learned from the user's feeds and shots ("What you select for").
  virtual const Learner& learner() const = 0;
  // The learner's own clicks in the current run ("Judge like me").
  virtual int learner_clicks() const = 0;
  // The learner forgets what it learned.
  virtual void ResetLearner() = 0;
};

}  // namespace vantrel

#endif  // VANTREL_LAB_NOTEBOOK_ACTIONS_H_

#ifndef VANTREL_ENGINE_LEARNER_STATE_H_
#define VANTREL_ENGINE_LEARNER_STATE_H_

#include <optional>
#include <string>
#include <string_view>

#include "lab/learner.h"

namespace vantrel {

// The learner as it stands at one moment of the history, with the clicks it made itself in
// the current run ("Judge like me"), which the notebook counts apart from the user's.
struct LearnerState {
  Learner learner;
  int judged_clicks = 0;

  friend bool operator==(const LearnerState&, const LearnerState&) = default;
};

// What the journal keeps beside an entry: the learner first, marked by the byte 'L' and its
// length, then the notebook's run state as before. An annex written before the learner
// existed (starting with the run state's format byte, or empty) has no learner.
std::string JoinAnnex(const LearnerState& learner, std::string_view run_state);

struct AnnexParts {
  std::optional<LearnerState> learner;  // nothing when absent or damaged
  std::string_view run_state;
};
AnnexParts SplitAnnex(std::string_view annex);

}  // namespace vantrel

#endif  // VANTREL_ENGINE_LEARNER_STATE_H_

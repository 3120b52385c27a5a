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

// What the journal keeps beside an entry: the text of the lesson open, if one is, marked by
// the byte 'E' and its length; the learner, marked by the byte 'L' and its length; then the
// notebook's run state as before. An annex written before the lesson or the learner was
// kept (starting with 'L', with the run state's format byte, or empty) has none of it.
std::string JoinAnnex(const LearnerState& learner, std::string_view run_state,
                      std::string_view lesson_text = {});

struct AnnexParts {
  std::optional<LearnerState> learner;  // nothing when absent or damaged
  std::string_view run_state;
  std::optional<std::string_view> lesson_text;  // nothing when absent or damaged
};
AnnexParts SplitAnnex(std::string_view annex);

}  // namespace vantrel

#endif  // VANTREL_ENGINE_LEARNER_STATE_H_

#ifndef VANTREL_ENGINE_RUN_BYTES_H_
#define VANTREL_ENGINE_RUN_BYTES_H_

#include <string>
#include <string_view>

#include "lab/goal.h"
#include "lab/run.h"

namespace vantrel {

// The notebook's current run with its goal: what each journal entry carries beside the
// step, so that a restore brings back the run in progress with its counts.
struct RunState {
  Run run;
  Goal goal;
};

std::string EncodeRunState(const RunState& state);
// False when `bytes` is not a whole, sensible run state; `state` is then unspecified.
bool DecodeRunState(std::string_view bytes, RunState& state);

}  // namespace vantrel

#endif  // VANTREL_ENGINE_RUN_BYTES_H_

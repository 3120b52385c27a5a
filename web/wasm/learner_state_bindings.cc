// The engine's learner for a web page (embind): its state and its words, as the desktop's
// engine holds them after the same clicks.

#include "web/wasm/learner_state_bindings.h"

#include "lab/learner.h"
#include "web/wasm/copied_array.h"

namespace vantrel {

emscripten::val LearnerStateObject(const WebSession& session) {
  const Learner& learner = session.engine().learner();
  emscripten::val strongest = emscripten::val::array();
  for (const LearnedTrait& trait : learner.Strongest()) {
    strongest.call<void>("push", trait.text);
  }
  emscripten::val object = emscripten::val::object();
  object.set("bytes", CopiedBytes(learner.Encode()));
  object.set("strongest", strongest);
  object.set("accuracy", learner.AccuracyText());
  return object;
}

}  // namespace vantrel

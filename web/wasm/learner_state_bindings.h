#ifndef VANTREL_WEB_WASM_LEARNER_STATE_BINDINGS_H_
#define VANTREL_WEB_WASM_LEARNER_STATE_BINDINGS_H_

#include <emscripten/val.h>

#include "web/session.h"

namespace vantrel {

// What the engine's learner has learned, as a JavaScript object: { bytes, strongest,
// accuracy }: its whole state (Learner::Encode) as a Uint8Array, the texts of the traits it
// weighs most and how often it predicted the latest clicks, in the current language. The
// page's replay compares them with the desktop engine's after the same clicks.
// vantrel_engine.d.ts declares its shape.
emscripten::val LearnerStateObject(const WebSession& session);

}  // namespace vantrel

#endif  // VANTREL_WEB_WASM_LEARNER_STATE_BINDINGS_H_

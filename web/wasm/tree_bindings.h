#ifndef VANTREL_WEB_WASM_TREE_BINDINGS_H_
#define VANTREL_WEB_WASM_TREE_BINDINGS_H_

#include <emscripten/val.h>

#include "web/session.h"

namespace vantrel {

// The family tree of organism `serial` (the selected row's organism for a negative one) as
// a JavaScript object: { serial, cards: [...] }, the organism first, then its ancestors
// nearest first. vantrel_engine.d.ts declares its shape.
emscripten::val FamilyTreeObject(const WebSession& session, double serial);

}  // namespace vantrel

#endif  // VANTREL_WEB_WASM_TREE_BINDINGS_H_

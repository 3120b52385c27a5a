#ifndef VANTREL_WEB_WASM_NOTEBOOK_BINDINGS_H_
#define VANTREL_WEB_WASM_NOTEBOOK_BINDINGS_H_

#include <emscripten/val.h>

#include <string>

#include "lab/plot_axes.h"
#include "web/session.h"

namespace vantrel {

// The lab notebook as the page shows it (a plain object; see Notebook in
// vantrel_engine.d.ts).
emscripten::val NotebookObject(const WebSession& session);

// A plot's value axis as the page draws it: {max, step}, the ticks from 0 `step` apart.
emscripten::val AxisObject(const ValueAxis& axis);

// The run table as the desktop's "Export runs…" writes it.
std::string RunsCsvText(const WebSession& session);

}  // namespace vantrel

#endif  // VANTREL_WEB_WASM_NOTEBOOK_BINDINGS_H_

#ifndef VANTREL_WEB_WASM_NOTEBOOK_BINDINGS_H_
#define VANTREL_WEB_WASM_NOTEBOOK_BINDINGS_H_

#include <emscripten/val.h>

#include <string>
#include <vector>

#include "lab/plot_axes.h"
#include "lab/sweep.h"
#include "web/session.h"

namespace vantrel {

// The lab notebook as the page shows it (a plain object; see Notebook in
// vantrel_engine.d.ts).
emscripten::val NotebookObject(const WebSession& session);

// A plot's value axis as the page draws it: {max, step}, the ticks from 0 `step` apart.
emscripten::val AxisObject(const ValueAxis& axis);

// Texts as an array of strings.
emscripten::val StringArray(const std::vector<std::string>& texts);

// A box plot of stable clicks as the page draws it: {boxes, axis}, each box with its
// condition, runs, quartiles, whiskers and label lines.
emscripten::val StablePlotObject(const std::vector<StableBox>& boxes);

// The run table as the desktop's "Export runs…" writes it.
std::string RunsCsvText(const WebSession& session);

}  // namespace vantrel

#endif  // VANTREL_WEB_WASM_NOTEBOOK_BINDINGS_H_

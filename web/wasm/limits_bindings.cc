// The limits and counts the core sets, for the page's boxes and its journal: the page reads
// them here rather than keeping its own copies.

#include <emscripten/bind.h>

#include "history/journal.h"
#include "population/parameters.h"

namespace vantrel {

namespace {

// What limits() answers; the names are the declarations' (vantrel_engine.d.ts).
struct Limits {
  int min_start_organisms = kMinStartOrganisms;
  int max_start_organisms = kMaxStartOrganisms;
  int keep_runs = Journal::kKeepRuns;
};

Limits LimitsBinding() { return {}; }

}  // namespace

}  // namespace vantrel

EMSCRIPTEN_BINDINGS(limits) {
  emscripten::value_object<vantrel::Limits>("Limits")
      .field("minStartOrganisms", &vantrel::Limits::min_start_organisms)
      .field("maxStartOrganisms", &vantrel::Limits::max_start_organisms)
      .field("keepRuns", &vantrel::Limits::keep_runs);
  emscripten::function("limits", &vantrel::LimitsBinding);
}

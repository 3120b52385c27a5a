// The limits, counts and first values the core sets, for the page's boxes, its journal and
// its automatic runs: the page reads them here rather than keeping its own copies. The
// fields are named as vantrel_engine.d.ts declares them.

#include <emscripten/bind.h>

#include "history/journal.h"
#include "lab/lab_options.h"
#include "population/parameters.h"

namespace vantrel {

namespace {

using emscripten::val;

val LimitsBinding() {
  val limits = val::object();
  limits.set("minStartOrganisms", kMinStartOrganisms);
  limits.set("maxStartOrganisms", kMaxStartOrganisms);
  limits.set("keepRuns", Journal::kKeepRuns);
  return limits;
}

// The "Run automatically" panel's first values: vantrel-lab's, but for the runs.
val AutoRunDefaultsBinding() {
  const LabOptions lab;
  val first = val::object();
  first.set("population", lab.populations.front());
  first.set("creativity", lab.creativities.front());
  first.set("bonus", lab.bonuses.front());
  first.set("strictness", lab.strictnesses.front());
  first.set("runs", kPanelRuns);
  first.set("maxClicks", lab.max_clicks);
  first.set("seed", static_cast<double>(lab.seed));
  first.set("warmupClicks", lab.warmup_clicks);
  return first;
}

}  // namespace

}  // namespace vantrel

EMSCRIPTEN_BINDINGS(limits) {
  emscripten::function("limits", &vantrel::LimitsBinding);
  emscripten::function("autoRunDefaults", &vantrel::AutoRunDefaultsBinding);
}

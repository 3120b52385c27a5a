// The limits, counts and first values the core sets, for the page's boxes, its journal and
// its automatic runs: the page reads them here rather than keeping its own copies.

#include <emscripten/bind.h>

#include "history/journal.h"
#include "lab/lab_options.h"
#include "population/parameters.h"

namespace vantrel {

namespace {

// What limits() answers; the names are the declarations' (vantrel_engine.d.ts).
struct Limits {
  int min_start_organisms = kMinStartOrganisms;
  int max_start_organisms = kMaxStartOrganisms;
  int keep_runs = Journal::kKeepRuns;
};

// What autoRunDefaults() answers: the panel's first values, vantrel-lab's but for the runs.
struct AutoRunDefaults {
  int population = 0;
  int creativity = 0;
  int bonus = 0;
  double strictness = 0;
  int runs = 0;
  int max_clicks = 0;
  double seed = 0;
  int warmup_clicks = 0;
};

Limits LimitsBinding() { return {}; }
AutoRunDefaults AutoRunDefaultsBinding() {
  const LabOptions lab;
  return {lab.populations.front(),
          lab.creativities.front(),
          lab.bonuses.front(),
          lab.strictnesses.front(),
          kPanelRuns,
          lab.max_clicks,
          static_cast<double>(lab.seed),
          lab.warmup_clicks};
}

}  // namespace

}  // namespace vantrel

EMSCRIPTEN_BINDINGS(limits) {
  using vantrel::AutoRunDefaults;
  using vantrel::Limits;
  emscripten::value_object<Limits>("Limits")
      .field("minStartOrganisms", &Limits::min_start_organisms)
      .field("maxStartOrganisms", &Limits::max_start_organisms)
      .field("keepRuns", &Limits::keep_runs);
  emscripten::value_object<AutoRunDefaults>("AutoRunDefaults")
      .field("population", &AutoRunDefaults::population)
      .field("creativity", &AutoRunDefaults::creativity)
      .field("bonus", &AutoRunDefaults::bonus)
      .field("strictness", &AutoRunDefaults::strictness)
      .field("runs", &AutoRunDefaults::runs)
      .field("maxClicks", &AutoRunDefaults::max_clicks)
      .field("seed", &AutoRunDefaults::seed)
      .field("warmupClicks", &AutoRunDefaults::warmup_clicks);
  emscripten::function("limits", &vantrel::LimitsBinding);
  emscripten::function("autoRunDefaults", &vantrel::AutoRunDefaultsBinding);
}

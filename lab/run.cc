#include "lab/run.h"

#include <utility>

namespace vantrel {

namespace {

void Check(Run& run, const GoalCounts& counts) {
  if (counts.matching > 0 && !run.first_match_click) run.first_match_click = run.clicks();
  if (!run.reached() && counts.organisms > 0 && counts.matching == counts.organisms) {
    run.stable_click = run.clicks();
    run.reached_by = ReachedBy::kProgram;
  }
}

}  // namespace

void RecordRunStart(Run& run, const GoalCounts& counts) { Check(run, counts); }

void RecordClick(Run& run, Click click, const GoalCounts& counts) {
  ++(click == Click::kFeed ? run.feeds : run.shots);
  Check(run, counts);
}

void DeclareReached(Run& run) {
  if (run.reached()) return;
  run.stable_click = run.clicks();
  run.reached_by = ReachedBy::kUser;
}

void RecordParameterChange(Run& run, Parameter parameter, int value) {
  run.changes.push_back({parameter, run.clicks(), value});
}

Run& RunTable::Start(RunMode mode, const RunParameters& parameters, std::string goal,
                     std::optional<std::int64_t> started_utc) {
  Run run;
  run.mode = mode;
  run.start = parameters;
  run.goal = std::move(goal);
  run.started_utc = started_utc;
  Add(std::move(run));
  current_ = runs_.size() - 1;
  return runs_.back();
}

Run& RunTable::Add(Run run) {
  run.number = static_cast<int>(runs_.size()) + 1;
  runs_.push_back(std::move(run));
  return runs_.back();
}

}  // namespace vantrel

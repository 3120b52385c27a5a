#include "lab/run.h"

#include <algorithm>
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

Run& RunTable::Start(RunMode mode, const Parameters& parameters, std::string goal,
                     std::optional<std::int64_t> started_utc) {
  Run run;
  run.mode = mode;
  run.start = parameters;
  run.goal = std::move(goal);
  run.started_utc = started_utc;
  Run& added = Add(std::move(run));
  current_ = added.id;
  return added;
}

Run& RunTable::Add(Run run) {
  run.number = static_cast<int>(runs_.size()) + 1;
  run.id = next_id_++;
  runs_.push_back(std::move(run));
  return runs_.back();
}

void RunTable::Withdraw(std::uint32_t id) {
  const auto found =
      std::find_if(runs_.begin(), runs_.end(), [id](const Run& run) { return run.id == id; });
  if (found == runs_.end()) return;
  runs_.erase(found);
  if (current_ == id) current_ = 0;
  Renumber();
}

void RunTable::PutBackCurrent(const Run& run) {
  if (Run* present = Find(run.id)) {
    *present = run;
  } else {
    const auto after = std::find_if(runs_.begin(), runs_.end(),
                                    [&run](const Run& other) { return other.id > run.id; });
    runs_.insert(after, run);
    next_id_ = std::max(next_id_, run.id + 1);
  }
  current_ = run.id;
  Renumber();
}

Run* RunTable::Find(std::uint32_t id) {
  for (Run& run : runs_) {
    if (run.id == id) return &run;
  }
  return nullptr;
}

const Run* RunTable::Find(std::uint32_t id) const {
  for (const Run& run : runs_) {
    if (run.id == id) return &run;
  }
  return nullptr;
}

void RunTable::Renumber() {
  int number = 1;
  for (Run& run : runs_) run.number = number++;
}

}  // namespace vantrel

// libFuzzer target for vantrel-lab's option and goal parser: the bytes, split at NUL bytes,
// are the command line. Checks what must hold for every input: the parser answers with an
// error or with options whose values lie in their documented ranges, a goal it accepts can
// be met and reads back the same from its canonical text, and errors are one line.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "lab/goal_list.h"
#include "lab/lab_options.h"
#include "tools/fuzz/memory_bound.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

void CheckGoal(const vantrel::Goal& goal) {
  Require(goal.HasJudgedWords());
  Require(vantrel::GoalIsReachable(goal));
  const vantrel::ParsedGoal again = vantrel::ParseGoalList(goal.text);
  Require(again.error.empty() && again.goal.word == goal.word && again.goal.text == goal.text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const vantrel::fuzz::MemoryBound bound(size);
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::vector<std::string_view> args;
  for (std::size_t start = 0; start <= text.size();) {
    const std::size_t end = std::min(text.find('\0', start), text.size());
    args.push_back(std::string_view(text).substr(start, end - start));
    start = end + 1;
  }

  // The whole input as one goal.
  const vantrel::ParsedGoal goal = vantrel::ParseGoalList(text);
  if (goal.error.empty()) {
    Require(vantrel::FormatGoalList(goal.goal) == goal.goal.text);
    const vantrel::ParsedGoal again = vantrel::ParseGoalList(goal.goal.text);
    Require(again.error.empty() && again.goal.word == goal.goal.word);
  }

  const vantrel::ParsedLabOptions parsed = vantrel::ParseLabOptions(args);
  if (!parsed.error.empty()) {
    Require(parsed.error.find('\n') == std::string::npos || text.find('\n') != std::string::npos);
    return 0;
  }
  const vantrel::LabOptions& o = parsed.options;
  if (o.help) return 0;
  Require(!o.goals.empty());
  for (const vantrel::Goal& g : o.goals) CheckGoal(g);
  if (o.warmup_goal) CheckGoal(*o.warmup_goal);
  for (int p : o.populations) Require(p >= 2 && p <= 1000);
  for (int c : o.creativities) Require(c >= 0 && c <= 99);
  for (double s : o.strictnesses) Require(s >= 0.0 && s <= 1.0);
  Require(o.runs >= 1 && o.max_clicks >= 1 && o.warmup_clicks >= 0);
  Require(o.shard >= 1 && o.shard <= o.shards);
  Require(o.jobs >= 0 && o.jobs <= 1024);
  const vantrel::BatchPlan plan = vantrel::PlanOf(o);
  Require(plan.TotalRuns() >= 1 && plan.TotalRuns() <= 100'000'000);
  return 0;
}

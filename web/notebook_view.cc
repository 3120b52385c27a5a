#include "web/notebook_view.h"

#include <algorithm>
#include <cstddef>

#include "lab/idea_wording.h"
#include "lab/organism_wording.h"
#include "lab/run_csv.h"

namespace vantrel {

namespace {

int Click(const std::optional<int>& click) { return click.value_or(-1); }

GoalNote NoteOn(const LabNotebook& notebook) {
  const Goal& goal = notebook.goal();
  if (!goal.text.empty() && !goal.HasJudgedWords()) return GoalNote::kNotJudged;
  if (!notebook.GoalCanBeMet()) return GoalNote::kUnreachable;
  return GoalNote::kNone;
}

void ReadCurrentRun(const Run& run, NotebookView& view) {
  view.run_number = run.number;
  view.automatic = run.mode != RunMode::kHand;
  if (run.started_utc) {
    // "2026-12-08T21:36:32Z" as "2026-12-08 21:36".
    const std::string utc = FormatUtc(*run.started_utc);
    view.started = utc.substr(0, 10) + " " + utc.substr(11, 5);
  }
  view.feeds = run.feeds;
  view.shots = run.shots;
  view.clicks = run.clicks();
  view.first_match_click = Click(run.first_match_click);
  view.stable_click = Click(run.stable_click);
  view.reached_by_user = run.reached_by == ReachedBy::kUser;
}

void ReadComparison(const LabNotebook& notebook, NotebookView& view) {
  const Run* current = notebook.current_run();
  for (const Run& run : notebook.runs().runs()) {
    if (!IsComparedRun(run, current)) continue;
    view.compared.push_back({run.number, !run.changes.empty(), run.start,
                             Click(run.first_match_click), Click(run.stable_click)});
  }
  view.compared_total = static_cast<int>(view.compared.size());
  if (view.compared_total > kMaxComparedRuns) {
    view.compared.erase(view.compared.begin(), view.compared.end() - kMaxComparedRuns);
  }
}

}  // namespace

bool IsComparedRun(const Run& run, const Run* current) {
  if (run.mode != RunMode::kHand) return false;
  if (&run == current && !run.reached()) return false;
  return run.clicks() > 0 || run.reached();
}

std::vector<LabNotebook::Sample> ThinSamples(const std::vector<LabNotebook::Sample>& samples) {
  std::size_t stride = 1;
  while (samples.size() > kMaxCurvePoints * stride) stride *= 2;
  std::vector<LabNotebook::Sample> kept;
  kept.reserve((samples.size() + stride - 1) / stride);
  for (std::size_t i = 0; i < samples.size(); i += stride) kept.push_back(samples[i]);
  return kept;
}

NotebookView ReadNotebook(const LabNotebook& notebook) {
  NotebookView view;
  const Run* run = notebook.current_run();
  if (run != nullptr) ReadCurrentRun(*run, view);
  view.goal = ShownGoalText(notebook.goal().text);
  view.goal_note = NoteOn(notebook);
  view.can_declare_reached = run != nullptr && !run->reached() && !view.goal.empty();
  view.description = notebook.DescribeSelected();
  for (const WordVerdict& verdict : notebook.SelectedVerdicts()) {
    view.checks.push_back({ShownWord(verdict), verdict.met});
  }
  const std::vector<LabNotebook::Sample>& samples = notebook.samples();
  view.samples = ThinSamples(samples);
  view.most_distinct = std::max(1, notebook.goal_counts().organisms());
  if (!samples.empty())
    view.most_distinct = std::max(view.most_distinct, samples.front().distinct_dna);
  ReadComparison(notebook, view);
  return view;
}

}  // namespace vantrel

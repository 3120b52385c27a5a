#include "lab/notebook_view.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

#include "lab/goal_sentence.h"
#include "lab/organism_wording.h"
#include "lab/run_csv.h"
#include "language/catalogue.h"
#include "language/numbers.h"

namespace vantrel {

namespace {

// The contexts of the notebook window's and the comparison's texts in the catalogues.
constexpr std::string_view kWindow = "vantrel::NotebookWindow";
constexpr std::string_view kComparison = "vantrel::RunComparisonView";

int Click(const std::optional<int>& click) { return click.value_or(-1); }

std::string Shown(long long number) { return LocalNumber(std::to_string(number)); }

std::string ClickText(const std::optional<int>& click) { return click ? Shown(*click) : "–"; }

GoalNote NoteOn(const LabNotebook& notebook) {
  const Goal& goal = notebook.goal();
  if (!goal.text.empty() && !goal.HasJudgedWords()) return GoalNote::kNotJudged;
  if (!notebook.GoalCanBeMet()) return GoalNote::kUnreachable;
  return GoalNote::kNone;
}

std::string NoteText(GoalNote note) {
  switch (note) {
    case GoalNote::kNotJudged:
      return Tr(kWindow,
                "The program cannot judge these words: only you can end this run "
                "(Reached, key R).");
    case GoalNote::kUnreachable:
      return Tr(kWindow,
                "No organism the genes can make meets this goal: only you can end "
                "this run (Reached, key R).");
    case GoalNote::kNone:
      break;
  }
  return {};
}

void ReadCurrentRun(const Run* run, NotebookView& view) {
  view.run_title = RunTitleText(run);
  if (run != nullptr) {
    view.run_number = run->number;
    view.automatic = run->mode != RunMode::kHand;
    view.started = StartedText(*run);
    view.feeds = run->feeds;
    view.shots = run->shots;
    view.clicks = run->clicks();
    view.first_match_click = Click(run->first_match_click);
    view.stable_click = Click(run->stable_click);
    view.reached_by_user = run->reached_by == ReachedBy::kUser;
  }
  view.counters = {Shown(view.feeds), Shown(view.shots), Shown(view.clicks),
                   ClickText(run != nullptr ? run->first_match_click : std::nullopt),
                   ClickText(run != nullptr ? run->stable_click : std::nullopt)};
  if (view.reached_by_user) view.counters[4] += Tr(kWindow, " (you)");
}

void ReadComparison(const LabNotebook& notebook, NotebookView& view) {
  const ComparedRuns runs = ComparedRunsOf(notebook);
  for (const Run* run : runs.shown) {
    view.compared.push_back({run->number, !run->changes.empty(), run->start,
                             Click(run->first_match_click), Click(run->stable_click),
                             ComparedRunLabel(*run)});
  }
  view.compared_total = runs.total;
  view.compared_note = ComparedNote(static_cast<int>(runs.shown.size()), runs.total);
  view.compared_axis = ComparisonAxis(runs.shown);
}

}  // namespace

bool IsComparedRun(const Run& run, const Run* current) {
  if (run.mode != RunMode::kHand) return false;
  if (&run == current && !run.reached()) return false;
  return run.clicks() > 0 || run.reached();
}

ComparedRuns ComparedRunsOf(const LabNotebook& notebook) {
  ComparedRuns compared;
  const Run* current = notebook.current_run();
  for (const Run& run : notebook.runs().runs()) {
    if (IsComparedRun(run, current)) compared.shown.push_back(&run);
  }
  compared.total = static_cast<int>(compared.shown.size());
  if (compared.total > kMaxComparedRuns) {
    compared.shown.erase(compared.shown.begin(), compared.shown.end() - kMaxComparedRuns);
  }
  return compared;
}

std::vector<std::string> ComparedRunLabel(const Run& run) {
  std::vector<std::string> lines{
      Arg(Tr(kComparison, "Run %1%2"), {Shown(run.number), run.changes.empty() ? "" : "*"}),
      Arg(Tr(kComparison, "pop %1 · cr %2%"),
          {Shown(run.start.start_organisms), Shown(run.start.creativity)}),
      Arg(Tr(kComparison, "bonus %1"), {Shown(run.start.bonus)})};
  if (!run.first_match_click) {
    lines.push_back(Tr(kComparison, "no match"));
  } else if (!run.stable_click) {
    lines.push_back(Tr(kComparison, "not stable"));
  }
  return lines;
}

std::string ComparedNote(int shown, int total) {
  if (total == 0) {
    return Tr(kComparison,
              "No run is over yet. A run ends with a new gene pool, a load or a new idea, or "
              "when it is reached; then it shows here.");
  }
  if (total > shown) {
    return Arg(Tr(kComparison,
                  "The last %1 of %2 runs by hand. Automatic runs are under "
                  "\u201cRun automatically\u201d."),
               {Shown(shown), Shown(total)});
  }
  return Tr(kComparison,
            "Runs by hand, oldest first. * a parameter changed during "
            "the run. Automatic runs are under \u201cRun automatically\u201d.");
}

ValueAxis ComparisonAxis(const std::vector<const Run*>& runs) {
  int most = 0;
  for (const Run* run : runs) {
    most = std::max({most, run->first_match_click.value_or(0), run->stable_click.value_or(0)});
  }
  return RoundAxis(std::max(10, most + most / 8 + 1));
}

int CurveStride(std::size_t samples) {
  std::size_t stride = 1;
  while (samples > kMaxCurvePoints * stride) stride *= 2;
  return static_cast<int>(stride);
}

std::vector<LabNotebook::Sample> ThinSamples(const std::vector<LabNotebook::Sample>& samples) {
  const auto stride = static_cast<std::size_t>(CurveStride(samples.size()));
  std::vector<LabNotebook::Sample> kept;
  kept.reserve((samples.size() + stride - 1) / stride);
  for (std::size_t i = 0; i < samples.size(); i += stride) kept.push_back(samples[i]);
  return kept;
}

CurveScales CurveScalesOf(const LabNotebook& notebook) {
  const std::vector<LabNotebook::Sample>& samples = notebook.samples();
  CurveScales scales;
  scales.x_max = NiceCeiling(std::max(10.0, samples.empty() ? 0.0 : samples.back().click));
  scales.x_tick = TickInterval(scales.x_max, 8);
  int most_distinct = notebook.goal_counts().organisms();
  if (!samples.empty()) most_distinct = std::max(most_distinct, samples.front().distinct_dna);
  scales.y_max[1] = NiceCeiling(std::max(1, most_distinct));
  for (std::size_t i = 0; i < scales.y_max.size(); ++i) {
    scales.y_tick[i] = TickInterval(scales.y_max[i], 5, i == 1);
  }
  return scales;
}

std::string StartedText(const Run& run) {
  if (!run.started_utc) return {};
  // "2026-12-08T21:36:32Z" as "2026-12-08 21:36".
  const std::string utc = FormatUtc(*run.started_utc);
  return utc.substr(0, 10) + " " + utc.substr(11, 5);
}

std::string RunTitleText(const Run* run) {
  if (run == nullptr) return Tr(kWindow, "No run yet");
  std::string started;
  if (run->started_utc) {
    const std::string text = StartedText(*run);
    started = Arg(Tr(kWindow, " · started %1 %2 UTC"), {text.substr(0, 10), text.substr(11)});
  }
  return Arg(
      Tr(kWindow, "Run %1 · %2%3"),
      {Shown(run->number),
       run->mode == RunMode::kHand ? Tr(kWindow, "by hand") : Tr(kWindow, "automatic"), started});
}

NotebookView ReadNotebook(const LabNotebook& notebook) {
  NotebookView view;
  const Run* run = notebook.current_run();
  ReadCurrentRun(run, view);
  view.goal = GoalSentence(notebook.goal());
  view.goal_text =
      view.goal.empty() ? Tr(kWindow, "No goal: press the light bulb for an idea.") : view.goal;
  view.goal_note = NoteOn(notebook);
  view.goal_note_text = NoteText(view.goal_note);
  view.can_declare_reached = run != nullptr && !run->reached() && !view.goal.empty();
  view.description = notebook.DescribeSelected();
  for (const WordVerdict& verdict : notebook.SelectedVerdicts()) {
    view.checks.push_back({ShownWord(verdict), verdict.met});
  }
  if (view.checks.empty()) {
    view.checks_note = view.goal.empty() ? Tr(kWindow, "Nothing to judge without a goal.")
                                         : Tr(kWindow, "The program judges none of its words.");
  }
  view.samples = ThinSamples(notebook.samples());
  view.scales = CurveScalesOf(notebook);
  ReadComparison(notebook, view);
  return view;
}

}  // namespace vantrel

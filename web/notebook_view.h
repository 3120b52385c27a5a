#ifndef VANTREL_WEB_NOTEBOOK_VIEW_H_
#define VANTREL_WEB_NOTEBOOK_VIEW_H_

#include <string>
#include <vector>

#include "lab/notebook.h"
#include "lab/run.h"
#include "population/parameters.h"

namespace vantrel {

// Why only the user can end the run, if so: the goal's words are none the program
// judges, or no organism the genes can make meets them.
enum class GoalNote { kNone, kNotJudged, kUnreachable };

// One judged word of the goal and whether the shown organism meets it.
struct WordCheck {
  std::string word;
  bool met = false;
};

// A finished run by hand, as the comparison of runs shows it. A click that did not
// happen is -1.
struct ComparedRun {
  int number = 0;
  bool parameters_changed = false;  // a box changed during the run
  Parameters start;
  int first_match_click = -1;
  int stable_click = -1;
};

// Everything the page's lab notebook shows, read from the notebook as the desktop's
// window reads it. A click that did not happen is -1.
struct NotebookView {
  int run_number = 0;  // 0: no run yet
  bool automatic = false;
  std::string started;  // "2026-12-08 21:36" (UTC), "" when unknown
  std::string goal;     // "" without a goal
  GoalNote goal_note = GoalNote::kNone;
  int feeds = 0;
  int shots = 0;
  int clicks = 0;
  int first_match_click = -1;
  int stable_click = -1;
  bool reached_by_user = false;
  bool can_declare_reached = false;
  std::string description;  // the shown organism in words
  std::vector<WordCheck> checks;
  // The current run's curve, thinned as the desktop's plots thin it, and the most
  // distinct DNA strings its plot must hold.
  std::vector<LabNotebook::Sample> samples;
  int most_distinct = 1;
  // The latest finished runs by hand, oldest first, and how many there are in all.
  std::vector<ComparedRun> compared;
  int compared_total = 0;
};

// The most points a plot draws, and the most runs the comparison shows, as on the desktop.
inline constexpr int kMaxCurvePoints = 500;
inline constexpr int kMaxComparedRuns = 12;

NotebookView ReadNotebook(const LabNotebook& notebook);

// Every `stride`-th sample from the first, with the least power of two as the stride
// that leaves at most kMaxCurvePoints: a long run draws as fast as a short one.
std::vector<LabNotebook::Sample> ThinSamples(const std::vector<LabNotebook::Sample>& samples);

// Whether the comparison shows `run`: a run by hand that is over or reached, and has a
// click or was reached (every new gene pool or idea starts a run).
bool IsComparedRun(const Run& run, const Run* current);

}  // namespace vantrel

#endif  // VANTREL_WEB_NOTEBOOK_VIEW_H_

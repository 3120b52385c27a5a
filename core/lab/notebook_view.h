#ifndef VANTREL_LAB_NOTEBOOK_VIEW_H_
#define VANTREL_LAB_NOTEBOOK_VIEW_H_

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "lab/notebook.h"
#include "lab/plot_axes.h"
#include "lab/run.h"
#include "population/parameters.h"

namespace vantrel {

// What the lab notebook shows, read from the notebook, for both faces: the desktop's
// window and the page lay it out, each its own way, and take every text, number and
// scale from here. Texts are in the current language.

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
  // Its label under the bars, a line each: "Run 3*", "pop 10 · cr 10%", "bonus 1", and
  // "no match" or "not stable" when so.
  std::vector<std::string> label;
};

// The three plots of the current run (the share meeting the goal in percent, the distinct
// DNA strings, the mean diversity in bits) over the clicks: one x axis, a y axis each.
struct CurveScales {
  double x_max = 10;
  double x_tick = 2;  // at most eight ticks after 0
  std::array<double, 3> y_max{100, 1, kMostBits};
  std::array<double, 3> y_tick{20, 1, 1};  // at most five after 0; whole DNA strings
  bool operator==(const CurveScales&) const = default;
};

// The most points a plot draws, and the most runs the comparison shows.
inline constexpr int kMaxCurvePoints = 500;
inline constexpr int kMaxComparedRuns = 12;

// Everything the notebook shows. A click that did not happen is -1.
struct NotebookView {
  int run_number = 0;  // 0: no run yet
  bool automatic = false;
  std::string started;    // "2026-12-08 21:36" (UTC), "" when unknown
  std::string run_title;  // "Run 3 · by hand · started 2026-12-08 21:36 UTC", "No run yet"
  std::string goal;       // "" without a goal
  std::string goal_text;  // the goal, or what to do without one
  GoalNote goal_note = GoalNote::kNone;
  std::string goal_note_text;  // "" with GoalNote::kNone
  int feeds = 0;
  int shots = 0;
  int clicks = 0;
  int first_match_click = -1;
  int stable_click = -1;
  bool reached_by_user = false;
  // The counters as shown: feeds, shots, clicks, first match and stable ("–" before it
  // happens, " (you)" after the user's Reached).
  std::array<std::string, 5> counters;
  bool can_declare_reached = false;
  std::string description;  // the shown organism in words
  std::vector<WordCheck> checks;
  std::string checks_note;  // what stands in for the checks when there are none
  // The current run's curve, thinned (CurveStride), and the plots' scales.
  std::vector<LabNotebook::Sample> samples;
  CurveScales scales;
  // The latest finished runs by hand, oldest first, how many there are in all, the note
  // above their plot and its value axis.
  std::vector<ComparedRun> compared;
  int compared_total = 0;
  std::string compared_note;
  ValueAxis compared_axis;
};

NotebookView ReadNotebook(const LabNotebook& notebook);

// The parts a face that draws the plots a little at a time reads on its own.
// Every how many samples one is drawn: the least power of two that leaves at most
// kMaxCurvePoints, so a long run draws as fast as a short one.
int CurveStride(std::size_t samples);
// Every CurveStride-th sample from the first.
std::vector<LabNotebook::Sample> ThinSamples(const std::vector<LabNotebook::Sample>& samples);
CurveScales CurveScalesOf(const LabNotebook& notebook);
// The started time of the run as the title shows it ("2026-12-08 21:36", UTC).
std::string StartedText(const Run& run);
std::string RunTitleText(const Run* run);

// Whether the comparison shows `run`: a run by hand that is over or reached, and has a
// click or was reached (every new gene pool or idea starts a run).
bool IsComparedRun(const Run& run, const Run* current);
// The runs the comparison shows, the latest kMaxComparedRuns, with how many there are.
struct ComparedRuns {
  std::vector<const Run*> shown;
  int total = 0;
};
ComparedRuns ComparedRunsOf(const LabNotebook& notebook);
std::vector<std::string> ComparedRunLabel(const Run& run);
std::string ComparedNote(int shown, int total);
// The value axis of the bars: round, and a little above the highest.
ValueAxis ComparisonAxis(const std::vector<const Run*>& runs);

}  // namespace vantrel

#endif  // VANTREL_LAB_NOTEBOOK_VIEW_H_

// The lab notebook's readers for the page (embind): the view as one plain object and the run
// table's CSV. The Engine class (bindings.cc) hands its session here.

#include "web/wasm/notebook_bindings.h"

#include <array>
#include <string>

#include "lab/notebook_view.h"
#include "lab/run_csv.h"
#include "web/wasm/copied_array.h"

namespace vantrel {
namespace {

using emscripten::val;

std::string NoteName(GoalNote note) {
  switch (note) {
    case GoalNote::kNotJudged:
      return "notJudged";
    case GoalNote::kUnreachable:
      return "unreachable";
    case GoalNote::kNone:
      break;
  }
  return "";
}

val ChecksArray(const std::vector<WordCheck>& checks) {
  val array = val::array();
  for (const WordCheck& check : checks) {
    val object = val::object();
    object.set("word", check.word);
    object.set("met", check.met);
    array.call<void>("push", object);
  }
  return array;
}

// The curve as one flat Float64Array, four numbers a sample (click, share, distinct,
// bits): 500 objects would cost the page more than the plots themselves.
val SamplesArray(const std::vector<LabNotebook::Sample>& samples) {
  std::vector<double> flat;
  flat.reserve(samples.size() * 4);
  for (const LabNotebook::Sample& sample : samples) {
    flat.insert(flat.end(), {static_cast<double>(sample.click), sample.share_meeting_goal,
                             static_cast<double>(sample.distinct_dna), sample.mean_entropy_bits});
  }
  return CopiedArray(flat.data(), flat.size());
}

val Numbers(const std::array<double, 3>& numbers) {
  val array = val::array();
  for (double number : numbers) array.call<void>("push", number);
  return array;
}

val ScalesObject(const CurveScales& scales) {
  val object = val::object();
  object.set("xMax", scales.x_max);
  object.set("xTick", scales.x_tick);
  object.set("yMax", Numbers(scales.y_max));
  object.set("yTick", Numbers(scales.y_tick));
  return object;
}

val ComparedArray(const std::vector<ComparedRun>& runs) {
  val array = val::array();
  for (const ComparedRun& run : runs) {
    val object = val::object();
    object.set("number", run.number);
    object.set("parametersChanged", run.parameters_changed);
    object.set("startOrganisms", run.start.start_organisms);
    object.set("creativity", run.start.creativity);
    object.set("bonus", run.start.bonus);
    object.set("firstMatchClick", run.first_match_click);
    object.set("stableClick", run.stable_click);
    object.set("label", StringArray(run.label));
    array.call<void>("push", object);
  }
  return array;
}

}  // namespace

val StringArray(const std::vector<std::string>& texts) {
  val array = val::array();
  for (const std::string& text : texts) array.call<void>("push", text);
  return array;
}

val StablePlotObject(const std::vector<StableBox>& boxes) {
  val array = val::array();
  for (const StableBox& box : boxes) {
    val object = val::object();
    object.set("condition", box.condition);
    object.set("runs", box.runs);
    object.set("stableRuns", box.stable_runs);
    object.set("low", box.low);
    object.set("q1", box.q1);
    object.set("median", box.median);
    object.set("q3", box.q3);
    object.set("high", box.high);
    object.set("label", StringArray(box.label));
    array.call<void>("push", object);
  }
  val plot = val::object();
  plot.set("boxes", array);
  plot.set("axis", AxisObject(StableAxis(boxes)));
  return plot;
}

val AxisObject(const ValueAxis& axis) {
  val object = val::object();
  object.set("max", axis.max);
  object.set("step", axis.Step());
  return object;
}

val NotebookObject(const WebSession& session) {
  const NotebookView view = ReadNotebook(session.engine().notebook());
  val object = val::object();
  object.set("run", view.run_number);
  object.set("automatic", view.automatic);
  object.set("started", view.started);
  object.set("runTitle", view.run_title);
  object.set("goal", view.goal);
  object.set("goalText", view.goal_text);
  object.set("goalNote", NoteName(view.goal_note));
  object.set("goalNoteText", view.goal_note_text);
  object.set("feeds", view.feeds);
  object.set("shots", view.shots);
  object.set("clicks", view.clicks);
  object.set("firstMatchClick", view.first_match_click);
  object.set("stableClick", view.stable_click);
  object.set("reachedByUser", view.reached_by_user);
  object.set("counters", StringArray({view.counters.begin(), view.counters.end()}));
  object.set("canDeclareReached", view.can_declare_reached);
  object.set("description", view.description);
  object.set("checks", ChecksArray(view.checks));
  object.set("checksNote", view.checks_note);
  object.set("samples", SamplesArray(view.samples));
  object.set("scales", ScalesObject(view.scales));
  object.set("compared", ComparedArray(view.compared));
  object.set("comparedTotal", view.compared_total);
  object.set("comparedNote", view.compared_note);
  object.set("comparedAxis", AxisObject(view.compared_axis));
  return object;
}

std::string RunsCsvText(const WebSession& session) {
  return RunsCsv(session.engine().notebook().runs().runs());
}

}  // namespace vantrel

// The automatic runs' calls for the page's workers and panel (embind): a LabSweep made
// from the command line's options plays the runs of one share at a time, so a worker can
// report each finished run and be stopped between runs; records of finished runs come
// back as plain objects, and the panel hands them back for the box plot, the summary and
// the CSV. Declared in vantrel_engine.d.ts.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <optional>
#include <string>
#include <vector>

#include "lab/sweep.h"
#include "web/wasm/notebook_bindings.h"

namespace vantrel {
namespace {

using emscripten::val;

// An event's click as the page's counters give it: -1 when it did not happen.
int ClickOrNone(const std::optional<int>& click) { return click.value_or(-1); }

val RecordObject(const SweepRecord& record) {
  val object = val::object();
  object.set("run", record.run);
  object.set("condition", record.condition);
  object.set("firstMatchClick", ClickOrNone(record.first_match_click));
  object.set("stableClick", ClickOrNone(record.stable_click));
  object.set("reached", record.reached);
  object.set("csvLine", record.csv_line);
  object.set("judgeClicks", record.judge_clicks);
  return object;
}

int IntField(const val& object, const char* name, int otherwise) {
  const val field = object[name];
  return field.isNumber() ? field.as<int>() : otherwise;
}

std::optional<int> ClickField(const val& object, const char* name) {
  const int click = IntField(object, name, -1);
  return click >= 0 ? std::optional<int>(click) : std::nullopt;
}

// Records the page kept (objects as RecordObject made them); anything else is passed over.
std::vector<SweepRecord> RecordsOf(const val& records) {
  std::vector<SweepRecord> result;
  if (!records.isArray()) return result;
  const int length = records["length"].as<int>();
  for (int i = 0; i < length; ++i) {
    const val object = records[i];
    if (object.typeOf().as<std::string>() != "object" || object.isNull()) continue;
    SweepRecord record;
    record.run = IntField(object, "run", 0);
    record.condition = IntField(object, "condition", 0);
    record.first_match_click = ClickField(object, "firstMatchClick");
    record.stable_click = ClickField(object, "stableClick");
    record.reached = object["reached"].isTrue();
    const val line = object["csvLine"];
    if (line.isString()) record.csv_line = line.as<std::string>();
    record.judge_clicks = IntField(object, "judgeClicks", 0);
    result.push_back(std::move(record));
  }
  return result;
}

std::vector<std::string> StringsOf(const val& array) {
  std::vector<std::string> strings;
  if (!array.isArray()) return strings;
  const int length = array["length"].as<int>();
  for (int i = 0; i < length; ++i) {
    const val item = array[i];
    strings.push_back(item.isString() ? item.as<std::string>() : std::string());
  }
  return strings;
}

class LabSweepBinding {
 public:
  explicit LabSweepBinding(const val& arguments) : sweep_(StringsOf(arguments)) {}

  std::string Error() const { return sweep_.error(); }
  int TotalRuns() const { return sweep_.error().empty() ? sweep_.plan().TotalRuns() : 0; }
  int ConditionCount() const { return static_cast<int>(sweep_.plan().conditions.size()); }

  val ShardRuns(int shard, int shards) const {
    val numbers = val::array();
    for (int n : sweep_.ShardRuns(shard, shards)) numbers.call<void>("push", n);
    return numbers;
  }

  // Run 0 with an empty line for a number outside the plan.
  val PlayRun(int run_number) const {
    return RecordObject(sweep_.PlayRun(run_number).value_or(SweepRecord{}));
  }

  // The boxes and their value axis.
  val Boxes(const val& records) const { return StablePlotObject(sweep_.Boxes(RecordsOf(records))); }

  val Summary(const val& records) const { return StringArray(sweep_.Summary(RecordsOf(records))); }

  val Comparison(const val& records) const {
    return StringArray(sweep_.Comparison(RecordsOf(records)));
  }

  // What the summary of a sweep of learners adds: { heading, summary, comparison, brought }.
  val Learners(const val& records) const {
    const LearnerLines lines = sweep_.Learners(RecordsOf(records));
    val object = val::object();
    object.set("heading", lines.heading);
    object.set("summary", StringArray(lines.summary));
    object.set("comparison", StringArray(lines.comparison));
    object.set("brought", StringArray(lines.brought));
    return object;
  }

  // vantrel-lab's CSV of these records, with the learner's columns when the sweep compares
  // learners (--learner), as the command line writes them.
  std::string Csv(const val& records) const {
    return SweepCsv(RecordsOf(records), sweep_.plan().learner);
  }

 private:
  LabSweep sweep_;
};

std::string SweepCsvBinding(const val& records) { return SweepCsv(RecordsOf(records)); }

}  // namespace
}  // namespace vantrel

EMSCRIPTEN_BINDINGS(lab) {
  using vantrel::LabSweepBinding;
  emscripten::class_<LabSweepBinding>("LabSweep")
      .constructor<const emscripten::val&>()
      .function("error", &LabSweepBinding::Error)
      .function("totalRuns", &LabSweepBinding::TotalRuns)
      .function("conditionCount", &LabSweepBinding::ConditionCount)
      .function("shardRuns", &LabSweepBinding::ShardRuns)
      .function("playRun", &LabSweepBinding::PlayRun)
      .function("boxes", &LabSweepBinding::Boxes)
      .function("summary", &LabSweepBinding::Summary)
      .function("comparison", &LabSweepBinding::Comparison)
      .function("learners", &LabSweepBinding::Learners)
      .function("csv", &LabSweepBinding::Csv);
  emscripten::function("sweepCsv", &vantrel::SweepCsvBinding);
}

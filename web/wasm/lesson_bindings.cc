// Lessons and a class's results for the page (embind): a lesson link's bytes and fragment,
// the teacher's lesson text from the dialog's choices, the goal words the dialog offers and
// the goal's sentence, the worksheet's steps and questions, and runs files pooled into the
// class's summary, box plots, CSV and workbook. The page inflates and deflates; every rule
// of the texts is the core's. Declared in vantrel_engine.d.ts.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "lab/class_results.h"
#include "lab/goal.h"
#include "lab/goal_list.h"
#include "lab/goal_sentence.h"
#include "lab/goal_words.h"
#include "lab/lesson.h"
#include "lab/sweep.h"
#include "messages/worksheet.h"
#include "population/random_source.h"
#include "web/wasm/copied_array.h"
#include "web/wasm/notebook_bindings.h"
#include "web/wasm/sheet_bindings.h"

namespace vantrel {
namespace {

using emscripten::val;

// The compressed lesson a link (a whole address or its fragment) carries, or null.
val LessonLinkBytes(const std::string& link) {
  const std::optional<std::string_view> data = LessonLinkData(link);
  if (!data) return val::null();
  const std::optional<std::string> bytes = Base64UrlDecode(*data);
  if (!bytes || bytes->empty()) return val::null();
  return CopiedBytes(*bytes);
}

// Whether a link is meant as a lesson, sound or damaged.
bool IsLessonLink(const std::string& link) { return LessonLinkData(link).has_value(); }

std::string LessonFragmentBinding(const val& compressed) {
  return LessonFragment(BytesOf(compressed));
}

// A title as a lesson may hold it: control characters become spaces, at most
// kMaxLessonTitleBytes of whole UTF-8 characters.
std::string LessonTitle(const std::string& typed) {
  std::string title;
  for (const char c : typed) title += static_cast<unsigned char>(c) < 0x20 || c == 0x7f ? ' ' : c;
  if (title.size() > kMaxLessonTitleBytes) {
    std::size_t end = kMaxLessonTitleBytes;
    while (end > 0 && (static_cast<unsigned char>(title[end]) & 0xC0) == 0x80) --end;
    title.resize(end);
  }
  const std::size_t first = title.find_first_not_of(' ');
  const std::size_t last = title.find_last_not_of(' ');
  return first == std::string::npos ? std::string() : title.substr(first, last - first + 1);
}

int IntOf(const val& object, const char* name) {
  const val field = object[name];
  return field.isNumber() ? field.as<int>() : 0;
}

// The lesson text of the teacher's choices ({title, startSeconds, parameters, goal,
// experiment, lockParameters}), or {text: "", problem} when the goal is not one the
// program reads.
val LessonTextBinding(const val& choices) {
  Lesson lesson;
  lesson.start_ms = static_cast<std::uint32_t>(IntOf(choices, "startSeconds") % 86400) * 1000u;
  const val parameters = choices["parameters"];
  if (parameters.isArray() && parameters["length"].as<int>() == 3) {
    lesson.parameters =
        Parameters{parameters[0].as<int>(), parameters[1].as<int>(), parameters[2].as<int>()};
  }
  val result = val::object();
  result.set("problem", std::string());
  const val goal = choices["goal"];
  if (goal.isString() && !goal.as<std::string>().empty()) {
    ParsedGoal parsed = ParseGoalList(goal.as<std::string>());
    if (!parsed.error.empty()) {
      result.set("text", std::string());
      result.set("problem", parsed.error);
      return result;
    }
    lesson.goal = std::move(parsed.goal);
  }
  lesson.experiment = IntOf(choices, "experiment");
  lesson.lock_parameters = choices["lockParameters"].isTrue();
  const val title = choices["title"];
  if (title.isString()) lesson.title = LessonTitle(title.as<std::string>());
  const std::string text = LessonText(lesson);
  // What the pupils' faces will read: a text they would refuse is no lesson to hand out.
  result.set("text", ParseLesson(text).lesson ? text : std::string());
  return result;
}

// The goal words vantrel-lab --goal takes, per aspect: {key, words}.
val GoalWordsBinding() {
  val aspects = val::array();
  for (const Aspect aspect : kAspects) {
    val words = val::array();
    for (int word = 0; word < WordCount(aspect); ++word) {
      words.call<void>("push", std::string(WordText(aspect, word)));
    }
    val object = val::object();
    object.set("key", std::string(AspectKey(aspect)));
    object.set("words", words);
    aspects.call<void>("push", object);
  }
  return aspects;
}

// The judged words of an idea drawn as the light bulb draws one, from a random source of
// its own seeded with `seed` (the engine's stays as it is): [{key, word}], as goalWords
// names them, never empty.
val IdeaGoalBinding(std::uint32_t seed) {
  LcgRandom random(seed);
  const Goal goal = WordGoalOfIdeas(random);
  val chosen = val::array();
  for (const Aspect aspect : kAspects) {
    if (goal[aspect] == kNotJudged) continue;
    val pair = val::object();
    pair.set("key", std::string(AspectKey(aspect)));
    pair.set("word", std::string(WordText(aspect, goal[aspect])));
    chosen.call<void>("push", pair);
  }
  return chosen;
}

// The goal of a key=value list as the pupils will read it, "" for none; the list's own
// problem when it is not one the program reads.
std::string GoalSentenceBinding(const std::string& list) {
  if (list.empty()) return std::string();
  const ParsedGoal parsed = ParseGoalList(list);
  return parsed.error.empty() ? GoalSentence(parsed.goal) : parsed.error;
}

// The printed worksheet's parts for an experiment (1 to 5; no steps for any other):
// {stepsHeading, steps, countsHeading, countColumns, questionsHeading, questions}.
val WorksheetBinding(int experiment) {
  const Worksheet sheet = ExperimentWorksheet(experiment);
  val object = val::object();
  object.set("stepsHeading", sheet.steps_heading);
  object.set("steps", StringArray(sheet.steps));
  object.set("countsHeading", sheet.counts_heading);
  object.set("countColumns", StringArray(sheet.count_columns));
  object.set("questionsHeading", sheet.questions_heading);
  object.set("questions", StringArray(sheet.questions));
  return object;
}

val LessonLimitsBinding() {
  val limits = val::object();
  limits.set("lessonBytes", static_cast<double>(kMaxLessonBytes));
  limits.set("lastExperiment", kLastExperiment);
  limits.set("runsFileBytes", static_cast<double>(kMaxRunsFileBytes));
  return limits;
}

// A class's runs files pooled once, read as the page shows them.
class ClassResultsBinding {
 public:
  // `files`: [{name, bytes}], bytes a Uint8Array.
  explicit ClassResultsBinding(const val& files) {
    std::vector<RunsFile> read;
    const int length = files.isArray() ? files["length"].as<int>() : 0;
    for (int i = 0; i < length; ++i) {
      const val file = files[i];
      const val name = file["name"];
      read.push_back(
          {name.isString() ? name.as<std::string>() : std::string(), BytesOf(file["bytes"])});
    }
    results_ = PoolRunsFiles(read);
  }

  std::string Summary() const { return ClassSummary(results_); }
  val Skipped() const { return StringArray(results_.skipped); }
  int FilesRead() const { return results_.files_read; }

  // Per group: {lesson, pupils, runs, plot: {boxes, axis}}.
  val Groups() const {
    val groups = val::array();
    for (const ClassGroup& group : results_.groups) {
      val object = val::object();
      object.set("lesson", group.lesson);
      object.set("pupils", StringArray(group.pupils));
      object.set("runs", static_cast<int>(group.runs.size()));
      object.set("plot", StablePlotObject(StableBoxes(GroupResults(group))));
      groups.call<void>("push", object);
    }
    return groups;
  }

  std::string PooledCsv() const { return PooledRunsCsv(results_); }

  // The workbook's one sheet, as the engine's sheet and sheetCells give theirs.
  val Sheet() {
    Pool();
    return SheetFormatValue(workbook_->sheets.front().format);
  }
  val SheetCells() {
    Pool();
    return CellsValue(workbook_->sheets.front().cells, std::string());
  }

 private:
  void Pool() {
    if (!workbook_) workbook_ = PooledRunsWorkbook(results_);
    if (workbook_->sheets.empty()) workbook_->sheets.emplace_back();
  }

  ClassResults results_;
  std::optional<Workbook> workbook_;
};

}  // namespace
}  // namespace vantrel

EMSCRIPTEN_BINDINGS(lesson) {
  using vantrel::ClassResultsBinding;
  emscripten::function("lessonLinkBytes", &vantrel::LessonLinkBytes);
  emscripten::function("isLessonLink", &vantrel::IsLessonLink);
  emscripten::function("lessonFragment", &vantrel::LessonFragmentBinding);
  emscripten::function("lessonText", &vantrel::LessonTextBinding);
  emscripten::function("goalWords", &vantrel::GoalWordsBinding);
  emscripten::function("ideaGoal", &vantrel::IdeaGoalBinding);
  emscripten::function("lessonLimits", &vantrel::LessonLimitsBinding);
  emscripten::function("goalSentence", &vantrel::GoalSentenceBinding);
  emscripten::function("worksheet", &vantrel::WorksheetBinding);
  emscripten::function("notALessonMessage", &vantrel::NotALessonMessage);
  emscripten::class_<ClassResultsBinding>("ClassResults")
      .constructor<const emscripten::val&>()
      .function("summary", &ClassResultsBinding::Summary)
      .function("skipped", &ClassResultsBinding::Skipped)
      .function("filesRead", &ClassResultsBinding::FilesRead)
      .function("groups", &ClassResultsBinding::Groups)
      .function("pooledCsv", &ClassResultsBinding::PooledCsv)
      .function("sheet", &ClassResultsBinding::Sheet)
      .function("sheetCells", &ClassResultsBinding::SheetCells);
}

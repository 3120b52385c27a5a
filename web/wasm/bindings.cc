// The engine's calls for a web page (embind). Actions answer with what changed; readers
// hand back plain JavaScript values (objects, arrays, strings, a Uint8Array), so the page
// never holds C++ objects other than the Engine itself. vantrel_engine.d.ts declares all
// of it; tests/web/bindings_test.mjs calls every declared name.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/engine.h"
#include "gallery/gallery_layout.h"
#include "gallery/organism_texts.h"
#include "lab/learner.h"
#include "lab/learner_texts.h"
#include "lab/run_csv.h"
#include "messages/experiment_pages.h"
#include "messages/web_links.h"
#include "population/clock.h"
#include "web/pinned_clock.h"
#include "web/session.h"
#include "web/wasm/copied_array.h"
#include "web/wasm/journal_bindings.h"
#include "web/wasm/notebook_bindings.h"
#include "web/wasm/sheet_bindings.h"
#include "web/wasm/tree_bindings.h"

namespace vantrel {
namespace {

using emscripten::val;

val ChangeObject(const EngineChange& change) {
  val object = val::object();
  object.set("table", change.table);
  object.set("selection", change.selection);
  object.set("run", change.run);
  object.set("counters", change.counters);
  object.set("parameters", change.parameters);
  object.set("learner", change.learner);
  return object;
}

val ParametersObject(const Parameters& parameters) {
  val object = val::object();
  object.set("startOrganisms", parameters.start_organisms);
  object.set("creativity", parameters.creativity);
  object.set("bonus", parameters.bonus);
  return object;
}

val StringArray(const std::vector<std::string>& texts) {
  val array = val::array();
  for (std::size_t i = 0; i < texts.size(); ++i) array.set(i, texts[i]);
  return array;
}

// A field of a parameters object the page passed: its number, or NaN (kept as it was).
double NumberField(const val& object, const char* name) {
  const val field = object[name];
  return field.isNumber() ? field.as<double>() : std::numeric_limits<double>::quiet_NaN();
}

// The Engine class of the module: the session, started from the page's clock (`Date`) as
// the desktop starts from the system clock, or from a moment the caller pins.
class EngineBinding {
 public:
  EngineBinding() : session_(std::make_unique<SystemClock>()) {}
  explicit EngineBinding(double unix_milliseconds)
      : session_(std::make_unique<PinnedClock>(unix_milliseconds)) {}

  val NewGenePool() { return ChangeObject(session_.NewGenePool()); }
  val Feed() { return ChangeObject(session_.Feed()); }
  val Shoot() { return ChangeObject(session_.Shoot()); }
  val NewIdea() { return ChangeObject(session_.NewIdea()); }
  val Undo() { return ChangeObject(session_.Undo()); }
  val Redo() { return ChangeObject(session_.Redo()); }
  val SelectRow(int row) { return ChangeObject(session_.SelectRow(row)); }

  val SetParameters(const val& numbers) {
    if (numbers.typeOf().as<std::string>() != "object" || numbers.isNull())
      return ParametersObject(session_.parameters());
    return ParametersObject(session_.SetParameters({NumberField(numbers, "startOrganisms"),
                                                    NumberField(numbers, "creativity"),
                                                    NumberField(numbers, "bonus")}));
  }

  // `bytes` is a Uint8Array (or any array of bytes).
  val LoadTable(const val& bytes, const std::string& file_name) {
    // Copied once, straight into the text (a big table is tens of megabytes).
    const LoadOutcome outcome = session_.LoadTable(BytesOf(bytes), file_name);
    val object = val::object();
    object.set("ok", outcome.ok);
    object.set("errorReport", outcome.error_report);
    object.set("message", outcome.message);
    object.set("status", outcome.status);
    object.set("change", ChangeObject(outcome.change));
    return object;
  }

  val TableBytes() const {
    const std::string bytes = session_.TableBytes();
    return CopiedBytes(bytes);
  }

  int RowCount() const { return session_.RowCount(); }

  val Rows(int first, int count) const {
    val rows = val::array();
    int index = 0;
    for (const TableRow& row : session_.Rows(first, count)) {
      val object = val::object();
      object.set("id", row.id);
      object.set("p1", row.p1);
      object.set("p2", row.p2);
      object.set("dna", row.dna);
      object.set("survival", row.survival);
      rows.set(index++, object);
    }
    return rows;
  }

  val ColumnTitles() const { return StringArray(session_.ColumnTitles()); }

  val ShownRows(int first, int count) const {
    val rows = val::array();
    int index = 0;
    for (const std::vector<std::string>& cells : session_.ShownRows(first, count)) {
      rows.set(index++, StringArray(cells));
    }
    return rows;
  }

  int SelectedRow() const { return session_.SelectedRow(); }

  val Counters() const {
    const SessionCounters counters = session_.Counters();
    val object = val::object();
    object.set("organismCounter", counters.organism_counter);
    object.set("run", counters.run_number);
    object.set("feeds", counters.feeds);
    object.set("shots", counters.shots);
    object.set("clicks", counters.clicks);
    object.set("firstMatchClick", counters.first_match_click);
    object.set("stableClick", counters.stable_click);
    object.set("organisms", counters.organisms);
    object.set("matching", counters.matching);
    object.set("canUndo", counters.can_undo);
    object.set("canRedo", counters.can_redo);
    return object;
  }

  val ParametersNow() const { return ParametersObject(session_.parameters()); }

  // Lent, not copied: the page puts the picture on its canvas at once, and a copy of half
  // a megabyte would take longer than the drawing.
  val OrganismRgba(double size, double device_pixel_ratio) {
    organism_rgba_ = session_.OrganismRgba(size, device_pixel_ratio);
    return val(emscripten::typed_memory_view(organism_rgba_.size(), organism_rgba_.data()));
  }

  val PictureRgba(const std::string& dna, double size, double device_pixel_ratio) const {
    const std::vector<std::uint8_t> rgba = WebSession::PictureRgba(dna, size, device_pixel_ratio);
    return CopiedArray(rgba.data(), rgba.size());
  }

  std::string Tooltip(int row) const { return session_.Tooltip(row); }
  std::string OrganismWords() const { return session_.OrganismWords(); }
  std::string Idea() const { return session_.idea(); }
  std::string Goal() const { return session_.Goal(); }
  std::string GoalList() const { return session_.GoalList(); }
  // The family tree of an organism by its serial, or of the selected one (negative).
  val FamilyTree(double serial) const { return FamilyTreeObject(session_, serial); }
  // The learner's whole state as the desktop's engine encodes it, to compare the two faces
  // after the same clicks (its words are Learner's).
  val LearnerBytes() const { return CopiedBytes(session_.engine().learner().Encode()); }
  val DeclareReached() { return ChangeObject(session_.DeclareReached()); }

  // A lesson's text opened: {opened, message, change}.
  val OpenLesson(const std::string& text) {
    LessonOpening opening;
    const EngineChange change = session_.OpenLesson(text, opening);
    val object = val::object();
    object.set("opened", opening.opened);
    object.set("message", opening.message);
    object.set("change", ChangeObject(change));
    return object;
  }
  // The lesson opened last, or null.
  val Lesson() const {
    const std::optional<OpenLessonState>& lesson = session_.engine().lesson();
    if (!lesson) return val::null();
    val object = val::object();
    object.set("id", lesson->id);
    object.set("title", lesson->title);
    object.set("experiment", lesson->experiment);
    object.set("lockParameters", lesson->lock_parameters);
    return object;
  }
  bool ParametersLocked() const { return session_.engine().parameters_locked(); }
  val SetPupil(const std::string& name) { return ChangeObject(session_.SetPupil(name)); }
  // "runs.csv", or the pupil's runs-<name>.csv.
  std::string RunsFileName() const {
    return vantrel::RunsFileName(session_.engine().notebook().pupil());
  }
  val Notebook() const { return NotebookObject(session_); }
  std::string RunsCsv() const { return RunsCsvText(session_); }
  // Automatic runs (vantrel-lab's CSV) joining the notebook: the first number and count.
  val AddRuns(const std::string& runs_csv) {
    int first = 0;
    const int count = session_.AddRuns(runs_csv, first);
    val joined = val::object();
    joined.set("first", first);
    joined.set("count", count);
    return joined;
  }

  // The learner: what it weighs most in words, how often it predicted the last clicks, and
  // the run's clicks, the user's apart from its own.
  val Learner() const {
    const vantrel::Learner& learner = session_.engine().learner();
    val traits = val::array();
    int index = 0;
    for (const LearnedTrait& trait : learner.Strongest()) {
      val object = val::object();
      object.set("text", trait.text);
      object.set("strength", trait.strength);
      object.set("keeps", trait.keeps);
      traits.set(index++, object);
    }
    const int run_clicks = session_.Counters().clicks;
    const int learner_clicks = session_.engine().learner_clicks();
    val object = val::object();
    object.set("traits", traits);
    object.set("accuracy", learner.AccuracyText());
    object.set("clicks", learner.clicks());
    object.set("userClicks", UserClicks(run_clicks, learner_clicks));
    object.set("learnerClicks", learner_clicks);
    object.set("clicksText", RunClicksText(run_clicks, learner_clicks));
    return object;
  }
  // The chance that the user keeps the organism in `row`, 0 to 1, and in words; null and
  // "" outside the table's organisms.
  val ChanceKept(int row) const {
    const std::optional<double> chance = session_.engine().ChanceKept(row);
    return chance ? val(*chance) : val::null();
  }
  std::string ChanceKeptWords(int row) const {
    const std::optional<double> chance = session_.engine().ChanceKept(row);
    return chance ? ChanceKeptText(*chance) : std::string();
  }
  val ResetLearner() { return ChangeObject(session_.ResetLearner()); }
  bool StartJudging() { return session_.StartJudging(); }
  val JudgeMore(int clicks) { return ChangeObject(session_.JudgeMore(clicks)); }
  val StopJudging() { return ChangeObject(session_.StopJudging()); }
  bool Judging() const { return session_.engine().judging(); }

  // The journal (journal_bindings.h).
  void StartJournal() { session_.StartJournal(); }
  val TakeJournal() { return JournalRecordsValue(session_.TakeJournal()); }
  std::string FinishedRuns() const { return session_.FinishedRunsCsv(); }
  val RestoreRun(const val& run) { return RestoreRunValue(session_, run); }

  // The workbooks' sheets (sheet_bindings.h).
  val Sheet(const std::string& kind) const { return SheetValue(session_, kind); }
  val SheetCells(const std::string& kind, int first_row, int row_count) const {
    return SheetCellsValue(session_, kind, first_row, row_count);
  }

 private:
  WebSession session_;
  // The shown organism's last picture, which organismRgba lends to the page.
  std::vector<std::uint8_t> organism_rgba_;
};

int PictureSideBinding(double size, double device_pixel_ratio) {
  return PictureSide(size, device_pixel_ratio);
}

double SeedAtBinding(double unix_milliseconds) { return SeedAt(unix_milliseconds); }

// The experiments help as the desktop's dialog shows it: its title, its close button's
// text and its pages.
double LargestTableFileBinding() { return kMaxTableFileBytes; }

val ExperimentsHelpBinding() {
  val pages = val::array();
  for (const ExperimentPage& page : ExperimentPages()) {
    val object = val::object();
    object.set("caption", ShownCaption(page));
    object.set("text", ShownText(page));
    pages.call<void>("push", object);
  }
  val help = val::object();
  help.set("title", ExperimentsTitle());
  help.set("close", ExperimentsCloseText());
  help.set("pages", pages);
  return help;
}

// The addresses the desktop's two links open.
val WebLinksBinding() {
  val links = val::object();
  links.set("makerHomePage", std::string(kMakerHomePage));
  links.set("productPage", std::string(kProductPage));
  return links;
}

// The learner's texts beside the page's controls, and the limits of "Judge like me".
val LearnerTextsBinding() {
  val object = val::object();
  object.set("heading", WhatYouSelectForHeading());
  object.set("judgeLikeMe", JudgeLikeMeText());
  object.set("reset", ResetLearnerText());
  object.set("chances", ShowChancesText());
  object.set("clicks", JudgedClicksText());
  object.set("pace", JudgingPaceText());
  object.set("cancel", CancelJudgingText());
  object.set("nothingLearned", NothingLearnedText());
  object.set("mostClicks", kMostJudgedClicks);
  object.set("firstClicks", kFirstJudgedClicks);
  object.set("fastestPace", kFastestJudgingPace);
  object.set("firstPace", kFirstJudgingPace);
  return object;
}

// The population view's picture sizes, the padding around each picture, and what it
// says when the table is empty.
val GalleryBinding() {
  val gallery = val::object();
  gallery.set("minPictureSize", GalleryLayout::kMinPictureSize);
  gallery.set("maxPictureSize", GalleryLayout::kMaxPictureSize);
  gallery.set("defaultPictureSize", GalleryLayout::kDefaultPictureSize);
  gallery.set("padding", GalleryLayout::kPadding);
  gallery.set("emptyHint", EmptyGalleryHint());
  return gallery;
}

}  // namespace
}  // namespace vantrel

EMSCRIPTEN_BINDINGS(vantrel_engine) {
  using vantrel::EngineBinding;
  emscripten::class_<EngineBinding>("Engine")
      .constructor<>()
      .constructor<double>()
      .function("newGenePool", &EngineBinding::NewGenePool)
      .function("feed", &EngineBinding::Feed)
      .function("shoot", &EngineBinding::Shoot)
      .function("newIdea", &EngineBinding::NewIdea)
      .function("undo", &EngineBinding::Undo)
      .function("redo", &EngineBinding::Redo)
      .function("selectRow", &EngineBinding::SelectRow)
      .function("setParameters", &EngineBinding::SetParameters)
      .function("loadTable", &EngineBinding::LoadTable)
      .function("tableBytes", &EngineBinding::TableBytes)
      .function("rowCount", &EngineBinding::RowCount)
      .function("rows", &EngineBinding::Rows)
      .function("columnTitles", &EngineBinding::ColumnTitles)
      .function("shownRows", &EngineBinding::ShownRows)
      .function("selectedRow", &EngineBinding::SelectedRow)
      .function("counters", &EngineBinding::Counters)
      .function("parameters", &EngineBinding::ParametersNow)
      .function("organismRgba", &EngineBinding::OrganismRgba)
      .function("pictureRgba", &EngineBinding::PictureRgba)
      .function("tooltip", &EngineBinding::Tooltip)
      .function("organismWords", &EngineBinding::OrganismWords)
      .function("idea", &EngineBinding::Idea)
      .function("goal", &EngineBinding::Goal)
      .function("goalList", &EngineBinding::GoalList)
      .function("familyTree", &EngineBinding::FamilyTree)
      .function("learnerBytes", &EngineBinding::LearnerBytes)
      .function("declareReached", &EngineBinding::DeclareReached)
      .function("openLesson", &EngineBinding::OpenLesson)
      .function("lesson", &EngineBinding::Lesson)
      .function("parametersLocked", &EngineBinding::ParametersLocked)
      .function("setPupil", &EngineBinding::SetPupil)
      .function("runsFileName", &EngineBinding::RunsFileName)
      .function("notebook", &EngineBinding::Notebook)
      .function("runsCsv", &EngineBinding::RunsCsv)
      .function("addRuns", &EngineBinding::AddRuns)
      .function("startJournal", &EngineBinding::StartJournal)
      .function("takeJournal", &EngineBinding::TakeJournal)
      .function("finishedRuns", &EngineBinding::FinishedRuns)
      .function("restoreRun", &EngineBinding::RestoreRun)
      .function("learner", &EngineBinding::Learner)
      .function("chanceKept", &EngineBinding::ChanceKept)
      .function("chanceKeptText", &EngineBinding::ChanceKeptWords)
      .function("resetLearner", &EngineBinding::ResetLearner)
      .function("startJudging", &EngineBinding::StartJudging)
      .function("judgeMore", &EngineBinding::JudgeMore)
      .function("stopJudging", &EngineBinding::StopJudging)
      .function("judging", &EngineBinding::Judging)
      .function("sheet", &EngineBinding::Sheet)
      .function("sheetCells", &EngineBinding::SheetCells);
  emscripten::function("pictureSide", &vantrel::PictureSideBinding);
  emscripten::function("largestTableFile", &vantrel::LargestTableFileBinding);
  emscripten::function("seedAt", &vantrel::SeedAtBinding);
  emscripten::function("experimentsHelp", &vantrel::ExperimentsHelpBinding);
  emscripten::function("webLinks", &vantrel::WebLinksBinding);
  emscripten::function("gallery", &vantrel::GalleryBinding);
  emscripten::function("learnerTexts", &vantrel::LearnerTextsBinding);
  emscripten::function("judgingProgress", &vantrel::JudgingProgressText);
}

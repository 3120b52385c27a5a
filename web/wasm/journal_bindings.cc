// The journal's calls for the page (embind): the texts the desktop's journal shows, and
// reading a stored run back; the Engine's own journal calls (startJournal, takeJournal,
// finishedRuns, restoreRun) are bound with the Engine and done here.

#include "web/wasm/journal_bindings.h"

#include <emscripten/bind.h>

#include <cstdint>
#include <string>

#include "history/journal_texts.h"
#include "web/wasm/copied_array.h"

namespace vantrel {
namespace {

using emscripten::val;

StoredRun StoredRunOf(const val& run) {
  StoredRun stored;
  if (run.typeOf().as<std::string>() != "object" || run.isNull()) return stored;
  stored.base = Uint8ArrayBytes(run["base"]);
  stored.base_annex = Uint8ArrayBytes(run["baseAnnex"]);
  stored.entries = Uint8ArrayBytes(run["entries"]);
  const val steps = run["stepsAtEnd"];
  stored.steps_at_end = steps.isNumber() ? steps.as<int>() : 0;
  const val name = run["name"];
  stored.name = name.isString() ? name.as<std::string>() : std::string();
  return stored;
}

// Whether a stored run can be restored and how many steps would come back, without
// restoring it: { readable, steps, lostSteps, offer, message }, `offer` saying whether a
// run that ended unexpectedly is worth offering.
val ReadStoredRunBinding(const val& run) {
  std::string message;
  const std::optional<RunContents> contents = ReadStoredRun(StoredRunOf(run), message);
  val object = val::object();
  object.set("readable", contents.has_value());
  object.set("steps", contents ? contents->steps : 0);
  object.set("lostSteps", contents ? contents->lost_steps : 0);
  object.set("offer", contents.has_value() && WorthOffering(*contents));
  object.set("message", message);
  return object;
}

val JournalTextsBinding() {
  val object = val::object();
  object.set("restoreCaption", RestoreCaption());
  object.set("noEarlierRun", NoEarlierRunText());
  object.set("noJournal", NoJournalText());
  return object;
}

std::string RestoreQuestionBinding(int organisms, int steps) {
  return RestoreQuestion(organisms, steps);
}

std::string JournalFailedBinding(const std::string& where, const std::string& what) {
  return JournalFailedText(where, what);
}

std::string JournalDamagedBinding(const std::string& name) { return JournalDamagedText(name); }

std::string JournalNewerBinding(const std::string& name) { return JournalNewerText(name); }

}  // namespace

val JournalRecordsValue(const std::vector<JournalRecord>& records) {
  val array = val::array();
  int index = 0;
  for (const JournalRecord& record : records) {
    val object = val::object();
    object.set("base", record.base);
    object.set("type", static_cast<int>(record.type));
    object.set("data", CopiedBytes(record.data));
    object.set("annex", CopiedBytes(record.annex));
    object.set("steps", record.steps);
    object.set("organisms", record.organisms);
    array.set(index++, object);
  }
  return array;
}

val RestoreRunValue(WebSession& session, const val& run) {
  std::string runs_csv;
  if (run.typeOf().as<std::string>() == "object" && !run.isNull() &&
      run["finishedRuns"].isString()) {
    runs_csv = run["finishedRuns"].as<std::string>();
  }
  const LoadOutcome outcome = session.RestoreRun(StoredRunOf(run), runs_csv);
  val object = val::object();
  object.set("ok", outcome.ok);
  object.set("message", outcome.message);
  val change = val::object();
  change.set("table", outcome.change.table);
  change.set("selection", outcome.change.selection);
  change.set("run", outcome.change.run);
  change.set("counters", outcome.change.counters);
  change.set("parameters", outcome.change.parameters);
  change.set("learner", outcome.change.learner);
  object.set("change", change);
  return object;
}

}  // namespace vantrel

EMSCRIPTEN_BINDINGS(journal) {
  emscripten::function("readStoredRun", &vantrel::ReadStoredRunBinding);
  emscripten::function("journalTexts", &vantrel::JournalTextsBinding);
  emscripten::function("restoreQuestion", &vantrel::RestoreQuestionBinding);
  emscripten::function("journalFailed", &vantrel::JournalFailedBinding);
  emscripten::function("journalDamaged", &vantrel::JournalDamagedBinding);
  emscripten::function("journalNewer", &vantrel::JournalNewerBinding);
}

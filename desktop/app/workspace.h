#ifndef VANTREL_DESKTOP_APP_WORKSPACE_H_
#define VANTREL_DESKTOP_APP_WORKSPACE_H_

#include <memory>
#include <string>

#include "desktop/app/engine_model.h"
#include "desktop/journal_plugin/journal_factory.h"
#include "engine/engine.h"
#include "history/run_journal.h"
#include "population/clock.h"
#include "population/random_source.h"

namespace vantrel {

// The desktop's document: the engine (table, population, history, lab notebook, parameters)
// and the store in which the engine keeps its journal once opened, made by the journal plugin. The
// composition root owns one and hands it to the windows by reference.
class Workspace {
 public:
  Workspace(RandomSource& random, const Clock& clock)
      : clock_(clock), engine_(random, clock), model_(engine_) {}

  Workspace(const Workspace&) = delete;
  Workspace& operator=(const Workspace&) = delete;

  Engine& engine() { return engine_; }
  // What every window of the desktop listens to.
  EngineModel& model() { return model_; }
  Document& document() { return engine_.document(); }
  History& history() { return engine_.history(); }
  LabNotebook& notebook() { return engine_.notebook(); }

  // The journal, once the program has opened it (after the first paint); null until then
  // and when it could not be opened.
  RunJournal* journal() { return journal_.get(); }
  // Opens this run's journal in `folder`, made by the plugin `plugin_file`. False, with the
  // text to show once, when it cannot, the plugin's failing to load included: the program
  // then runs without one.
  bool OpenJournal(const std::string& folder, std::string& message,
                   const char* plugin_file = kJournalPluginFile);
  // The engine keeps the notebook's runs a last time and lets the journal go, which is then
  // marked closed (a normal end of the program run).
  void CloseJournal();
  // Restores `run` from its journal; `message` tells what to say (a damaged run).
  void RestoreRun(const EarlierRun& run, std::string& message);

 private:
  const Clock& clock_;
  std::unique_ptr<RunJournal> journal_;  // outlives the engine that writes to it
  Engine engine_;
  EngineModel model_;
};

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_APP_WORKSPACE_H_

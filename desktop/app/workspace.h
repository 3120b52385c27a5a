#ifndef VANTREL_DESKTOP_APP_WORKSPACE_H_
#define VANTREL_DESKTOP_APP_WORKSPACE_H_

#include <memory>
#include <string>

#include "engine/engine.h"
#include "history/journal.h"
#include "population/clock.h"
#include "population/random_source.h"

namespace vantrel {

// The desktop's document: the engine (table, population, history, lab notebook, parameters)
// and the journal that keeps its history on disk once opened. The composition root owns one
// and hands it to the windows by reference.
class Workspace {
 public:
  Workspace(RandomSource& random, const Clock& clock) : clock_(clock), engine_(random, clock) {}

  Workspace(const Workspace&) = delete;
  Workspace& operator=(const Workspace&) = delete;

  Engine& engine() { return engine_; }
  Document& document() { return engine_.document(); }
  History& history() { return engine_.history(); }
  LabNotebook& notebook() { return engine_.notebook(); }

  // The journal, once the program has opened it (after the first paint); null until then
  // and when it could not be opened.
  Journal* journal() { return journal_.get(); }
  // Opens this run's journal in `folder`. False, with the text to show once, when it cannot:
  // the program then runs without one.
  bool OpenJournal(const std::string& folder, std::string& message);
  // Marks the journal closed (a normal end of the program run).
  void CloseJournal();

 private:
  const Clock& clock_;
  Engine engine_;
  std::unique_ptr<Journal> journal_;
};

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_APP_WORKSPACE_H_

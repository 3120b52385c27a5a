#ifndef VANTREL_APP_WORKSPACE_H_
#define VANTREL_APP_WORKSPACE_H_

#include <memory>

#include "history/history.h"
#include "history/journal.h"
#include "lab/notebook.h"
#include "population/clock.h"
#include "population/document.h"
#include "population/random_source.h"

namespace vantrel {

// The parameter boxes' built-in values, which the first population is made with.
inline constexpr Parameters kStartParameters{};

// The parameter boxes as the lab notebook records them.
inline RunParameters AsRunParameters(const Parameters& boxes) {
  return {boxes.start_organisms, boxes.creativity, boxes.bonus};
}

// Everything the program knows about its population: the document (table, population,
// random source), the history of its steps with the record of every organism, the lab
// notebook that measures it, and the journal that keeps the history on disk once opened.
// The composition root owns one and hands it to the windows by reference.
//
// Creating it seeds the random source from the clock and makes the first population, which
// the history and the notebook take as their start.
class Workspace {
 public:
  Workspace(RandomSource& random, const Clock& clock);

  Workspace(const Workspace&) = delete;
  Workspace& operator=(const Workspace&) = delete;

  Document& document() { return document_; }
  History& history() { return history_; }
  LabNotebook& notebook() { return notebook_; }
  // Starts an experiment run of the notebook now, with these boxes, keeping the goal or
  // aiming for a new one.
  void StartRun(const Parameters& boxes);
  void StartRun(Goal goal, const Parameters& boxes);

  // The journal, once the program has opened it (after the first paint); null until then
  // and when it could not be opened.
  Journal* journal() { return journal_.get(); }
  // Opens this run's journal in `folder`. False, with the text to show once, when it cannot:
  // the program then runs without one.
  bool OpenJournal(const std::string& folder, std::string& message);
  // Marks the journal closed (a normal end of the program run).
  void CloseJournal();

 private:
  static Document& StartFirstPopulation(Document& document, const Clock& clock);

  const Clock& clock_;
  Document document_;
  History history_;
  LabNotebook notebook_;
  std::unique_ptr<Journal> journal_;
};

}  // namespace vantrel

#endif  // VANTREL_APP_WORKSPACE_H_

#include <optional>
#include <string>
#include <utility>

#include "app/main_window.h"
#include "history/history.h"
#include "history/journal.h"
#include "lab/run_csv.h"
#include "ui/messages.h"

namespace vantrel {

namespace {

constexpr char kRestoreCaption[] = "Restore population";

std::string RestoreQuestion(const EarlierRun& run) {
  return "Vantrel ended unexpectedly. Restore the population of that run (" +
         std::to_string(run.organisms) + " organisms, " + std::to_string(run.steps) + " steps)?";
}

}  // namespace

void MainWindow::AfterStep() {
  const History& history = workspace_.history();
  // The notebook's counters at each step, so that undo and redo bring them back too.
  const Run* run = workspace_.notebook().current_run();
  const auto position = static_cast<std::size_t>(history.position());
  counters_.resize(position + 1);
  if (run != nullptr) {
    counters_[position] = {run->number,       run->feeds,     run->shots, run->first_match_click,
                           run->stable_click, run->reached_by};
  }
  ReportJournal();
  emit populationStepped();
}

void MainWindow::NoteParameterChanges() {
  const Parameters boxes = CurrentParameters();
  LabNotebook& notebook = workspace_.notebook();
  if (boxes.start_organisms != noted_parameters_.start_organisms) {
    notebook.ParameterChanged(Parameter::kPopulation, boxes.start_organisms);
  }
  if (boxes.creativity != noted_parameters_.creativity) {
    notebook.ParameterChanged(Parameter::kCreativity, boxes.creativity);
  }
  if (boxes.bonus != noted_parameters_.bonus) {
    notebook.ParameterChanged(Parameter::kBonus, boxes.bonus);
  }
  noted_parameters_ = boxes;
}

void MainWindow::StartNotebookRun(std::optional<Goal> goal) {
  const Parameters boxes = CurrentParameters();
  noted_parameters_ = boxes;
  if (goal) {
    workspace_.StartRun(std::move(*goal), boxes);
  } else {
    workspace_.StartRun(boxes);
  }
  KeepNotebookInJournal();
}

void MainWindow::KeepNotebookInJournal() {
  // Finished runs change only when a run starts or automatic runs arrive; the current
  // run's counters follow at the next run start or at the close.
  if (Journal* journal = workspace_.journal()) {
    journal->SaveNotebook(RunsCsv(workspace_.notebook().runs().runs()));
  }
}

void MainWindow::onUndoClicked() {
  History& history = workspace_.history();
  if (!history.Undo()) return;
  AfterUndoOrRedo();
}

void MainWindow::onRedoClicked() {
  History& history = workspace_.history();
  if (!history.Redo()) return;
  AfterUndoOrRedo();
}

void MainWindow::AfterUndoOrRedo() {
  const History& history = workspace_.history();
  SetParameters(history.parameters());
  showSelectedOrganism();
  const auto position = static_cast<std::size_t>(history.position());
  LabNotebook& notebook = workspace_.notebook();
  const Run* current = notebook.current_run();
  if (position < counters_.size() && current != nullptr &&
      counters_[position].run == current->number) {
    Run run = *current;
    const RunCounters& counters = counters_[position];
    run.feeds = counters.feeds;
    run.shots = counters.shots;
    run.first_match_click = counters.first_match_click;
    run.stable_click = counters.stable_click;
    run.reached_by = counters.reached_by;
    notebook.RestoreCurrentRun(run);
  }
  ReportJournal();
  emit populationStepped();
}

void MainWindow::ReportJournal() {
  Journal* journal = workspace_.journal();
  if (journal == nullptr) return;
  const std::string message = journal->TakeMessage();
  if (!message.empty()) services_.messages.ShowMessage(message);
}

void MainWindow::OpenJournalAndOfferRestore() {
  std::string message;
  if (!workspace_.OpenJournal(Journal::DefaultFolder(), message)) {
    if (!message.empty()) services_.messages.ShowMessage(message);
    return;
  }
  const std::optional<EarlierRun> crashed = workspace_.journal()->FindCrashedRun();
  if (crashed && services_.messages.AskYesNo(kRestoreCaption, RestoreQuestion(*crashed))) {
    RestoreRun(*crashed);
  }
}

void MainWindow::onRestoreLastRunClicked() {
  Journal* journal = workspace_.journal();
  if (journal == nullptr) {
    services_.messages.ShowMessage("There is no journal to restore from in this run.");
    return;
  }
  const std::optional<EarlierRun> latest = journal->FindLatestRun();
  if (!latest) {
    services_.messages.ShowMessage("There is no earlier run to restore.");
    return;
  }
  RestoreRun(*latest);
}

void MainWindow::RestoreRun(const EarlierRun& run) {
  std::string message;
  if (!workspace_.journal()->RestoreRun(run, workspace_.history(), message)) {
    services_.messages.ShowMessage(message);
    return;
  }
  // The experiment runs of that program run join this one's run table.
  workspace_.notebook().AddRuns(ParseRunsCsv(Journal::ReadNotebook(run.path)));
  SetParameters(workspace_.history().parameters());
  showSelectedOrganism();
  StartNotebookRun();
  AfterStep();
}

}  // namespace vantrel

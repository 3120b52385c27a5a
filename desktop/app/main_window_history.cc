#include <optional>
#include <string>

#include "desktop/app/main_window.h"
#include "history/history.h"
#include "history/journal_texts.h"
#include "lab/run_csv.h"
#include "messages/messages.h"

namespace vantrel {

namespace {

std::string RestoreQuestion(const EarlierRun& run) {
  return vantrel::RestoreQuestion(run.organisms, run.steps);
}

}  // namespace

void MainWindow::onUndoClicked() { engine().Undo(); }

void MainWindow::onRedoClicked() { engine().Redo(); }

void MainWindow::ReportJournal() {
  RunJournal* journal = workspace_.journal();
  if (journal == nullptr) return;
  const std::string message = journal->TakeMessage();
  if (!message.empty()) services_.messages.ShowMessage(message);
}

void MainWindow::OpenJournalAndOfferRestore() {
  std::string message;
  if (!workspace_.OpenJournal(JournalFolder(), message)) {
    if (!message.empty()) services_.messages.ShowMessage(message);
    return;
  }
  const std::optional<EarlierRun> crashed = workspace_.journal()->FindCrashedRun();
  if (!crashed) return;
  if (crashed->reading != EarlierRun::Reading::kReadable) {
    services_.messages.ShowMessage(UnreadableRunMessage(*crashed));
    return;
  }
  if (services_.messages.AskYesNo(RestoreCaption(), RestoreQuestion(*crashed))) {
    RestoreRun(*crashed);
  }
}

void MainWindow::onRestoreLastRunClicked() {
  RunJournal* journal = workspace_.journal();
  if (journal == nullptr) {
    services_.messages.ShowMessage(NoJournalText());
    return;
  }
  const std::optional<EarlierRun> latest = journal->FindLatestRun();
  if (!latest) {
    services_.messages.ShowMessage(NoEarlierRunText());
    return;
  }
  RestoreRun(*latest);
}

void MainWindow::RestoreRun(const EarlierRun& run) {
  std::string message;
  workspace_.RestoreRun(run, message);
  // Also after a restore: a damaged end is told once what could be read is back.
  if (!message.empty()) services_.messages.ShowMessage(message);
}

}  // namespace vantrel

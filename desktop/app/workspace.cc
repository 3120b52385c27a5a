#include "desktop/app/workspace.h"

#include <optional>
#include <utility>

#include "lab/run_csv.h"

namespace vantrel {

bool Workspace::OpenJournal(const std::string& folder, std::string& message) {
  auto journal = std::make_unique<Journal>(folder, clock_);
  if (!journal->Open()) {
    message = journal->TakeMessage();
    return false;
  }
  journal_ = std::move(journal);
  engine_.KeepJournal(*journal_);
  return true;
}

void Workspace::CloseJournal() {
  engine_.StopJournal();
  if (journal_) journal_->Close();
}

void Workspace::RestoreRun(const EarlierRun& run, std::string& message) {
  const std::optional<StoredJournal> stored = Journal::ReadStored(run.path, message);
  if (!stored) return;
  // The experiment runs of that program run join this one's run table.
  engine_.RestoreJournal(*stored, ParseRunsCsv(Journal::ReadNotebook(run.path)), message);
}

}  // namespace vantrel

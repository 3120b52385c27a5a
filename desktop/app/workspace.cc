#include "desktop/app/workspace.h"

#include <QString>
#include <optional>
#include <utility>

#include "desktop/plugins/plugin_loader.h"
#include "history/journal_texts.h"
#include "lab/run_csv.h"

namespace vantrel {

bool Workspace::OpenJournal(const std::string& folder, std::string& message,
                            const char* plugin_file) {
  std::string problem;
  auto* factory = LoadPluginAs<JournalFactory>(QString::fromLatin1(plugin_file), &problem);
  if (factory == nullptr) {
    // Said as a journal that cannot be kept is: the run goes on without one.
    message = JournalFailedText(folder, problem);
    return false;
  }
  std::unique_ptr<RunJournal> journal = factory->MakeJournal(folder, clock_);
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
  if (!journal_) return;
  const std::optional<StoredJournal> stored = journal_->ReadStoredRun(run, message);
  if (!stored) return;
  // The experiment runs of that program run join this one's run table.
  engine_.RestoreJournal(*stored, ParseRunsCsv(journal_->ReadRunNotebook(run)), message);
}

}  // namespace vantrel

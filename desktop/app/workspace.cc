#include "desktop/app/workspace.h"

#include <utility>

namespace vantrel {

bool Workspace::OpenJournal(const std::string& folder, std::string& message) {
  auto journal = std::make_unique<Journal>(folder, clock_);
  if (!journal->Open(engine_.history())) {
    message = journal->TakeMessage();
    return false;
  }
  journal_ = std::move(journal);
  return true;
}

void Workspace::CloseJournal() {
  if (journal_) journal_->Close();
}

}  // namespace vantrel

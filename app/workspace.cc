#include "app/workspace.h"

#include <string>
#include <utility>

namespace vantrel {

Workspace::Workspace(RandomSource& random, const Clock& clock)
    : clock_(clock),
      document_(random),
      history_(StartFirstPopulation(document_, clock), clock, kStartParameters),
      notebook_(document_.grid()) {
  StartRun(kStartParameters);
}

Document& Workspace::StartFirstPopulation(Document& document, const Clock& clock) {
  document.random().Seed(clock.MillisecondsSinceMidnightUtc());
  document.population().SetUpColumns();
  document.population().NewGenePool(kStartParameters.start_organisms);
  return document;
}

void Workspace::StartRun(const Parameters& boxes) {
  notebook_.StartRun(AsRunParameters(boxes), clock_.UnixMilliseconds() / 1000);
}

void Workspace::StartRun(Goal goal, const Parameters& boxes) {
  notebook_.StartRun(std::move(goal), AsRunParameters(boxes), clock_.UnixMilliseconds() / 1000);
}

bool Workspace::OpenJournal(const std::string& folder, std::string& message) {
  auto journal = std::make_unique<Journal>(folder, clock_);
  if (!journal->Open(history_)) {
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

#ifndef VANTREL_TESTS_CORE_ENGINE_ENTRY_RECORDER_H_
#define VANTREL_TESTS_CORE_ENGINE_ENTRY_RECORDER_H_

#include <utility>
#include <vector>

#include "history/history.h"
#include "history/step.h"

namespace vantrel {

// Records every step, undo, redo and note with the annex the history keeps beside it, as
// a journal reads them back, for tests that restore what was recorded.
class EntryRecorder final : public HistoryListener {
 public:
  explicit EntryRecorder(const History& history) : history_(history) {}
  void StepDone(StepEvent event) override {
    entries.push_back({RunEntry::kStep, std::move(event), history_.Annex()});
  }
  void StepUndone() override { entries.push_back({RunEntry::kUndo, {}, {}}); }
  void StepRedone() override { entries.push_back({RunEntry::kRedo, {}, {}}); }
  void Noted() override { entries.push_back({RunEntry::kNote, {}, history_.Annex()}); }
  std::vector<RunEntry> entries;

 private:
  const History& history_;
};

}  // namespace vantrel

#endif  // VANTREL_TESTS_CORE_ENGINE_ENTRY_RECORDER_H_

#include "history/journal_store.h"

#include <algorithm>
#include <utility>

#include "history/journal_texts.h"

namespace vantrel {

std::optional<RunContents> ReadJournal(const StoredJournal& stored, std::string& message) {
  RunContents contents;
  if (!DecodeSnapshot(stored.base, contents.base)) {
    message = JournalDamagedText(stored.name);
    return std::nullopt;
  }
  contents.base_annex = stored.base_annex;
  int done = 0;
  bool whole = stored.whole;
  for (const StoredJournal::Entry& kept : stored.entries) {
    RunEntry entry;
    if (kept.type < RunEntry::kStep || kept.type > RunEntry::kNote) {
      whole = false;
      break;
    }
    entry.type = static_cast<RunEntry::Type>(kept.type);
    if (entry.type == RunEntry::kStep && !DecodeStepEvent(kept.data, entry.event)) {
      whole = false;
      break;
    }
    entry.annex = kept.annex;
    if (entry.type == RunEntry::kStep || entry.type == RunEntry::kRedo) ++done;
    if (entry.type == RunEntry::kUndo) done = std::max(done - 1, 0);
    contents.entries.push_back(std::move(entry));
  }
  contents.steps = done;
  contents.lost_steps = whole ? 0 : std::max(stored.steps_at_end - done, 0);
  if (!whole) message = JournalLostStepsText(stored.name, contents.lost_steps);
  return contents;
}

bool WorthOffering(const RunContents& contents) {
  return contents.steps > 0 || contents.lost_steps > 0;
}

JournalKeeper::JournalKeeper(History& history, JournalStore& store)
    : history_(history), store_(store) {
  WriteBase();
  history_.set_listener(this);
}

JournalKeeper::~JournalKeeper() { history_.set_listener(nullptr); }

int JournalKeeper::Organisms() const { return history_.document().grid().RowCount() - 1; }

void JournalKeeper::WriteBase() {
  done_ = written_ = 0;
  if (failed_) return;
  failed_ =
      !store_.WriteBase(EncodeSnapshot(history_.TakeSnapshot()), history_.Annex(), Organisms());
}

void JournalKeeper::Append(RunEntry::Type type, std::string annex, std::optional<StepEvent> event) {
  if (failed_) return;
  const bool whole = event && event->whole_table;
  const StringGrid* grid = whole ? &history_.document().grid() : nullptr;
  failed_ =
      !store_.AppendEntry({type, std::move(event), grid, std::move(annex), done_, Organisms()});
}

void JournalKeeper::StepDone(StepEvent event) {
  written_ = ++done_;
  Append(RunEntry::kStep, history_.Annex(), std::move(event));
}

void JournalKeeper::StepUndone() {
  if (done_ == 0) {
    WriteBase();  // the step lies before the base
    return;
  }
  --done_;
  Append(RunEntry::kUndo, {});
}

void JournalKeeper::StepRedone() {
  if (done_ == written_) {
    WriteBase();
    return;
  }
  ++done_;
  Append(RunEntry::kRedo, {});
}

void JournalKeeper::Noted() { Append(RunEntry::kNote, history_.Annex()); }

}  // namespace vantrel

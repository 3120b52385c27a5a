#ifndef VANTREL_WEB_JOURNAL_FEED_H_
#define VANTREL_WEB_JOURNAL_FEED_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "history/history.h"
#include "history/journal_store.h"

namespace vantrel {

// One thing for the page to write to its journal: a new base (the whole table, after
// which the entries written before it no longer count) or one entry, each in the bytes
// the desktop's journal keeps, with the run's counts after it.
struct JournalRecord {
  bool base = false;
  RunEntry::Type type = RunEntry::kStep;
  std::string data;   // the base's snapshot or the step's event; empty for undo, redo, note
  std::string annex;  // the notebook's run beside it
  int steps = 0;      // steps done since the base: what a restore would bring back
  int organisms = 0;
};

// The page's JournalStore: it queues what the engine's journal keeper writes, for the page
// to take after each frame and store in IndexedDB (web/page/src/journal.ts).
class JournalFeed final : public JournalStore {
 public:
  JournalFeed() = default;

  JournalFeed(const JournalFeed&) = delete;
  JournalFeed& operator=(const JournalFeed&) = delete;

  // The records queued since the last call, oldest first.
  std::vector<JournalRecord> Take();
  // The notebook's finished runs as CSV, as last kept.
  const std::string& finished_runs() const { return finished_runs_; }

  bool WriteBase(std::string snapshot, std::string annex, int organisms) override;
  bool AppendEntry(JournalEntry entry) override;
  bool KeepFinishedRuns(std::string csv) override;

 private:
  // A record waiting to be taken. A step keeps its event and is encoded only when taken,
  // which the page does after the frame: a big load's step then costs its encoding there.
  struct Queued {
    JournalRecord record;
    std::optional<StepEvent> event;
  };

  std::vector<Queued> queued_;
  std::string finished_runs_;
};

// A run as the page read it back from its journal.
struct StoredRun {
  std::string base;
  std::string base_annex;
  // Every entry in order, packed by PackEntries.
  std::string entries;
  int steps_at_end = 0;  // as the last record written said
  std::string name;      // how messages name the run
};

// Entries one after another: type (one byte), then the data and the annex, each as a
// 4-byte little-endian length and its bytes. The page packs them so; tests use this.
std::string PackEntries(const std::vector<JournalRecord>& entries);

// The run's bytes as ReadJournal reads them; entries cut short end the unpacking and make it
// not whole.
StoredJournal Unpack(const StoredRun& run);

// Reads a stored run as the desktop reads its journal file (ReadJournal).
std::optional<RunContents> ReadStoredRun(const StoredRun& run, std::string& message);

}  // namespace vantrel

#endif  // VANTREL_WEB_JOURNAL_FEED_H_

#ifndef VANTREL_WEB_JOURNAL_FEED_H_
#define VANTREL_WEB_JOURNAL_FEED_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "history/history.h"
#include "history/journal.h"

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

// Collects a History's steps, undos and redos as journal records while the page plays,
// for the page to take after each frame and store where it keeps its journal. It follows
// the desktop journal: a base first, one entry per step, undo and redo; an undo before the
// base or a redo past what was written starts a new base.
class JournalFeed final : public HistoryListener {
 public:
  // Queues the present table as the base and listens to `history` until destroyed.
  explicit JournalFeed(History& history);
  ~JournalFeed() override;

  JournalFeed(const JournalFeed&) = delete;
  JournalFeed& operator=(const JournalFeed&) = delete;

  // The records queued since the last call, oldest first.
  std::vector<JournalRecord> Take();

  void StepDone(StepEvent event) override;
  void StepUndone() override;
  void StepRedone() override;
  void Noted() override;

 private:
  // A record waiting to be taken. A step keeps its event and is encoded only when taken,
  // which the page does after the frame: a big load's step then costs its encoding there.
  struct Queued {
    JournalRecord record;
    std::optional<StepEvent> event;
  };

  void QueueBase();
  void Queue(RunEntry::Type type, std::string annex, std::optional<StepEvent> event = {});

  History& history_;
  std::vector<Queued> queued_;
  int done_ = 0;
  int written_ = 0;
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

// Reads a stored run as the desktop reads its journal file: a base that cannot be read
// gives nullopt and `message`; entries are read up to the first that cannot be, and then
// `message` tells how many steps were lost.
std::optional<RunContents> ReadStoredRun(const StoredRun& run, std::string& message);

}  // namespace vantrel

#endif  // VANTREL_WEB_JOURNAL_FEED_H_

#ifndef VANTREL_HISTORY_JOURNAL_STORE_H_
#define VANTREL_HISTORY_JOURNAL_STORE_H_

#include <optional>
#include <string>
#include <vector>

#include "history/history.h"
#include "history/step.h"

namespace vantrel {

// One entry for a store to keep, after the base it last wrote: a step with its event, an
// undo, a redo, or a note (only the annex changed); with the run's counts after it.
struct JournalEntry {
  RunEntry::Type type = RunEntry::kStep;
  // A step's event; the store encodes it (EncodeStepEvent) when it writes, which may be
  // later than now (a big load's event is then encoded off the step's own time).
  std::optional<StepEvent> event;
  // For an event that put a whole table in place, the grid holding that table now: the
  // store encodes the table from it before the next step changes it, a piece at a time.
  const StringGrid* grid = nullptr;
  std::string annex;  // the notebook's run beside it; empty for undo and redo
  int steps = 0;      // steps done since the base: what a restore would bring back
  int organisms = 0;
};

// What a store read back of one run, still in the bytes it keeps.
struct StoredJournal {
  struct Entry {
    int type = RunEntry::kStep;
    std::string data;  // a step's encoded event
    std::string annex;
  };
  std::string base;  // the encoded snapshot (EncodeSnapshot)
  std::string base_annex;
  std::vector<Entry> entries;  // in the order written
  // False when the storage itself stopped partway (a damaged page, a short record).
  bool whole = true;
  int steps_at_end = 0;  // steps done at the run's end, as its last write said
  std::string name;      // how messages name the run (a file's path)
};

// What a restore found in a stored run.
struct RunContents {
  Snapshot base;
  std::string base_annex;         // kept beside the base; empty when none was
  std::vector<RunEntry> entries;  // up to the first that cannot be read
  int steps = 0;                  // steps done after the entries read
  int lost_steps = 0;             // steps done at its end that could not be read
};

// Where the record of a session is kept: an SQLite file on the desktop, the browser's
// storage on the page. The store only keeps bytes; when a base is written, what an entry
// holds and how entries are read back is the JournalKeeper's and ReadJournal's.
class JournalStore {
 public:
  virtual ~JournalStore() = default;

  // Keeps a new base, after which the entries kept before it no longer count. False when
  // the store failed (it then keeps nothing more).
  virtual bool WriteBase(std::string snapshot, std::string annex, int organisms) = 0;
  // Keeps one entry after those kept since the base.
  virtual bool AppendEntry(JournalEntry entry) = 0;
  // Keeps the notebook's finished runs (their CSV), replacing what was kept.
  virtual bool KeepFinishedRuns(std::string csv) = 0;
  // What is kept between these lands together (a restore's many steps).
  virtual void BeginBatch() {}
  virtual void EndBatch() {}
};

// Reads a stored run back: a base that cannot be read gives nullopt and `message`; entries
// are read up to the first that cannot be, and then `message` tells how many steps at the
// run's end were lost. Both faces read their runs through this.
std::optional<RunContents> ReadJournal(const StoredJournal& stored, std::string& message);

// Whether a run that ended unexpectedly is worth offering to restore: it did at least one
// step that can be read, or lost some to damage (which the user is then told of).
bool WorthOffering(const RunContents& contents);

// Keeps a History's record in a JournalStore as the session goes: the present table as the
// base, then one entry per step, undo, redo and note. An undo before the base or a redo
// past what was written cannot be an entry: the table as it is then becomes a new base.
class JournalKeeper final : public HistoryListener {
 public:
  // Writes the present table as the base and listens to `history` until destroyed.
  JournalKeeper(History& history, JournalStore& store);
  ~JournalKeeper() override;

  JournalKeeper(const JournalKeeper&) = delete;
  JournalKeeper& operator=(const JournalKeeper&) = delete;

  JournalStore& store() { return store_; }
  bool failed() const { return failed_; }

  void StepDone(StepEvent event) override;
  void StepUndone() override;
  void StepRedone() override;
  void Noted() override;

 private:
  void WriteBase();
  void Append(RunEntry::Type type, std::string annex, std::optional<StepEvent> event = {});
  int Organisms() const;

  History& history_;
  JournalStore& store_;
  // Steps done and steps written since the base: an undo or redo beyond them writes a base.
  int done_ = 0;
  int written_ = 0;
  // A store that failed once keeps nothing more: the session goes on without a journal.
  bool failed_ = false;
};

}  // namespace vantrel

#endif  // VANTREL_HISTORY_JOURNAL_STORE_H_

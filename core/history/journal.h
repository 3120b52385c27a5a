#ifndef VANTREL_HISTORY_JOURNAL_H_
#define VANTREL_HISTORY_JOURNAL_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "history/journal_store.h"
#include "history/run_journal.h"
#include "population/clock.h"

struct sqlite3;
struct sqlite3_stmt;

namespace vantrel {

// The desktop's RunJournal: keeps the record of a program run in an SQLite file as it
// happens, so a run that ends without closing its window can be restored by the next one.
// Its own library with SQLite, linked into the journal plugin that the program loads after
// its first paint, and into the tests and benchmarks.
//
// One file per program run in `folder` (see JournalFolder), write-ahead log with normal
// synchronisation and one transaction per step. A run holds an exclusive flock on a lock
// file beside its journal while it runs and marks the journal closed on Close(). Any
// failure turns the journal off for the rest of the run; message() then holds the text to
// show once, and the program goes on without it.
class Journal final : public RunJournal {
 public:
  // 2: the program's annex (the notebook's run) beside the base and every entry.
  // 3: the entry of a step that put a whole table in place (a load) holds that table.
  static constexpr int kSchemaVersion = 3;
  static constexpr int kKeepRuns = 10;
  static constexpr std::uint64_t kMaxBytes = 200ULL * 1024 * 1024;

  Journal(std::string folder, const Clock& clock);
  ~Journal() override;

  Journal(const Journal&) = delete;
  Journal& operator=(const Journal&) = delete;

  // Creates this run's journal and prunes old runs; its base is the first thing written to
  // it. False (and TakeMessage()) when it cannot.
  bool Open() override;
  bool active() const { return db_ != nullptr; }
  std::string TakeMessage() override;
  void Close() override;

  std::optional<EarlierRun> FindCrashedRun() const override;
  std::optional<EarlierRun> FindLatestRun() const override;
  std::optional<StoredJournal> ReadStoredRun(const EarlierRun& run,
                                             std::string& message) const override {
    return ReadStored(run.path, message);
  }
  std::string ReadRunNotebook(const EarlierRun& run) const override {
    return ReadNotebook(run.path);
  }
  // Reads a run as ReadJournal does. A file that is no journal, or one from a newer
  // version, gives nullopt and `message`.
  static std::optional<RunContents> ReadRun(const std::string& path, std::string& message);
  // The run's bytes as the file keeps them; nullopt and `message` as ReadRun.
  static std::optional<StoredJournal> ReadStored(const std::string& path, std::string& message);
  // The text an earlier run kept with KeepFinishedRuns; empty when it kept none.
  static std::string ReadNotebook(const std::string& path);

  // Deletes the journals of runs that are not running, beyond the newest kKeepRuns and
  // beyond kMaxBytes in all. This run's own journal is kept, and so is the newest earlier
  // one unless it is known to have been closed: a crash is offered before it can go.
  void Prune(int keep_runs = kKeepRuns, std::uint64_t max_bytes = kMaxBytes);

  const std::string& path() const override { return path_; }
  // Caps the file at `pages` pages of 4 KiB, so tests can meet a full disk.
  void set_page_limit(int pages) { page_limit_ = pages; }

  // JournalStore; each write is one transaction, or part of the batch that is open.
  bool WriteBase(std::string snapshot, std::string annex, int organisms) override;
  bool AppendEntry(JournalEntry entry) override;
  bool KeepFinishedRuns(std::string csv) override;
  void BeginBatch() override;
  void EndBatch() override;

 private:
  // The runs whose journals lie in the folder, newest first, not yet read.
  std::vector<EarlierRun> EarlierRuns() const;
  bool Exec(const char* sql);
  // Begins a transaction unless one is open; true when this call began it.
  bool BeginOwn(bool& own);
  bool UpdateCounts(int steps, int organisms);
  // Writes `event`'s whole table, read from `grid`, into the data of the entry just
  // inserted, `size` bytes long.
  int WriteWholeData(const StepEvent& event, const StringGrid& grid, std::uint64_t size);
  // Runs `sql`, an insert with one blob parameter, with `bytes`; on failure the journal fails.
  bool PutBlob(const char* sql, std::string_view bytes, std::string_view second = {});
  void Fail(const std::string& what);
  void CloseDatabase();
  // Removes this run's lock file and lets go of its lock.
  void ReleaseLock();

  std::string folder_;
  const Clock& clock_;
  sqlite3* db_ = nullptr;
  sqlite3_stmt* insert_ = nullptr;
  sqlite3_stmt* update_ = nullptr;
  std::string path_;
  int lock_fd_ = -1;
  int page_limit_ = 0;
  bool in_batch_ = false;
  std::string message_;
};

}  // namespace vantrel

#endif  // VANTREL_HISTORY_JOURNAL_H_

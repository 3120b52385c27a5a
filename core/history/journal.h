#ifndef VANTREL_HISTORY_JOURNAL_H_
#define VANTREL_HISTORY_JOURNAL_H_

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "history/history.h"
#include "population/clock.h"

struct sqlite3;
struct sqlite3_stmt;

namespace vantrel {

// A program run that wrote a journal before this one.
struct EarlierRun {
  // Whether this version can read it: a newer version's journal, or one whose start cannot
  // be read, is still found, so that the user hears of it instead of an older run.
  enum class Reading { kReadable, kNewer, kDamaged };

  std::string path;
  std::int64_t started_ms = 0;
  int organisms = 0;
  int steps = 0;  // steps done at its end (that can be read): what undo could go back through
  bool closed = false;
  Reading reading = Reading::kReadable;
};

// What a restore found in a journal file.
struct RunContents {
  Snapshot base;
  std::string base_annex;         // kept beside the base; empty when none was
  std::vector<RunEntry> entries;  // up to the first that cannot be read
  int steps = 0;                  // steps done after the entries read
  int lost_steps = 0;             // steps done at its end that could not be read
};

// Writes every step, undo and redo of a History to an SQLite file as it happens, so a run
// that ends without closing its window can be restored by the next one.
//
// One file per program run in `folder` (see DefaultFolder), write-ahead log with normal
// synchronisation and one transaction per step. A run holds an exclusive flock on a lock
// file beside its journal while it runs and marks the journal closed on Close(). Any
// failure turns the journal off for the rest of the run; message() then holds the text to
// show once, and the program goes on without it.
class Journal final : public HistoryListener {
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

  // $XDG_STATE_HOME/vantrel, else $HOME/.local/state/vantrel.
  static std::string DefaultFolder();

  // Creates this run's journal with the history's present state as its start, prunes old
  // runs and listens to `history` from then on. False (and message()) when it cannot.
  bool Open(History& history);
  bool active() const { return db_ != nullptr; }
  // The one text to show about a failure since the last call; empty when all is well.
  std::string TakeMessage();
  // Marks the run closed, stops listening and releases the lock. Called on window close.
  void Close();

  // The newest earlier run that is not running, when it ended without Close() and holds at
  // least one readable step: the one to offer at start-up, with the steps that can be read.
  // When that journal was written by a newer version or cannot be read at all, it is given
  // with its reading set, so that the user is told; an older run is never offered instead.
  std::optional<EarlierRun> FindCrashedRun() const;
  // What to tell the user about a run that cannot be offered (empty for a readable one).
  static std::string UnreadableMessage(const EarlierRun& run);
  // The newest earlier run that is not running now, closed or not (Ctrl+Shift+R).
  std::optional<EarlierRun> FindLatestRun() const;
  // Reads a run. A damaged file or one from a newer version gives nullopt and `message`. A
  // file damaged after its start gives the entries before the damage, its lost steps and
  // `message` saying how many steps could not be read.
  static std::optional<RunContents> ReadRun(const std::string& path, std::string& message);
  // Reads `run` and restores it into the history as one restore step and its steps; this
  // run's journal keeps all of it in one transaction. False and `message` on failure.
  bool RestoreRun(const EarlierRun& run, History& history, std::string& message);
  // The same, with `restore` doing the restore into the history (and whatever goes with
  // it); its return says whether every entry fitted.
  bool RestoreRun(const EarlierRun& run, const std::function<bool(const RunContents&)>& restore,
                  std::string& message);

  // Keeps `text` (the lab notebook's run table) with this run's journal, replacing what was
  // kept before; written in its own transaction. False when the journal is off.
  bool SaveNotebook(std::string_view text);
  // The text an earlier run kept with SaveNotebook; empty when it kept none.
  static std::string ReadNotebook(const std::string& path);

  // Deletes the journals of runs that are not running, beyond the newest kKeepRuns and
  // beyond kMaxBytes in all. This run's own journal is kept, and so is the newest earlier
  // one unless it is known to have been closed: a crash is offered before it can go.
  void Prune(int keep_runs = kKeepRuns, std::uint64_t max_bytes = kMaxBytes);

  const std::string& path() const { return path_; }
  // Caps the file at `pages` pages of 4 KiB, so tests can meet a full disk.
  void set_page_limit(int pages) { page_limit_ = pages; }

  // HistoryListener
  void StepDone(StepEvent event) override;
  void StepUndone() override;
  void StepRedone() override;
  void Noted() override;

 private:
  // The runs whose journals lie in the folder, newest first, not yet read.
  std::vector<EarlierRun> EarlierRuns() const;
  bool Exec(const char* sql);
  // With `whole`, a step that put a whole table in place, the data are its event written
  // straight from the grid into the file, a piece at a time, in place of `data`.
  bool WriteEntry(RunEntry::Type type, const std::string& data, const std::string& annex,
                  const StepEvent* whole = nullptr);
  // Writes `event`'s bytes into the data of the entry just inserted, `size` bytes long.
  int WriteWholeData(const StepEvent& event, std::uint64_t size);
  bool WriteBase();
  // Runs `sql`, an insert with one blob parameter, with `bytes`; on failure the journal fails.
  bool PutBlob(const char* sql, std::string_view bytes, std::string_view second = {});
  void Fail(const std::string& what);
  void CloseDatabase();
  // Removes this run's lock file and lets go of its lock.
  void ReleaseLock();

  std::string folder_;
  const Clock& clock_;
  History* history_ = nullptr;
  sqlite3* db_ = nullptr;
  sqlite3_stmt* insert_ = nullptr;
  sqlite3_stmt* update_ = nullptr;
  std::string path_;
  int lock_fd_ = -1;
  int page_limit_ = 0;
  bool in_batch_ = false;
  // Steps done and steps written since the base: an undo or redo beyond them writes a new base.
  int done_ = 0;
  int written_ = 0;
  std::string message_;
};

}  // namespace vantrel

#endif  // VANTREL_HISTORY_JOURNAL_H_

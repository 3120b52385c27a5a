#ifndef VANTREL_HISTORY_RUN_JOURNAL_H_
#define VANTREL_HISTORY_RUN_JOURNAL_H_

#include <cstdint>
#include <optional>
#include <string>

#include "history/journal_store.h"

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

// The journal of a program run on the desktop, one file per run in a folder, as the program
// drives it: open it, hand it to the engine as its store, find an earlier run that ended
// unexpectedly and read it back, close it. The program knows the journal through this alone;
// the file's format and the library that writes it stay with the implementation, which the
// program loads a moment after its first paint.
class RunJournal : public JournalStore {
 public:
  // Creates this run's journal and prunes old runs. False (and TakeMessage()) when it cannot.
  virtual bool Open() = 0;
  // The one text to show about a failure since the last call; empty when all is well.
  virtual std::string TakeMessage() = 0;
  // Marks the run closed, stops listening and releases the lock. Called on window close.
  virtual void Close() = 0;
  // This run's file; empty until opened.
  virtual const std::string& path() const = 0;

  // The newest earlier run that is not running, when it ended without Close() and holds at
  // least one readable step: the one to offer at start-up, with the steps that can be read.
  // When that journal was written by a newer version or cannot be read at all, it is given
  // with its reading set, so that the user is told; an older run is never offered instead.
  virtual std::optional<EarlierRun> FindCrashedRun() const = 0;
  // The newest earlier run that is not running now, closed or not (Ctrl+Shift+R).
  virtual std::optional<EarlierRun> FindLatestRun() const = 0;
  // An earlier run's bytes as its file keeps them; nullopt and `message` when it is no
  // journal or one from a newer version.
  virtual std::optional<StoredJournal> ReadStoredRun(const EarlierRun& run,
                                                     std::string& message) const = 0;
  // The text an earlier run kept with KeepFinishedRuns; empty when it kept none.
  virtual std::string ReadRunNotebook(const EarlierRun& run) const = 0;
};

// The folder of the journals: $XDG_STATE_HOME/vantrel, else $HOME/.local/state/vantrel.
std::string JournalFolder();

// What to tell the user about a run that cannot be offered (empty for a readable one).
std::string UnreadableRunMessage(const EarlierRun& run);

}  // namespace vantrel

#endif  // VANTREL_HISTORY_RUN_JOURNAL_H_

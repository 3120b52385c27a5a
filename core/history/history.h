#ifndef VANTREL_HISTORY_HISTORY_H_
#define VANTREL_HISTORY_HISTORY_H_

#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "history/chunked_bytes.h"
#include "history/lineage.h"
#include "history/step.h"
#include "population/clock.h"
#include "population/document.h"

namespace vantrel {

// Told about every step, undo and redo as it happens (the journal).
class HistoryListener {
 public:
  virtual ~HistoryListener() = default;
  // By value: a listener may keep the event (a load's holds every cell of the table).
  virtual void StepDone(StepEvent event) = 0;
  virtual void StepUndone() = 0;
  virtual void StepRedone() = 0;
  // Only what is kept beside the entries changed (see AnnexSource).
  virtual void Noted() {}
};

// Supplies what a journal keeps beside each entry: the program's own state that belongs to
// the moment (the notebook's run), as self-contained bytes.
class AnnexSource {
 public:
  virtual ~AnnexSource() = default;
  virtual std::string Annex() const = 0;
};

// One entry of a program run's journal, in the order it happened.
struct RunEntry {
  // kNote: only the annex changed (the notebook's run, without a step of the table).
  enum Type : std::uint8_t { kStep = 0, kUndo = 1, kRedo = 2, kNote = 3 };
  Type type = kStep;
  StepEvent event;  // for kStep only
  // What the program kept beside the entry (the notebook's run as it stood after it); empty
  // when nothing was kept.
  std::string annex;
};

// Undo and redo of the steps made on a Document, and the record of every organism.
//
// A step is bracketed by BeginStep and EndStep (or a HistoryStep scope); a shot reports
// its child with RecordBirth in between. The grid tells the history each cell's text before
// it is written, and a step stores only the cells that differ, the state around them (size,
// selection, organism counter, random source) and the parameter boxes; a cell whose text is
// what the record already holds for the organism in its row is stored as a reference to it.
// A step that puts a whole table in place (ReplaceTable: a load, a restore) keeps the table
// it replaced whole instead, and undo and redo exchange the two.
class History final : private CellWriteWatcher {
 public:
  // Takes the document's present table as the start; its rows become roots of gene pool 1.
  History(Document& document, const Clock& clock, const Parameters& parameters);
  ~History() override;

  History(const History&) = delete;
  History& operator=(const History&) = delete;

  // Before an action. A step still open is ended first.
  void BeginStep(StepKind kind, const Parameters& parameters);
  // After GenerateOrganism, inside a shooting step (ignored outside a step or for row 0).
  void RecordBirth(const Birth& birth);
  // After the action: records what changed, drops the steps that could be redone and tells
  // the listener. An action that changed nothing at all is not recorded.
  void EndStep();
  // Inside a step: the grid takes `table`'s cells (moved, `table` keeps none) and size, and
  // the step keeps the cells the grid held before it, whole. Ignored outside a step.
  void ReplaceTable(StringGrid& table);

  bool CanUndo() const { return position_ > 0 && !pending_; }
  bool CanRedo() const { return position_ < StepCount() && !pending_; }
  // Puts back the state before (Undo) or after (Redo) one step; the grid sends one reset and,
  // when the selected row differs, one selection change. False when there is nothing to do.
  bool Undo();
  bool Redo();

  // Steps done (undo goes back through them) and steps stored (redo goes up to them).
  int position() const { return position_; }
  int StepCount() const { return static_cast<int>(offsets_.size()); }
  // The parameter boxes belonging to the present state: those of the last step done.
  Parameters parameters() const;

  const Lineage& lineage() const { return lineage_; }
  Document& document() { return document_; }

  // The present table and its surroundings, hidden cells included.
  Snapshot TakeSnapshot() const;
  // Restores a program run: one kRestore step from the present state to `base`, then
  // every entry made again (steps replayed, undo and redo done), so the run's own steps can
  // be undone afterwards. The grid sends one reset for all of it. False when an entry
  // does not fit the table it is replayed on; the steps before it stay. `positions`, when
  // given, receives the position after the restore step and then after each entry made
  // again, up to the one that did not fit.
  bool Restore(const Snapshot& base, const std::vector<RunEntry>& entries,
               std::vector<int>* positions = nullptr);

  void set_listener(HistoryListener* listener) { listener_ = listener; }
  void set_annex_source(const AnnexSource* source) { annex_source_ = source; }
  // What to keep beside the entry written now; empty without a source.
  std::string Annex() const { return annex_source_ != nullptr ? annex_source_->Annex() : ""; }
  // Tells the listener that only the annex changed.
  void Note() {
    if (listener_ != nullptr) listener_->Noted();
  }

  // Bytes held by the steps, the tables they replaced and the record.
  std::size_t MemoryBytes() const;

 private:
  struct Pending {
    StepKind kind;
    Parameters parameters;
    GridState before;
    std::uint32_t first_serial;
    std::uint32_t pool_before;
    std::int64_t time_ms;
    std::vector<std::pair<int, std::uint32_t>> victims;  // row and serial, birth order
    std::vector<TimedBirth> births;
    std::optional<StringGrid::Cells> replaced;  // the table before ReplaceTable, whole
  };
  // A cell's text before its first write since the last step.
  struct WrittenCell {
    int col;
    int row;
    std::string before;
  };
  struct DecodedStep;

  void CellWriting(int col, int row, const std::string& before) override;
  void ReplaceCells(StringGrid::Cells cells, int col_count, int row_count);
  // The same for a table read back from a journal: the grid takes a copy of `rows`.
  void ReplaceCells(const std::vector<std::vector<std::string>>& rows, int col_count,
                    int row_count);
  // Puts `rows` in the grid's place with the size of `state`; `rows` takes the grid's cells.
  void ExchangeTable(StringGrid::Cells& cells, const GridState& state);

  GridState CurrentState() const;
  void StartPending(StepKind kind, const Parameters& parameters, const GridState& before,
                    std::int64_t time_ms);
  void AddBirth(const Birth& birth, std::int64_t born_ms);
  void Commit(const GridState& after);
  // Every organism row of the grid as a root of the record, born at `step`.
  void AddRootsFromGrid(std::uint32_t step, std::int64_t time_ms, bool loaded);
  void RestoreCounterAndRandom(const GridState& state);
  // The cells written since the last step whose text now differs, by row and column.
  std::vector<WrittenCell> TakeChanges();
  DecodedStep Decode(int index) const;
  void ApplyCells(const DecodedStep& step, bool old_side);
  bool Replay(const StepEvent& event);

  Document& document_;
  StringGrid& grid_;
  Population& population_;
  const Clock& clock_;
  Parameters initial_parameters_;
  HistoryListener* listener_ = nullptr;
  const AnnexSource* annex_source_ = nullptr;

  Lineage lineage_;
  ChunkedBytes bytes_;                 // every step, encoded
  std::deque<std::uint64_t> offsets_;  // where each step begins in bytes_
  int position_ = 0;
  std::optional<Pending> pending_;

  // Of each step that replaced the whole table, by index: the table on the other side of
  // it (the one before it while it is done, the one after it while it is undone).
  std::map<int, StringGrid::Cells> tables_;
  std::vector<WrittenCell> written_;  // every write since the last step, in order
  int replay_rows_ = 0;               // the most rows the table had in the run being restored
  bool applying_ = false;             // the history itself writes the grid
};

// Brackets one step: BeginStep now, EndStep when the scope ends.
class HistoryStep {
 public:
  HistoryStep(History& history, StepKind kind, const Parameters& parameters) : history_(history) {
    history_.BeginStep(kind, parameters);
  }
  ~HistoryStep() { history_.EndStep(); }
  HistoryStep(const HistoryStep&) = delete;
  HistoryStep& operator=(const HistoryStep&) = delete;

 private:
  History& history_;
};

}  // namespace vantrel

#endif  // VANTREL_HISTORY_HISTORY_H_

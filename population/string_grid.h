#ifndef VANTREL_POPULATION_STRING_GRID_H_
#define VANTREL_POPULATION_STRING_GRID_H_

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// What a GridObserver is told of besides resets, which reach every observer.
struct GridInterest {
  static constexpr int kEveryColumn = -1;
  int column = kEveryColumn;  // cell changes in this column only, or in all of them
  bool selection = true;      // selection changes
};

// Told about changes to a StringGrid, so that a view can follow it. The grid checks an
// observer's interest before calling it, which saves a call through the interface for
// each change the observer would ignore: a step makes several.
class GridObserver {
 public:
  explicit GridObserver(GridInterest interest = {}) : interest_(interest) {}
  virtual ~GridObserver() = default;

  bool FollowsColumn(int col) const {
    return interest_.column == GridInterest::kEveryColumn || interest_.column == col;
  }
  bool FollowsSelection() const { return interest_.selection; }

  // One cell's text changed (it may lie outside the current size).
  virtual void GridCellChanged(int /*col*/, int /*row*/) {}
  // The size changed, or a batch of changes ended: anything may differ.
  virtual void GridReset() {}
  // The selected row changed to `row`.
  virtual void GridSelectionChanged(int /*row*/) {}

 private:
  GridInterest interest_;
};

// Told the text a cell holds just before each write to it, whatever the update scope: what
// an undo record needs, and what an observer, told after the write, can no longer read.
class CellWriteWatcher {
 public:
  virtual ~CellWriteWatcher() = default;
  virtual void CellWriting(int col, int row, const std::string& before) = 0;
};

// A grid of text cells addressed (col, row), both from 0. Row 0 is the title row and
// column 0 the fixed column; rows 1 and up are the selectable rows.
//
// Cells keep their text when they fall outside a shrunken grid and show it again when it
// grows back; writing outside the current size stores the text too. A cell never written
// reads as the empty text.
//
// A row stores its cells only up to its last non-empty one, so a grid costs memory for
// the text it holds, not for its size: a million empty rows of a thousand columns hold
// nothing but their row entries.
//
// Exactly one row is selected while the grid has a row below the title row. Selecting the
// row already selected notifies nothing; a shrink that cuts off the selected row moves the
// selection to the last row without a selection notification.
class StringGrid {
 public:
  // The stored cells, rows[row][col]; a row holds no empty cells after its last non-empty
  // one (and may hold none at all).
  using Rows = std::vector<std::vector<std::string>>;

  StringGrid(int col_count, int row_count);

  StringGrid(const StringGrid&) = delete;
  StringGrid& operator=(const StringGrid&) = delete;

  int ColCount() const { return col_count_; }
  int RowCount() const { return row_count_; }
  void SetColCount(int count);  // at least 1
  void SetRowCount(int count);  // at least 1

  const std::string& Cell(int col, int row) const {
    // Defined here, since every step reads cells: a call costs more than the lookup,
    // the more so in WebAssembly.
    if (row >= 0 && col >= 0 && row < static_cast<int>(rows_.size())) {
      const std::vector<std::string>& cells = rows_[row];
      if (col < static_cast<int>(cells.size())) return cells[col];
    }
    return EmptyCell();
  }
  void SetCell(int col, int row, std::string text);
  // As SetCell with a copy of `text`, written into the cell's own storage when the cell
  // exists: no allocation when the text fits where the old one was. `text` may be a view
  // of any cell, this one included.
  void AssignCell(int col, int row, std::string_view text);

  // Rows that hold stored cells lie below StoredRowCount(); row `row` stores its cells
  // below StoredWidth(row). Every cell beyond them reads as the empty text, so a scan for
  // text need go no further.
  int StoredRowCount() const { return static_cast<int>(rows_.size()); }
  int StoredWidth(int row) const {
    return row >= 0 && row < StoredRowCount() ? static_cast<int>(rows_[row].size()) : 0;
  }
  // The stored cells of `row`, StoredWidth(row) of them.
  std::span<const std::string> StoredCells(int row) const {
    if (row < 0 || row >= StoredRowCount()) return {};
    return rows_[row];
  }
  // Bytes the cells take, their row entries included.
  std::size_t MemoryBytes() const { return MemoryBytes(rows_); }
  static std::size_t MemoryBytes(const Rows& rows);

  // Exchanges every stored cell with `rows`, keeping the size and the selection: a whole
  // table changes hands without a copy. Observers hear one reset; the watcher nothing.
  void SwapCells(Rows& rows);
  // True when `rows` holds exactly the text this grid stores, cell for cell.
  bool SameCells(const Rows& rows) const;

  // The one watcher of writes (nullptr: none).
  void set_write_watcher(CellWriteWatcher* watcher) { watcher_ = watcher; }

  // True when there is at least one row below the title row.
  bool HasBodyRows() const { return row_count_ > 1; }
  // The selected row: 1 to RowCount() - 1, or 0 when the grid has no body rows.
  int SelectedRow() const { return selected_row_; }
  // Selects `row` (clamped into the body rows) and notifies if the selection moved.
  void SelectRow(int row);

  // Between BeginUpdate and the matching EndUpdate, cell and size notifications are held
  // back; EndUpdate then sends one GridReset. Use it for bulk changes such as a file load.
  void BeginUpdate() { ++update_depth_; }
  void EndUpdate();

  // Holds notifications back for the lifetime of the scope (BeginUpdate/EndUpdate).
  class UpdateScope {
   public:
    explicit UpdateScope(StringGrid& grid) : grid_(grid) { grid_.BeginUpdate(); }
    ~UpdateScope() { grid_.EndUpdate(); }
    UpdateScope(const UpdateScope&) = delete;
    UpdateScope& operator=(const UpdateScope&) = delete;

   private:
    StringGrid& grid_;
  };

  void AddObserver(GridObserver* observer);
  void RemoveObserver(GridObserver* observer);

 private:
  void NotifyCellChanged(int col, int row);
  void NotifyReset();
  // Called after a cell of `row` became empty: drops the row's trailing empty cells.
  void TrimRow(int row);
  void CellWritten(int col, int row);

  int col_count_;
  int row_count_;
  int selected_row_;
  int update_depth_ = 0;
  bool reset_pending_ = false;
  static const std::string& EmptyCell();

  // rows_[row][col]; a row holds no empty cells after its last non-empty one.
  Rows rows_;
  std::vector<GridObserver*> observers_;
  CellWriteWatcher* watcher_ = nullptr;
};

}  // namespace vantrel

#endif  // VANTREL_POPULATION_STRING_GRID_H_

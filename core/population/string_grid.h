#ifndef VANTREL_POPULATION_STRING_GRID_H_
#define VANTREL_POPULATION_STRING_GRID_H_

#include <cstddef>
#include <cstdint>
#include <memory>
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
// nothing but their row entries. A row's cells lie side by side in blocks shared by many
// rows, so that a row costs twelve bytes besides its cells.
//
// Exactly one row is selected while the grid has a row below the title row. Selecting the
// row already selected notifies nothing; a shrink that cuts off the selected row moves the
// selection to the last row without a selection notification.
class StringGrid {
 public:
  // The stored cells of a table, a row's up to its last non-empty one. Rows are written
  // through the grid; a Cells apart from one only moves between grids (SwapCells).
  class Cells {
   public:
    Cells() = default;
    Cells(Cells&&) noexcept = default;
    Cells& operator=(Cells&&) noexcept = default;

    int RowCount() const { return static_cast<int>(rows_.size()); }
    int Width(int row) const {
      return row >= 0 && row < RowCount() ? static_cast<int>(rows_[row].width) : 0;
    }
    std::span<const std::string> Row(int row) const {
      if (row < 0 || row >= RowCount() || rows_[row].width == 0) return {};
      return {At(rows_[row].first), rows_[row].width};
    }
    std::size_t MemoryBytes() const;

   private:
    friend class StringGrid;
    // A block holds kBlockCells cells; a wider row has a block of its own, as wide as it.
    static constexpr std::uint32_t kBlockShift = 12;
    static constexpr std::uint32_t kBlockCells = 1U << kBlockShift;
    struct Slot {
      std::uint32_t first = 0;  // the index of the row's first cell
      std::uint32_t width = 0;  // cells stored
      std::uint32_t room = 0;   // cells the row may fill before it moves
    };

    // The cell at `index`: a row's first cell, from which its others follow (a wide row's
    // reach past the first block of its own).
    std::string* At(std::uint32_t index) const {
      return blocks_[index >> kBlockShift].get() + (index & (kBlockCells - 1));
    }
    // Gives row `row` `width` cells (its stored ones kept, moved where there is room),
    // and returns them.
    std::string* Widen(int row, std::uint32_t width);
    // Hands out room for `count` cells in one block.
    std::uint32_t Take(std::uint32_t count);
    // Drops the row's trailing empty cells.
    void Trim(int row);
    // Gathers the rows' cells anew once more room lies unused than is used.
    void CompactIfSparse();

    std::vector<Slot> rows_;
    std::vector<std::unique_ptr<std::string[]>> blocks_;
    std::uint32_t end_ = 0;     // the index of the first cell never handed out
    std::uint64_t unused_ = 0;  // cells handed out that are no row's room any more
    std::uint64_t used_ = 0;    // cells of the rows' room
  };

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
    if (row >= 0 && col >= 0 && row < cells_.RowCount()) {
      const Cells::Slot slot = cells_.rows_[row];
      if (static_cast<std::uint32_t>(col) < slot.width) return cells_.At(slot.first)[col];
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
  int StoredRowCount() const { return cells_.RowCount(); }
  int StoredWidth(int row) const { return cells_.Width(row); }
  // The stored cells of `row`, StoredWidth(row) of them.
  std::span<const std::string> StoredCells(int row) const { return cells_.Row(row); }
  // Bytes the cells take, their row entries included.
  std::size_t MemoryBytes() const { return cells_.MemoryBytes(); }

  // Exchanges every stored cell with `cells`, keeping the size and the selection: a whole
  // table changes hands without a copy. Observers hear one reset; the watcher nothing.
  void SwapCells(Cells& cells);
  // True when `cells` holds exactly the text this grid stores, cell for cell.
  bool SameCells(const Cells& cells) const;

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
  void CellWritten(int col, int row);

  int col_count_;
  int row_count_;
  int selected_row_;
  int update_depth_ = 0;
  bool reset_pending_ = false;
  static const std::string& EmptyCell();

  Cells cells_;
  std::vector<GridObserver*> observers_;
  CellWriteWatcher* watcher_ = nullptr;
};

}  // namespace vantrel

#endif  // VANTREL_POPULATION_STRING_GRID_H_

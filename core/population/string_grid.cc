#include "population/string_grid.h"

#include <algorithm>
#include <utility>

namespace vantrel {

StringGrid::StringGrid(int col_count, int row_count)
    : col_count_(std::max(1, col_count)),
      row_count_(std::max(1, row_count)),
      selected_row_(row_count_ > 1 ? 1 : 0) {}

void StringGrid::SetColCount(int count) {
  count = std::max(1, count);
  if (count == col_count_) return;
  col_count_ = count;
  NotifyReset();
}

void StringGrid::SetRowCount(int count) {
  count = std::max(1, count);
  if (count == row_count_) return;
  row_count_ = count;
  if (selected_row_ >= row_count_) selected_row_ = row_count_ - 1;
  if (selected_row_ < 1 && row_count_ > 1) selected_row_ = 1;
  NotifyReset();
}

const std::string& StringGrid::EmptyCell() {
  static const std::string kEmpty;
  return kEmpty;
}

std::uint32_t StringGrid::Cells::Take(std::uint32_t count) {
  // A row never straddles two blocks: one that does not fit in what is left of the last
  // block starts the next, and one wider than a block has one of its own to itself.
  const std::uint32_t left =
      (end_ >> kBlockShift) < blocks_.size() ? kBlockCells - (end_ & (kBlockCells - 1)) : 0;
  if (count <= left) {
    end_ += count;
    return end_ - count;
  }
  unused_ += left;
  end_ += left;
  const std::uint32_t first = end_;
  const std::uint32_t blocks = (count + kBlockCells - 1) >> kBlockShift;
  blocks_.push_back(std::make_unique<std::string[]>(std::size_t{blocks} << kBlockShift));
  end_ += count;
  if (blocks > 1) {
    blocks_.resize(blocks_.size() + blocks - 1);  // the wide block's other places stay empty
    unused_ += (blocks << kBlockShift) - count;
    end_ = first + (blocks << kBlockShift);
  }
  return first;
}

std::string* StringGrid::Cells::Widen(int row, std::uint32_t width) {
  if (row >= RowCount()) rows_.resize(static_cast<std::size_t>(row) + 1);
  Slot& slot = rows_[row];
  if (width > slot.room) {
    // A row that grows again gets twice its room, as a vector would.
    const std::uint32_t room = slot.room == 0 ? width : std::max(width, 2 * slot.room);
    const std::uint32_t first = Take(room);
    if (slot.width > 0) {
      std::string* old = At(slot.first);
      std::string* cells = At(first);
      for (std::uint32_t col = 0; col < slot.width; ++col) {
        cells[col] = std::move(old[col]);
        std::string().swap(old[col]);
      }
    }
    unused_ += slot.room;
    used_ += room - slot.room;
    slot.first = first;
    slot.room = room;
  }
  slot.width = std::max(slot.width, width);
  return At(slot.first);
}

void StringGrid::Cells::Trim(int row) {
  Slot& slot = rows_[row];
  const std::string* cells = At(slot.first);
  while (slot.width > 0 && cells[slot.width - 1].empty()) --slot.width;
}

void StringGrid::Cells::CompactIfSparse() {
  if (unused_ < std::max<std::uint64_t>(used_, kBlockCells)) return;
  Cells compact;
  compact.rows_.resize(rows_.size());
  for (int row = 0; row < RowCount(); ++row) {
    const Slot slot = rows_[row];
    if (slot.width == 0) continue;
    std::string* cells = compact.Widen(row, slot.width);
    std::string* old = At(slot.first);
    for (std::uint32_t col = 0; col < slot.width; ++col) cells[col] = std::move(old[col]);
  }
  *this = std::move(compact);
}

std::size_t StringGrid::Cells::MemoryBytes() const {
  std::size_t bytes = rows_.capacity() * sizeof(Slot) +
                      blocks_.capacity() * sizeof(std::unique_ptr<std::string[]>) +
                      std::size_t{end_} * sizeof(std::string);
  for (int row = 0; row < RowCount(); ++row) {
    for (const std::string& cell : Row(row)) {
      // Short texts live inside the string itself.
      if (cell.capacity() > std::string().capacity()) bytes += cell.capacity() + 1;
    }
  }
  return bytes;
}

void StringGrid::SetCell(int col, int row, std::string text) {
  if (row < 0 || col < 0) return;
  if (watcher_ != nullptr) watcher_->CellWriting(col, row, Cell(col, row));
  if (col < StoredWidth(row)) {
    std::string& cell = cells_.At(cells_.rows_[row].first)[col];
    cell = std::move(text);
    if (cell.empty()) cells_.Trim(row);
  } else if (!text.empty()) {
    // An empty text beyond the row's last cell is already what the cell reads: nothing is
    // stored for it.
    cells_.Widen(row, static_cast<std::uint32_t>(col) + 1)[col] = std::move(text);
    cells_.CompactIfSparse();
  }
  CellWritten(col, row);
}

void StringGrid::AssignCell(int col, int row, std::string_view text) {
  if (row < 0 || col < 0) return;
  // A cell that does not exist yet grows the table, which may move the cell `text` views.
  if (col >= StoredWidth(row)) {
    SetCell(col, row, std::string(text));
    return;
  }
  if (watcher_ != nullptr) watcher_->CellWriting(col, row, Cell(col, row));
  cells_.At(cells_.rows_[row].first)[col].assign(text);
  if (text.empty()) cells_.Trim(row);
  CellWritten(col, row);
}

void StringGrid::CellWritten(int col, int row) {
  if (update_depth_ > 0) {
    reset_pending_ = true;
    return;
  }
  NotifyCellChanged(col, row);
}

void StringGrid::SwapCells(Cells& cells) {
  std::swap(cells_, cells);
  NotifyReset();
}

bool StringGrid::SameCells(const Cells& cells) const {
  const int count = std::max(StoredRowCount(), cells.RowCount());
  for (int row = 0; row < count; ++row) {
    const std::span<const std::string> mine = StoredCells(row);
    const std::span<const std::string> theirs = cells.Row(row);
    if (!std::equal(mine.begin(), mine.end(), theirs.begin(), theirs.end())) return false;
  }
  return true;
}

void StringGrid::SelectRow(int row) {
  if (row_count_ < 2) return;
  row = std::clamp(row, 1, row_count_ - 1);
  if (row == selected_row_) return;
  selected_row_ = row;
  for (GridObserver* observer : observers_) {
    if (observer->FollowsSelection()) observer->GridSelectionChanged(row);
  }
}

void StringGrid::EndUpdate() {
  if (update_depth_ == 0) return;
  if (--update_depth_ == 0 && reset_pending_) {
    reset_pending_ = false;
    NotifyReset();
  }
}

void StringGrid::AddObserver(GridObserver* observer) { observers_.push_back(observer); }

void StringGrid::RemoveObserver(GridObserver* observer) { std::erase(observers_, observer); }

void StringGrid::NotifyCellChanged(int col, int row) {
  for (GridObserver* observer : observers_) {
    if (observer->FollowsColumn(col)) observer->GridCellChanged(col, row);
  }
}

void StringGrid::NotifyReset() {
  if (update_depth_ > 0) {
    reset_pending_ = true;
    return;
  }
  for (GridObserver* observer : observers_) observer->GridReset();
}

}  // namespace vantrel

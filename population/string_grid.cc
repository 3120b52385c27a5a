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

void StringGrid::SetCell(int col, int row, std::string text) {
  if (row < 0 || col < 0) return;
  if (watcher_ != nullptr) watcher_->CellWriting(col, row, Cell(col, row));
  if (col < StoredWidth(row)) {
    rows_[row][col] = std::move(text);
    if (rows_[row][col].empty()) TrimRow(row);
  } else if (!text.empty()) {
    // An empty text beyond the row's last cell is already what the cell reads: nothing is
    // stored for it.
    if (row >= StoredRowCount()) rows_.resize(row + 1);
    auto& cells = rows_[row];
    cells.resize(col + 1);
    cells[col] = std::move(text);
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
  if (watcher_ != nullptr) watcher_->CellWriting(col, row, rows_[row][col]);
  rows_[row][col].assign(text);
  if (text.empty()) TrimRow(row);
  CellWritten(col, row);
}

void StringGrid::TrimRow(int row) {
  auto& cells = rows_[row];
  while (!cells.empty() && cells.back().empty()) cells.pop_back();
}

void StringGrid::CellWritten(int col, int row) {
  if (update_depth_ > 0) {
    reset_pending_ = true;
    return;
  }
  NotifyCellChanged(col, row);
}

std::size_t StringGrid::MemoryBytes(const Rows& rows) {
  std::size_t bytes = rows.capacity() * sizeof(std::vector<std::string>);
  for (const auto& cells : rows) {
    bytes += cells.capacity() * sizeof(std::string);
    for (const std::string& cell : cells) {
      // Short texts live inside the string itself.
      if (cell.capacity() > std::string().capacity()) bytes += cell.capacity() + 1;
    }
  }
  return bytes;
}

void StringGrid::SwapCells(Rows& rows) {
  rows_.swap(rows);
  NotifyReset();
}

bool StringGrid::SameCells(const Rows& rows) const {
  const std::size_t count = std::max(rows_.size(), rows.size());
  for (std::size_t row = 0; row < count; ++row) {
    const std::span<const std::string> mine = StoredCells(static_cast<int>(row));
    const std::span<const std::string> theirs = row < rows.size()
                                                    ? std::span<const std::string>(rows[row])
                                                    : std::span<const std::string>();
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

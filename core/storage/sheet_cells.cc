#include "storage/sheet_cells.h"

#include <algorithm>

#include "language/catalogue.h"
#include "storage/spreadsheet.h"

namespace vantrel {

std::string CellName(int row, int col) {
  // Columns are numbered in base 26 without a zero: A to Z, then AA.
  std::string letters;
  for (int number = col + 1; number > 0; number = (number - 1) / 26) {
    letters.insert(letters.begin(), static_cast<char>('A' + (number - 1) % 26));
  }
  return letters + std::to_string(row + 1);
}

std::optional<std::string> SheetCellTexts(const StringGrid& grid, SheetTexts* rows) {
  return SheetCellTexts(grid, 0, grid.RowCount(), rows);
}

std::optional<std::string> SheetCellTexts(const StringGrid& grid, int first_row, int row_count,
                                          SheetTexts* rows) {
  first_row = std::clamp(first_row, 0, grid.RowCount());
  const int end = static_cast<int>(std::min<long long>(
      static_cast<long long>(first_row) + std::max(row_count, 0), grid.RowCount()));
  SheetTexts texts(end - first_row, std::vector<std::string>(grid.ColCount()));
  for (int row = first_row; row < end; ++row) {
    for (int col = 0; col < grid.ColCount(); ++col) {
      const std::string& bytes = grid.Cell(col, row);
      if (bytes.size() > static_cast<std::size_t>(kXlsxMaxTextLength)) {
        return Arg(
            Tr("Spreadsheet", "Cell %1 holds %2 characters; a cell can hold at most %3"),
            {CellName(row, col), std::to_string(bytes.size()), std::to_string(kXlsxMaxTextLength)});
      }
      texts[row - first_row][col] = Latin1ToUtf8(bytes);
    }
  }
  *rows = std::move(texts);
  return std::nullopt;
}

}  // namespace vantrel

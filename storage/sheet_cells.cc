#include "storage/sheet_cells.h"

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
  SheetTexts texts(grid.RowCount(), std::vector<std::string>(grid.ColCount()));
  for (int row = 0; row < grid.RowCount(); ++row) {
    for (int col = 0; col < grid.ColCount(); ++col) {
      const std::string& bytes = grid.Cell(col, row);
      if (bytes.size() > static_cast<std::size_t>(kXlsxMaxTextLength)) {
        return "Cell " + CellName(row, col) + " holds " + std::to_string(bytes.size()) +
               " characters; a cell can hold at most " + std::to_string(kXlsxMaxTextLength);
      }
      texts[row][col] = Latin1ToUtf8(bytes);
    }
  }
  *rows = std::move(texts);
  return std::nullopt;
}

}  // namespace vantrel

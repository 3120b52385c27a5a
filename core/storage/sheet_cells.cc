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

SheetFormat OrganismsSheetFormat(const StringGrid& grid) {
  // A byte is one character.
  std::vector<int> longest(grid.ColCount(), 0);
  std::vector<std::string> titles;
  for (int col = 0; col < grid.ColCount(); ++col) {
    for (int row = 0; row < grid.RowCount(); ++row) {
      longest[col] = std::max(longest[col], static_cast<int>(grid.Cell(col, row).size()));
    }
    if (grid.RowCount() > 0) titles.push_back(Latin1ToUtf8(grid.Cell(col, 0)));
  }
  return FormatSheet(kOrganismsSheetName, grid.RowCount(), grid.ColCount(), titles, longest);
}

std::optional<std::string> OrganismsSheetCells(const StringGrid& grid, int first_row, int row_count,
                                               std::vector<SheetCell>* cells) {
  first_row = std::clamp(first_row, 0, grid.RowCount());
  const int end = static_cast<int>(std::min<long long>(
      static_cast<long long>(first_row) + std::max(row_count, 0), grid.RowCount()));
  std::vector<SheetCell> taken;
  taken.reserve(static_cast<std::size_t>(end - first_row) * grid.ColCount());
  for (int row = first_row; row < end; ++row) {
    for (int col = 0; col < grid.ColCount(); ++col) {
      const std::string& bytes = grid.Cell(col, row);
      if (bytes.size() > static_cast<std::size_t>(kXlsxMaxTextLength)) {
        return Arg(
            Tr("Spreadsheet", "Cell %1 holds %2 characters; a cell can hold at most %3"),
            {CellName(row, col), std::to_string(bytes.size()), std::to_string(kXlsxMaxTextLength)});
      }
      taken.push_back({SheetText(Latin1ToUtf8(bytes))});
    }
  }
  *cells = std::move(taken);
  return std::nullopt;
}

std::optional<std::string> OrganismsWorkbook(const StringGrid& grid, Workbook* book) {
  Sheet sheet{OrganismsSheetFormat(grid), {}};
  if (std::optional<std::string> problem =
          OrganismsSheetCells(grid, 0, grid.RowCount(), &sheet.cells)) {
    return problem;
  }
  book->sheets = {std::move(sheet)};
  return std::nullopt;
}

}  // namespace vantrel

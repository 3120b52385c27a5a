#ifndef VANTREL_STORAGE_SHEET_CELLS_H_
#define VANTREL_STORAGE_SHEET_CELLS_H_

#include <optional>
#include <string>
#include <vector>

#include "population/string_grid.h"

namespace vantrel {

// A cell of an .xlsx sheet holds at most this many characters.
inline constexpr int kXlsxMaxTextLength = 32767;

// A sheet's texts, row by row, each row holding every column.
using SheetTexts = std::vector<std::vector<std::string>>;

// The sheet's name of the cell in `row` and `col`, both counted from 0: "A1", "Z3", "AA6".
std::string CellName(int row, int col);

// The texts a workbook's sheet shows for the whole grid, title row included: every cell as
// UTF-8, each byte read as its Latin-1 character, as the window shows it; an empty cell
// stays empty. A cell too long for a sheet is refused, with the reason, and nothing is
// kept. The desktop's workbook writer and the web page's both take their cells from here.
std::optional<std::string> SheetCellTexts(const StringGrid& grid, SheetTexts* rows);

// The same for the rows from `first_row` (0 is the title row) on, at most `row_count` of
// them, so that a big table can be taken a slice at a time; a cell is named by its place
// in the whole sheet.
std::optional<std::string> SheetCellTexts(const StringGrid& grid, int first_row, int row_count,
                                          SheetTexts* rows);

}  // namespace vantrel

#endif  // VANTREL_STORAGE_SHEET_CELLS_H_

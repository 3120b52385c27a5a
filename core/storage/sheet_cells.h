#ifndef VANTREL_STORAGE_SHEET_CELLS_H_
#define VANTREL_STORAGE_SHEET_CELLS_H_

#include <optional>
#include <string>
#include <vector>

#include "population/string_grid.h"
#include "storage/workbook.h"

namespace vantrel {

// A cell of an .xlsx sheet holds at most this many characters.
inline constexpr int kXlsxMaxTextLength = 32767;

// The name of the organisms table's sheet.
inline constexpr char kOrganismsSheetName[] = "Organisms";

// The sheet's name of the cell in `row` and `col`, both counted from 0: "A1", "Z3", "AA6".
std::string CellName(int row, int col);

// The organisms sheet of the whole grid, title row included, without its cells: every cell
// is text (a DNA keeps its leading zeros), each byte read as its Latin-1 character, as the
// window shows it.
SheetFormat OrganismsSheetFormat(const StringGrid& grid);

// The organisms sheet's cells from row `first_row` (0 is the title row) on, at most
// `row_count` rows, so that a big table can be taken a slice at a time. A cell too long for
// a sheet is refused, named by its place in the whole sheet, and nothing is kept.
std::optional<std::string> OrganismsSheetCells(const StringGrid& grid, int first_row, int row_count,
                                               std::vector<SheetCell>* cells);

// The workbook of the organisms sheet alone, whole, or why the grid cannot be one.
std::optional<std::string> OrganismsWorkbook(const StringGrid& grid, Workbook* book);

}  // namespace vantrel

#endif  // VANTREL_STORAGE_SHEET_CELLS_H_

#ifndef VANTREL_WEB_WASM_FILES_BINDINGS_H_
#define VANTREL_WEB_WASM_FILES_BINDINGS_H_

#include <emscripten/val.h>

#include "population/string_grid.h"

namespace vantrel {

// The texts of the workbook the desktop writes for `grid`, for the page's "Excel", from
// row `first_row` (0 is the title row) on, at most `row_count` rows: an object with the
// cells' texts back to back (`text`, row by row),
// each cell's length (`lengths`), the cells in a row (`columns`), and `problem`, the error
// report to show instead ("" when there is none; there are no cells then).
emscripten::val WorkbookCellsObject(const StringGrid& grid, int first_row, int row_count);

}  // namespace vantrel

#endif  // VANTREL_WEB_WASM_FILES_BINDINGS_H_

#ifndef VANTREL_WEB_WASM_SHEET_BINDINGS_H_
#define VANTREL_WEB_WASM_SHEET_BINDINGS_H_

#include <emscripten/val.h>

#include <string>
#include <vector>

#include "storage/workbook.h"
#include "web/session.h"

namespace vantrel {

// The sheets of the workbooks both faces write (storage/workbook.h), for the page's one
// writer: `kind` "organisms" is the table's sheet ("Excel"), "runs" the run table's ("To
// spreadsheet"); any other names an empty sheet.

// The sheet without its cells (SheetFormat in vantrel_engine.d.ts).
emscripten::val SheetValue(const WebSession& session, const std::string& kind);

// The sheet's cells from row `first_row` (0 is the title row) on, at most `row_count` rows
// (SheetCells in vantrel_engine.d.ts): their texts back to back, each one's length in the
// page's characters, which are numbers; or the error report that refuses them all.
emscripten::val SheetCellsValue(const WebSession& session, const std::string& kind, int first_row,
                                int row_count);

// A sheet's format and cells as SheetValue and SheetCellsValue give them, for a workbook
// the page has from elsewhere (the class's pooled runs).
emscripten::val SheetFormatValue(const SheetFormat& format);
emscripten::val CellsValue(const std::vector<SheetCell>& cells, const std::string& problem);

}  // namespace vantrel

#endif  // VANTREL_WEB_WASM_SHEET_BINDINGS_H_

// The engine's calls for the page's files: the workbook's cells, and what the desktop says
// of a file it cannot read at all.

#include "web/wasm/files_bindings.h"

#include <emscripten/bind.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "messages/messages.h"
#include "storage/sheet_cells.h"
#include "storage/table_file.h"
#include "web/wasm/copied_array.h"

namespace vantrel {

namespace {

using emscripten::val;

// A load's message as the page shows it: an error report worded as one.
val RefusalObject(const TableFileResult& result) {
  val object = val::object();
  object.set("errorReport", result.IsErrorReport());
  object.set("message", result.IsErrorReport() ? ErrorReportText(result.text) : result.text);
  return object;
}

val NotAFileBinding(const std::string& file_name) {
  return RefusalObject(NotAFileResult(file_name));
}

val CannotOpenBinding(const std::string& file_name) {
  return RefusalObject(CannotOpenResult(file_name));
}

std::string ErrorReportBinding(const std::string& text) { return ErrorReportText(text); }

}  // namespace

val WorkbookCellsObject(const StringGrid& grid, int first_row, int row_count) {
  SheetTexts rows;
  first_row = std::clamp(first_row, 0, grid.RowCount());
  const std::optional<std::string> problem = SheetCellTexts(grid, first_row, row_count, &rows);
  // One string and the cells' lengths: a value for each of a million cells would cost
  // seconds. Each character of a cell is one byte of the grid, so a cell's length in the
  // page's string is its length in the grid.
  std::string text;
  std::vector<std::uint32_t> lengths;
  for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
    for (int col = 0; col < static_cast<int>(rows[row].size()); ++col) {
      text += rows[row][col];
      lengths.push_back(static_cast<std::uint32_t>(grid.Cell(col, first_row + row).size()));
    }
  }
  val object = val::object();
  object.set("problem", problem ? ErrorReportText(*problem) : std::string());
  object.set("columns", rows.empty() ? 0 : grid.ColCount());
  object.set("text", text);
  object.set("lengths", CopiedArray(lengths.data(), lengths.size()));
  return object;
}

}  // namespace vantrel

EMSCRIPTEN_BINDINGS(files) {
  emscripten::function("notAFile", &vantrel::NotAFileBinding);
  emscripten::function("cannotOpen", &vantrel::CannotOpenBinding);
  emscripten::function("errorReport", &vantrel::ErrorReportBinding);
}

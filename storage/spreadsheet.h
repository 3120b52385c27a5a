#ifndef VANTREL_STORAGE_SPREADSHEET_H_
#define VANTREL_STORAGE_SPREADSHEET_H_

#include <optional>
#include <string>
#include <string_view>

#include "population/string_grid.h"
#include "storage/busy_cursor.h"

namespace vantrel {

// The desktop's spreadsheet application, as the program hands it a table.
class Spreadsheet {
 public:
  virtual ~Spreadsheet() = default;

  // Puts the whole grid, title row included, as texts from cell A1 on the one sheet, named
  // `sheet_name`, of a new workbook, formatted as a table, and opens that workbook in the
  // spreadsheet application. The grid is never changed. Returns why that failed, if it did.
  virtual std::optional<std::string> Show(const StringGrid& grid, std::string_view sheet_name) = 0;
};

// Shows the grid in `spreadsheet` under the hourglass; returns the failure to report.
std::optional<std::string> ExportToSpreadsheet(const StringGrid& grid, Spreadsheet& spreadsheet,
                                               BusyCursor& cursor, std::string_view sheet_name);

// Single-byte Latin-1 text as UTF-8: grid cells hold single bytes, which the window shows as
// Latin-1, and a workbook shows them the same.
std::string Latin1ToUtf8(std::string_view bytes);

}  // namespace vantrel

#endif  // VANTREL_STORAGE_SPREADSHEET_H_

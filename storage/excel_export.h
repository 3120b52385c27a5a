#ifndef VANTREL_STORAGE_EXCEL_EXPORT_H_
#define VANTREL_STORAGE_EXCEL_EXPORT_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "population/string_grid.h"
#include "storage/busy_cursor.h"
#include "storage/excel_application.h"

namespace vantrel {

// Copies the whole grid, title row included, as texts into the first worksheet of a new
// workbook of `excel` from cell A1, names that sheet `sheet_name`, gives the block the
// automatic table format `format_code` (none when negative) and leaves the application
// visible. Shows the hourglass meanwhile. The grid's texts are taken before the first
// call to the application, and the grid is never changed.
//
// The first failed call ends the export; the application is made visible all the same
// (connecting once more when no connection is held), then disconnected, and the cursor set
// back. Returns the text of the failure to report, if any: a failure of the clean-up takes
// the place of an earlier one.
std::optional<std::string> ExportToSpreadsheet(const StringGrid& grid, ExcelApplication& excel,
                                               BusyCursor& cursor, std::string_view sheet_name,
                                               std::int32_t format_code);

// The texts of the grid's rows 0 to RowCount() - 1 and columns 0 to ColCount() - 1, as
// UTF-8. Cells hold single-byte text, which the window shows as Latin-1; so does this.
ExcelCellArray CellArrayFromGrid(const StringGrid& grid);

// Single-byte Latin-1 text as UTF-8.
std::string Latin1ToUtf8(std::string_view bytes);

// The address handed to the automatic format for the block's far corner: the character of
// code 96 + col_count (a lower-case letter up to 26 columns, UTF-8 beyond) and row_count.
std::string FormatAddress(int col_count, int row_count);

// The text by which a failed call is reported: its description without trailing blanks,
// control characters and full stops, or "OLE error XXXXXXXX" with the status code when
// nothing is left.
std::string ExcelErrorText(const ExcelFailure& failure);

}  // namespace vantrel

#endif  // VANTREL_STORAGE_EXCEL_EXPORT_H_

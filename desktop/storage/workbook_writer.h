#ifndef VANTREL_DESKTOP_STORAGE_WORKBOOK_WRITER_H_
#define VANTREL_DESKTOP_STORAGE_WORKBOOK_WRITER_H_

#include <QtPlugin>
#include <optional>
#include <string>
#include <string_view>

#include "population/string_grid.h"
#include "storage/sheet_cells.h"

namespace vantrel {

// The plugin file of the spreadsheet writer (storage/xlsx), which brings libxlsxwriter.
inline constexpr char kXlsxPluginFile[] = "xlsx.so";

// Writes .xlsx workbooks.
class WorkbookWriter {
 public:
  virtual ~WorkbookWriter() = default;

  // Writes the whole grid to `path` (replacing it) as a workbook of one sheet named
  // `sheet_name`: every cell as a string cell read as Latin-1, blank cells left out, the
  // block under the default table style with its first row as column headers, or the style
  // alone when that row cannot serve as headers (an empty, repeated or overlong title, or
  // no row below it); its columns widened to fit. Returns why it could not, if it could not;
  // a cell too long for a sheet is refused before anything is written.
  virtual std::optional<std::string> WriteWorkbook(const StringGrid& grid,
                                                   std::string_view sheet_name,
                                                   const std::string& path) = 0;
};

}  // namespace vantrel

#define VANTREL_WORKBOOK_WRITER_IID "org.quorvane.Vantrel.WorkbookWriter/1.0"
Q_DECLARE_INTERFACE(vantrel::WorkbookWriter, VANTREL_WORKBOOK_WRITER_IID)

#endif  // VANTREL_DESKTOP_STORAGE_WORKBOOK_WRITER_H_

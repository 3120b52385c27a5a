#ifndef VANTREL_STORAGE_QT_XLSX_WORKBOOK_H_
#define VANTREL_STORAGE_QT_XLSX_WORKBOOK_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// The limits of an .xlsx worksheet.
inline constexpr int kXlsxMaxRows = 1048576;
inline constexpr int kXlsxMaxCols = 16384;
inline constexpr int kXlsxMaxTextLength = 32767;  // characters in one cell
inline constexpr int kXlsxMaxSheetNameLength = 31;

// A rectangle of cells, 0-based, both corners included.
struct XlsxBlock {
  int top = 0;
  int left = 0;
  int bottom = 0;
  int right = 0;

  int rows() const { return bottom - top + 1; }
  int cols() const { return right - left + 1; }
  friend bool operator==(const XlsxBlock&, const XlsxBlock&) = default;
};

// One worksheet held in memory: its texts (UTF-8, empty for a blank cell) and the block
// that carries a table style, if any.
struct XlsxSheet {
  std::string name;
  std::vector<std::vector<std::string>> rows;  // rows[row][col], grown on demand
  std::optional<XlsxBlock> table;

  const std::string& Text(int row, int col) const;
  void SetText(int row, int col, std::string text);
};

struct XlsxWorkbook {
  std::vector<XlsxSheet> sheets;
};

// The characters in UTF-8 `text`.
int Utf8Length(std::string_view text);

// Why `name` cannot name a worksheet (empty, too long, a forbidden character, an
// apostrophe at either end), or nothing when it can.
std::optional<std::string> SheetNameProblem(const std::string& name);

// Writes `workbook` as an .xlsx file at `path` (replacing it), every text as a string
// cell. A table block gets the default table style with its first row as column headers,
// or, when that row cannot serve as headers (an empty, repeated or overlong title, or no
// row below it), the style alone over the whole block; its columns are widened to fit.
// Returns why the file could not be written, if it could not. The writing itself is done by
// the spreadsheet writer module, loaded on the first call.
std::optional<std::string> WriteXlsxFile(const XlsxWorkbook& workbook, const std::string& path);

}  // namespace vantrel

#endif  // VANTREL_STORAGE_QT_XLSX_WORKBOOK_H_

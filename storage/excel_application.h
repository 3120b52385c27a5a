#ifndef VANTREL_STORAGE_EXCEL_APPLICATION_H_
#define VANTREL_STORAGE_EXCEL_APPLICATION_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace vantrel {

// The status code of a call that failed without a more precise one (E_FAIL).
inline constexpr std::uint32_t kExcelCallFailed = 0x80004005u;
// Template argument of Workbooks.Add for a workbook of a single worksheet (xlWBATWorksheet).
inline constexpr std::int32_t kXlWbatWorksheet = -4167;

// Why a call to the spreadsheet application failed: the application's own description of
// the failure, or the system's message for `code` when it gave none (may be empty).
struct ExcelFailure {
  std::string description;
  std::uint32_t code = kExcelCallFailed;
};

// The outcome of one call: nothing when it succeeded.
using ExcelStatus = std::optional<ExcelFailure>;

// A locale identifier as the object model takes it; the export always passes 0.
using ExcelLocale = std::uint32_t;

// A reference to one object of the application (a collection, a workbook, a worksheet or a
// range). Every reference handed out must be given back with ExcelApplication::Release.
struct ExcelObject {
  std::uint32_t id = 0;  // 0: no object

  explicit operator bool() const { return id != 0; }
  friend bool operator==(const ExcelObject&, const ExcelObject&) = default;
};

// The null argument (not the "argument missing" marker).
struct ExcelNull {
  friend bool operator==(const ExcelNull&, const ExcelNull&) = default;
};

// A block of texts, row by row, handed to a range in one assignment. Texts are UTF-8.
class ExcelCellArray {
 public:
  ExcelCellArray(int rows, int cols)
      : rows_(rows), cols_(cols), cells_(static_cast<std::size_t>(rows) * cols) {}

  int rows() const { return rows_; }
  int cols() const { return cols_; }
  const std::string& At(int row, int col) const { return cells_[Index(row, col)]; }
  void Set(int row, int col, std::string text) { cells_[Index(row, col)] = std::move(text); }

 private:
  std::size_t Index(int row, int col) const { return static_cast<std::size_t>(row) * cols_ + col; }

  int rows_;
  int cols_;
  std::vector<std::string> cells_;
};

// An argument or result of variant type: null, a 32-bit integer, a text, an object, or a
// cell array (owned by the caller, valid during the call).
using ExcelVariant =
    std::variant<ExcelNull, std::int32_t, std::string, ExcelObject, const ExcelCellArray*>;

// The part of the spreadsheet application's automation object model that the export uses,
// one member per operation. Every call may fail; a failed call hands out no object.
class ExcelApplication {
 public:
  virtual ~ExcelApplication() = default;

  // Takes the running instance of the application, or starts a new one. Succeeds at once
  // while connected.
  virtual ExcelStatus Connect() = 0;
  virtual bool IsConnected() const = 0;

  // Application.Workbooks.
  virtual ExcelStatus Workbooks(ExcelObject* workbooks) = 0;
  // Workbooks.Add(Template, lcid); the new workbook becomes the active one.
  virtual ExcelStatus WorkbooksAdd(ExcelObject workbooks, const ExcelVariant& template_kind,
                                   ExcelLocale lcid, ExcelObject* workbook) = 0;
  // Workbook.Worksheets.
  virtual ExcelStatus Worksheets(ExcelObject workbook, ExcelObject* worksheets) = 0;
  // Worksheets.Item(Index) as a worksheet; a sheet that is no worksheet fails with
  // "Interface not supported".
  virtual ExcelStatus WorksheetsItem(ExcelObject worksheets, const ExcelVariant& index,
                                     ExcelObject* worksheet) = 0;
  // Worksheet.Cells: all cells of the sheet.
  virtual ExcelStatus Cells(ExcelObject worksheet, ExcelObject* range) = 0;
  // Range.Item(RowIndex, ColumnIndex): the one cell, as a variant holding a range.
  virtual ExcelStatus RangeItem(ExcelObject range, const ExcelVariant& row_index,
                                const ExcelVariant& column_index, ExcelVariant* cell) = 0;
  // Worksheet.Range(Cell1, Cell2).
  virtual ExcelStatus WorksheetRange(ExcelObject worksheet, const ExcelVariant& cell1,
                                     const ExcelVariant& cell2, ExcelObject* range) = 0;
  // Range.Value := value.
  virtual ExcelStatus SetRangeValue(ExcelObject range, const ExcelVariant& value) = 0;
  // Worksheet.Name := name.
  virtual ExcelStatus SetWorksheetName(ExcelObject worksheet, const std::string& name) = 0;
  // Application.Range(Cell1, Cell2): a range of the active sheet.
  virtual ExcelStatus ApplicationRange(const ExcelVariant& cell1, const ExcelVariant& cell2,
                                       ExcelObject* range) = 0;
  // Range.AutoFormat(Format, Number, Font, Alignment, Border, Pattern, Width).
  virtual ExcelStatus RangeAutoFormat(ExcelObject range, std::int32_t format,
                                      const std::array<ExcelVariant, 6>& options) = 0;
  // Application.Visible[lcid] := visible.
  virtual ExcelStatus SetVisible(ExcelLocale lcid, bool visible) = 0;
  // Drops the connection without asking the application to quit, so that it runs on.
  // Does nothing while not connected.
  virtual ExcelStatus Disconnect() = 0;

  // Gives back a reference that one of the calls above handed out.
  virtual void Release(ExcelObject object) = 0;
};

}  // namespace vantrel

#endif  // VANTREL_STORAGE_EXCEL_APPLICATION_H_

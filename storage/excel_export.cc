#include "storage/excel_export.h"

#include <cstdio>
#include <memory>
#include <utility>
#include <vector>

namespace vantrel {

namespace {

constexpr ExcelLocale kNoLocale = 0;
constexpr std::int32_t kFirstSheet = 1;
constexpr char32_t kReplacementCharacter = 0xFFFD;

// Gives back every reference taken during the export when it goes out of scope.
class HeldObjects {
 public:
  explicit HeldObjects(ExcelApplication& excel) : excel_(excel) {}
  HeldObjects(const HeldObjects&) = delete;
  HeldObjects& operator=(const HeldObjects&) = delete;
  ~HeldObjects() {
    for (auto it = held_.rbegin(); it != held_.rend(); ++it) excel_.Release(*it);
  }

  void Hold(ExcelObject object) {
    if (object) held_.push_back(object);
  }
  void Hold(const ExcelVariant& value) {
    if (const auto* object = std::get_if<ExcelObject>(&value)) Hold(*object);
  }

 private:
  ExcelApplication& excel_;
  std::vector<ExcelObject> held_;
};

void AppendUtf8(char32_t code, std::string& out) {
  if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) code = kReplacementCharacter;
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// Connects, adds a workbook, fills its first worksheet with `cells` from A1, names the
// sheet and formats the block (ops 1 to 12); stops at the first failure.
ExcelStatus FillNewWorkbook(ExcelApplication& excel, const ExcelCellArray& cells,
                            std::string_view sheet_name, std::int32_t format_code) {
  const std::int32_t row_count = cells.rows();
  const std::int32_t col_count = cells.cols();
  HeldObjects held(excel);

  if (ExcelStatus failure = excel.Connect()) return failure;

  ExcelObject workbooks;
  if (ExcelStatus failure = excel.Workbooks(&workbooks)) return failure;
  held.Hold(workbooks);
  ExcelObject workbook;
  if (ExcelStatus failure = excel.WorkbooksAdd(workbooks, kXlWbatWorksheet, kNoLocale, &workbook)) {
    return failure;
  }
  held.Hold(workbook);

  ExcelObject worksheets;
  if (ExcelStatus failure = excel.Worksheets(workbook, &worksheets)) return failure;
  held.Hold(worksheets);
  ExcelObject worksheet;
  if (ExcelStatus failure = excel.WorksheetsItem(worksheets, kFirstSheet, &worksheet)) {
    return failure;
  }
  held.Hold(worksheet);

  ExcelObject all_cells;
  if (ExcelStatus failure = excel.Cells(worksheet, &all_cells)) return failure;
  held.Hold(all_cells);
  ExcelVariant far_corner;
  if (ExcelStatus failure = excel.RangeItem(all_cells, row_count, col_count, &far_corner)) {
    return failure;
  }
  held.Hold(far_corner);

  ExcelObject block;
  if (ExcelStatus failure =
          excel.WorksheetRange(worksheet, std::string("A1"), far_corner, &block)) {
    return failure;
  }
  held.Hold(block);
  if (ExcelStatus failure = excel.SetRangeValue(block, &cells)) return failure;
  if (ExcelStatus failure = excel.SetWorksheetName(worksheet, std::string(sheet_name))) {
    return failure;
  }

  if (format_code < 0) return std::nullopt;
  ExcelObject format_block;
  if (ExcelStatus failure = excel.ApplicationRange(
          std::string("A1"), FormatAddress(col_count, row_count), &format_block)) {
    return failure;
  }
  held.Hold(format_block);
  const std::array<ExcelVariant, 6> nulls{ExcelNull{}, ExcelNull{}, ExcelNull{},
                                          ExcelNull{}, ExcelNull{}, ExcelNull{}};
  return excel.RangeAutoFormat(format_block, format_code, nulls);
}

}  // namespace

std::optional<std::string> ExportToSpreadsheet(const StringGrid& grid, ExcelApplication& excel,
                                               BusyCursor& cursor, std::string_view sheet_name,
                                               std::int32_t format_code) {
  cursor.ShowHourglass();
  // All texts are taken before the application is first called.
  auto cells = std::make_unique<ExcelCellArray>(CellArrayFromGrid(grid));

  ExcelStatus failure = FillNewWorkbook(excel, *cells, sheet_name, format_code);

  // Clean-up, on every path. Show what was done so far, connecting once more if the
  // connection itself failed; a failure here is the one to report.
  ExcelStatus shown = excel.IsConnected() ? std::nullopt : excel.Connect();
  if (!shown) shown = excel.SetVisible(kNoLocale, true);
  if (shown) failure = std::move(shown);
  if (ExcelStatus dropped = excel.Disconnect()) failure = std::move(dropped);
  cells.reset();
  cursor.ShowDefault();

  if (failure) return ExcelErrorText(*failure);
  return std::nullopt;
}

ExcelCellArray CellArrayFromGrid(const StringGrid& grid) {
  ExcelCellArray cells(grid.RowCount(), grid.ColCount());
  for (int row = 0; row < cells.rows(); ++row) {
    for (int col = 0; col < cells.cols(); ++col) {
      cells.Set(row, col, Latin1ToUtf8(grid.Cell(col, row)));
    }
  }
  return cells;
}

std::string Latin1ToUtf8(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (const char byte : bytes) AppendUtf8(static_cast<unsigned char>(byte), text);
  return text;
}

std::string FormatAddress(int col_count, int row_count) {
  std::string address;
  AppendUtf8(static_cast<char32_t>(96 + col_count), address);
  address += std::to_string(row_count);
  return address;
}

std::string ExcelErrorText(const ExcelFailure& failure) {
  std::string text = failure.description;
  while (!text.empty() && (static_cast<unsigned char>(text.back()) <= ' ' || text.back() == '.')) {
    text.pop_back();
  }
  if (!text.empty()) return text;
  char fallback[32];
  std::snprintf(fallback, sizeof fallback, "OLE error %.8X", static_cast<unsigned>(failure.code));
  return fallback;
}

}  // namespace vantrel

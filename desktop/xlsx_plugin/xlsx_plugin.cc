// The spreadsheet writer plugin: writes workbooks with libxlsxwriter, which brings
// OpenSSL's crypto library with it, so the program loads it only when a workbook is written.
#include <xlsxwriter.h>

#include <QObject>
#include <QSet>
#include <QString>
#include <algorithm>
#include <string_view>
#include <vector>

#include "desktop/storage/workbook_writer.h"
#include "storage/sheet_cells.h"

namespace vantrel {

namespace {

// Excel keeps table column names to this many characters.
constexpr int kMaxHeaderLength = 255;
// Column widths, in characters, given to the table.
constexpr double kMinColumnWidth = 9;
constexpr double kMaxColumnWidth = 80;
// Room for the header's filter button.
constexpr double kFilterButtonWidth = 3;

bool HasControlCharacter(std::string_view text) {
  return std::any_of(text.begin(), text.end(),
                     [](char byte) { return static_cast<unsigned char>(byte) < 0x20; });
}

// A table's column names must be present, unique regardless of case, and plain text.
bool UsableAsHeaders(const std::vector<std::string>& titles) {
  QSet<QString> seen;
  for (const std::string& title : titles) {
    const QString text = QString::fromStdString(title);
    if (text.isEmpty() || text.size() > kMaxHeaderLength || HasControlCharacter(title)) {
      return false;
    }
    const QString folded = text.toCaseFolded();
    if (seen.contains(folded)) return false;
    seen.insert(folded);
  }
  return true;
}

// The whole block under the default table style, its columns widened to fit.
std::optional<std::string> AddTable(lxw_worksheet* worksheet, const SheetTexts& rows,
                                    const StringGrid& grid) {
  if (rows.empty() || rows[0].empty()) return std::nullopt;
  const int bottom = static_cast<int>(rows.size()) - 1;
  const int right = static_cast<int>(rows[0].size()) - 1;
  // The headers are given explicitly: without them the header row would be overwritten.
  const std::vector<std::string>& titles = rows[0];
  std::vector<lxw_table_column> columns(titles.size());
  std::vector<lxw_table_column*> column_list;
  lxw_table_options options{};
  if (bottom >= 1 && UsableAsHeaders(titles)) {
    for (std::size_t i = 0; i < titles.size(); ++i) {
      columns[i].header = const_cast<char*>(titles[i].c_str());
      column_list.push_back(&columns[i]);
    }
    column_list.push_back(nullptr);
    options.columns = column_list.data();
  } else {
    options.no_header_row = LXW_TRUE;
  }
  const lxw_error added = worksheet_add_table(worksheet, 0, 0, static_cast<lxw_row_t>(bottom),
                                              static_cast<lxw_col_t>(right), &options);
  if (added != LXW_NO_ERROR) {
    return "Cannot format A1:" + CellName(bottom, right) + ": " + lxw_strerror(added);
  }
  for (int col = 0; col <= right; ++col) {
    std::size_t longest = 0;
    for (int row = 0; row <= bottom; ++row) longest = std::max(longest, grid.Cell(col, row).size());
    const double width = std::clamp(static_cast<double>(longest) + kFilterButtonWidth,
                                    kMinColumnWidth, kMaxColumnWidth);
    worksheet_set_column(worksheet, static_cast<lxw_col_t>(col), static_cast<lxw_col_t>(col), width,
                         nullptr);
  }
  return std::nullopt;
}

std::optional<std::string> WriteSheet(lxw_workbook* book, const StringGrid& grid,
                                      const SheetTexts& rows, const std::string& sheet_name) {
  lxw_worksheet* worksheet = workbook_add_worksheet(book, sheet_name.c_str());
  if (worksheet == nullptr) return "Cannot add a worksheet named \"" + sheet_name + "\"";
  for (std::size_t row = 0; row < rows.size(); ++row) {
    for (std::size_t col = 0; col < rows[row].size(); ++col) {
      const std::string& text = rows[row][col];
      if (text.empty()) continue;
      const lxw_error written =
          worksheet_write_string(worksheet, static_cast<lxw_row_t>(row),
                                 static_cast<lxw_col_t>(col), text.c_str(), nullptr);
      if (written != LXW_NO_ERROR) {
        return "Cannot write cell " + CellName(static_cast<int>(row), static_cast<int>(col)) +
               ": " + lxw_strerror(written);
      }
    }
  }
  return AddTable(worksheet, rows, grid);
}

class XlsxPlugin final : public QObject, public WorkbookWriter {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID VANTREL_WORKBOOK_WRITER_IID FILE "vantrel_build.json")
  Q_INTERFACES(vantrel::WorkbookWriter)

 public:
  std::optional<std::string> WriteWorkbook(const StringGrid& grid, std::string_view sheet_name,
                                           const std::string& path) override {
    // All texts are checked before anything is written.
    SheetTexts rows;
    if (std::optional<std::string> problem = SheetCellTexts(grid, &rows)) return problem;
    lxw_workbook* book = workbook_new(path.c_str());
    if (book == nullptr) return "Cannot create a workbook for " + path;
    if (std::optional<std::string> problem =
            WriteSheet(book, grid, rows, std::string(sheet_name))) {
      lxw_workbook_free(book);
      return problem;
    }
    // Writes the file and frees the workbook, also when writing fails.
    const lxw_error closed = workbook_close(book);
    if (closed != LXW_NO_ERROR) return "Cannot write " + path + ": " + lxw_strerror(closed);
    return std::nullopt;
  }
};

}  // namespace

}  // namespace vantrel

#include "xlsx_plugin.moc"

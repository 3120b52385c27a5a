// The spreadsheet writer module: writes workbooks with libxlsxwriter, which brings
// OpenSSL's crypto library with it, so the program loads it only when a workbook is written.
#include <xlsxwriter.h>

#include <QSet>
#include <QString>
#include <algorithm>
#include <string_view>

#include "modules/module_library.h"
#include "storage/qt/xlsx_module.h"
#include "storage/qt/xlsx_workbook.h"

namespace vantrel {

namespace {

// Excel keeps table column names to this many characters.
constexpr int kMaxHeaderLength = 255;
// Column widths, in characters, given to a formatted block.
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
    if (title.empty() || Utf8Length(title) > kMaxHeaderLength || HasControlCharacter(title)) {
      return false;
    }
    const QString folded = QString::fromStdString(title).toCaseFolded();
    if (seen.contains(folded)) return false;
    seen.insert(folded);
  }
  return true;
}

std::string CellName(int row, int col) {
  char name[LXW_MAX_CELL_NAME_LENGTH];
  lxw_rowcol_to_cell(name, static_cast<lxw_row_t>(row), static_cast<lxw_col_t>(col));
  return name;
}

std::optional<std::string> AddTable(lxw_worksheet* worksheet, const XlsxSheet& sheet,
                                    const XlsxBlock& block) {
  std::vector<std::string> titles;
  for (int col = block.left; col <= block.right; ++col)
    titles.push_back(sheet.Text(block.top, col));
  // The headers are given explicitly: without them the header row would be overwritten.
  std::vector<lxw_table_column> columns(titles.size());
  std::vector<lxw_table_column*> column_list;
  lxw_table_options options{};
  if (block.rows() >= 2 && UsableAsHeaders(titles)) {
    for (std::size_t i = 0; i < titles.size(); ++i) {
      columns[i].header = titles[i].data();
      column_list.push_back(&columns[i]);
    }
    column_list.push_back(nullptr);
    options.columns = column_list.data();
  } else {
    options.no_header_row = LXW_TRUE;
  }
  const lxw_error added = worksheet_add_table(
      worksheet, static_cast<lxw_row_t>(block.top), static_cast<lxw_col_t>(block.left),
      static_cast<lxw_row_t>(block.bottom), static_cast<lxw_col_t>(block.right), &options);
  if (added != LXW_NO_ERROR) {
    return "Cannot format " + CellName(block.top, block.left) + ":" +
           CellName(block.bottom, block.right) + ": " + lxw_strerror(added);
  }
  for (int col = block.left; col <= block.right; ++col) {
    int longest = 0;
    for (int row = block.top; row <= block.bottom; ++row) {
      longest = std::max(longest, Utf8Length(sheet.Text(row, col)));
    }
    const double width = std::clamp(longest + kFilterButtonWidth, kMinColumnWidth, kMaxColumnWidth);
    worksheet_set_column(worksheet, static_cast<lxw_col_t>(col), static_cast<lxw_col_t>(col), width,
                         nullptr);
  }
  return std::nullopt;
}

std::optional<std::string> WriteSheet(lxw_workbook* book, const XlsxSheet& sheet) {
  lxw_worksheet* worksheet = workbook_add_worksheet(book, sheet.name.c_str());
  if (worksheet == nullptr) return "Cannot add a worksheet named \"" + sheet.name + "\"";
  for (std::size_t row = 0; row < sheet.rows.size(); ++row) {
    const std::vector<std::string>& texts = sheet.rows[row];
    for (std::size_t col = 0; col < texts.size(); ++col) {
      if (texts[col].empty()) continue;
      const lxw_error written =
          worksheet_write_string(worksheet, static_cast<lxw_row_t>(row),
                                 static_cast<lxw_col_t>(col), texts[col].c_str(), nullptr);
      if (written != LXW_NO_ERROR) {
        return "Cannot write cell " + CellName(static_cast<int>(row), static_cast<int>(col)) +
               ": " + lxw_strerror(written);
      }
    }
  }
  if (sheet.table) return AddTable(worksheet, sheet, *sheet.table);
  return std::nullopt;
}

std::optional<std::string> WriteWorkbook(const XlsxWorkbook& workbook, const std::string& path) {
  lxw_workbook* book = workbook_new(path.c_str());
  if (book == nullptr) return "Cannot create a workbook for " + path;
  for (const XlsxSheet& sheet : workbook.sheets) {
    if (std::optional<std::string> problem = WriteSheet(book, sheet)) {
      lxw_workbook_free(book);
      return problem;
    }
  }
  // Writes the file and frees the workbook, also when writing fails.
  const lxw_error closed = workbook_close(book);
  if (closed != LXW_NO_ERROR) return "Cannot write " + path + ": " + lxw_strerror(closed);
  return std::nullopt;
}

constexpr XlsxModule kEntry{{kModuleAbi}, &WriteWorkbook};

}  // namespace

}  // namespace vantrel

VANTREL_MODULE_ENTRY(vantrel::kEntry)

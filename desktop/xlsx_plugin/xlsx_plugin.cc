// The spreadsheet writer plugin: puts workbooks into the .xlsx container with libxlsxwriter,
// which brings OpenSSL's crypto library with it, so the program loads it only when a
// workbook is written. What the workbook holds is the core's (storage/workbook.h); this
// only hands it to the library.
#include <xlsxwriter.h>

#include <QDir>
#include <QFile>
#include <QObject>
#include <QString>
#include <QTemporaryFile>
#include <cstdlib>
#include <vector>

#include "desktop/storage/workbook_writer.h"
#include "storage/sheet_cells.h"

namespace vantrel {

namespace {

// The table over the whole block, named by its header row where it has one.
std::optional<std::string> AddTable(lxw_worksheet* worksheet, const SheetFormat& format) {
  if (!format.table) return std::nullopt;
  const auto bottom = static_cast<lxw_row_t>(format.row_count - 1);
  const auto right = static_cast<lxw_col_t>(format.col_count - 1);
  // The headers are given explicitly: without them the header row would be overwritten.
  std::vector<lxw_table_column> columns(format.column_names.size());
  std::vector<lxw_table_column*> column_list;
  lxw_table_options options{};
  if (format.header_row) {
    for (std::size_t i = 0; i < columns.size(); ++i) {
      columns[i].header = const_cast<char*>(format.column_names[i].c_str());
      column_list.push_back(&columns[i]);
    }
    column_list.push_back(nullptr);
    options.columns = column_list.data();
  } else {
    options.no_header_row = LXW_TRUE;
  }
  const lxw_error added = worksheet_add_table(worksheet, 0, 0, bottom, right, &options);
  if (added != LXW_NO_ERROR) {
    return "Cannot format A1:" + CellName(format.row_count - 1, format.col_count - 1) + ": " +
           lxw_strerror(added);
  }
  return std::nullopt;
}

std::optional<std::string> WriteSheet(lxw_workbook* book, const Sheet& sheet) {
  const SheetFormat& format = sheet.format;
  lxw_worksheet* worksheet = workbook_add_worksheet(book, format.name.c_str());
  if (worksheet == nullptr) return "Cannot add a worksheet named \"" + format.name + "\"";
  for (std::size_t i = 0; i < sheet.cells.size(); ++i) {
    const SheetCell& cell = sheet.cells[i];
    if (cell.text.empty()) continue;
    const auto row = static_cast<lxw_row_t>(i / format.col_count);
    const auto col = static_cast<lxw_col_t>(i % format.col_count);
    const lxw_error written =
        cell.type == CellType::kNumber
            ? worksheet_write_number(worksheet, row, col, std::strtod(cell.text.c_str(), nullptr),
                                     nullptr)
            : worksheet_write_string(worksheet, row, col, cell.text.c_str(), nullptr);
    if (written != LXW_NO_ERROR) {
      return "Cannot write cell " + CellName(static_cast<int>(row), col) + ": " +
             lxw_strerror(written);
    }
  }
  for (int col = 0; col < format.col_count; ++col) {
    worksheet_set_column(worksheet, static_cast<lxw_col_t>(col), static_cast<lxw_col_t>(col),
                         format.widths[col], nullptr);
  }
  return AddTable(worksheet, format);
}

class XlsxPlugin final : public QObject, public WorkbookWriter {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID VANTREL_WORKBOOK_WRITER_IID FILE "vantrel_build.json")
  Q_INTERFACES(vantrel::WorkbookWriter)

 public:
  std::optional<std::string> WorkbookBytes(const Workbook& book, std::string* bytes) override {
    // The library writes to a file by its name only: a private one in the temporary folder,
    // read back and removed.
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/vantrel-workbook-XXXXXX.xlsx"));
    if (!file.open()) {
      return "Cannot create a file in \"" + QDir::tempPath().toStdString() +
             "\": " + file.errorString().toStdString();
    }
    file.close();
    const std::string path = QFile::encodeName(file.fileName()).toStdString();
    lxw_workbook* workbook = workbook_new(path.c_str());
    if (workbook == nullptr) return "Cannot create a workbook for " + path;
    for (const Sheet& sheet : book.sheets) {
      if (std::optional<std::string> problem = WriteSheet(workbook, sheet)) {
        lxw_workbook_free(workbook);
        return problem;
      }
    }
    // Writes the file and frees the workbook, also when writing fails.
    const lxw_error closed = workbook_close(workbook);
    if (closed != LXW_NO_ERROR) return "Cannot write " + path + ": " + lxw_strerror(closed);
    if (!file.open()) return "Cannot read " + path + ": " + file.errorString().toStdString();
    *bytes = file.readAll().toStdString();
    return std::nullopt;
  }
};

}  // namespace

}  // namespace vantrel

#include "xlsx_plugin.moc"

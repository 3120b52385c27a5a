#include "storage/qt/xlsx_excel_application.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <algorithm>

namespace vantrel {

namespace {

constexpr char kXlsxMimeType[] =
    "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet";
constexpr std::int32_t kTableFormat = 0;

ExcelStatus Failed(std::string description) {
  return ExcelFailure{std::move(description), kExcelCallFailed};
}

ExcelStatus NotConnected() { return Failed("The spreadsheet application is not connected"); }

ExcelStatus WrongObject(std::string_view member) {
  return Failed(std::string(member) + ": the object is not of the right kind");
}

std::optional<std::int32_t> IntegerOf(const ExcelVariant& value) {
  if (const auto* number = std::get_if<std::int32_t>(&value)) return *number;
  return std::nullopt;
}

bool IsAscii(const std::string& text) {
  return std::all_of(text.begin(), text.end(),
                     [](char byte) { return static_cast<unsigned char>(byte) < 0x80; });
}

// `text` as valid UTF-8 (a broken sequence becomes U+FFFD), or nothing when it is longer
// than a cell can hold.
std::optional<std::string> CellText(const std::string& text) {
  if (IsAscii(text)) {
    if (text.size() > kXlsxMaxTextLength) return std::nullopt;
    return text;
  }
  const QString wide = QString::fromUtf8(text);
  if (wide.size() > kXlsxMaxTextLength) return std::nullopt;
  return wide.toStdString();
}

XlsxBlock Union(const XlsxBlock& a, const XlsxBlock& b) {
  return {std::min(a.top, b.top), std::min(a.left, b.left), std::max(a.bottom, b.bottom),
          std::max(a.right, b.right)};
}

// A file name part from a sheet name: letters, digits, '-' and '_' only.
QString FileStem(const std::string& sheet_name) {
  QString stem = QString::fromStdString(sheet_name);
  for (QChar& ch : stem) {
    if (!ch.isLetterOrNumber() && ch != QLatin1Char('-')) ch = QLatin1Char('_');
  }
  return stem.isEmpty() ? QStringLiteral("Workbook") : stem;
}

QString DefaultFolder() {
  const QString data = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
  return data.isEmpty() ? QString() : data + QStringLiteral("/exports");
}

}  // namespace

std::optional<std::pair<int, int>> ParseCellAddress(std::string_view address) {
  std::size_t at = 0;
  int col = 0;
  while (at < address.size() && at < 3) {
    const char letter = address[at];
    if (letter >= 'a' && letter <= 'z') {
      col = col * 26 + (letter - 'a' + 1);
    } else if (letter >= 'A' && letter <= 'Z') {
      col = col * 26 + (letter - 'A' + 1);
    } else {
      break;
    }
    ++at;
  }
  if (at == 0 || col > kXlsxMaxCols) return std::nullopt;
  const std::size_t digits_from = at;
  long long row = 0;
  while (at < address.size() && at - digits_from < 8 && address[at] >= '0' && address[at] <= '9') {
    row = row * 10 + (address[at] - '0');
    ++at;
  }
  if (at != address.size() || at == digits_from || address[digits_from] == '0' ||
      row > kXlsxMaxRows) {
    return std::nullopt;
  }
  return std::make_pair(static_cast<int>(row) - 1, col - 1);
}

XlsxExcelApplication::XlsxExcelApplication(const XlsxExcelOptions& options)
    : folder_(options.folder.isEmpty() ? DefaultFolder() : options.folder),
      opener_(options.opener, options.mime_query, options.opener_verdict_ms) {}

XlsxExcelApplication::~XlsxExcelApplication() = default;

ExcelStatus XlsxExcelApplication::Connect() {
  if (connected_) return std::nullopt;
  if (std::optional<std::string> problem =
          opener_.CheckCanOpen(QString::fromLatin1(kXlsxMimeType), QStringLiteral(".xlsx"))) {
    return Failed(*problem);
  }
  connected_ = true;
  return std::nullopt;
}

ExcelStatus XlsxExcelApplication::Workbooks(ExcelObject* workbooks) {
  if (!connected_) return NotConnected();
  *workbooks = Hand({Kind::kWorkbooks, nullptr, 0, {}});
  return std::nullopt;
}

ExcelStatus XlsxExcelApplication::WorkbooksAdd(ExcelObject workbooks,
                                               const ExcelVariant& template_kind,
                                               ExcelLocale /*lcid*/, ExcelObject* workbook) {
  if (!connected_) return NotConnected();
  if (Find(workbooks, Kind::kWorkbooks) == nullptr) return WrongObject("Workbooks.Add");
  if (IntegerOf(template_kind) != kXlWbatWorksheet) {
    return Failed("Workbooks.Add: only a workbook of one worksheet can be added");
  }
  auto added = std::make_shared<Workbook>();
  added->book.sheets.push_back({"Sheet1", {}, std::nullopt});
  workbooks_.push_back(added);
  *workbook = Hand({Kind::kWorkbook, added, 0, {}});
  return std::nullopt;
}

ExcelStatus XlsxExcelApplication::Worksheets(ExcelObject workbook, ExcelObject* worksheets) {
  const Object* found = Find(workbook, Kind::kWorkbook);
  if (found == nullptr) return WrongObject("Workbook.Worksheets");
  *worksheets = Hand({Kind::kWorksheets, found->workbook, 0, {}});
  return std::nullopt;
}

ExcelStatus XlsxExcelApplication::WorksheetsItem(ExcelObject worksheets, const ExcelVariant& index,
                                                 ExcelObject* worksheet) {
  const Object* found = Find(worksheets, Kind::kWorksheets);
  if (found == nullptr) return WrongObject("Worksheets.Item");
  const std::optional<std::int32_t> number = IntegerOf(index);
  const int count = static_cast<int>(found->workbook->book.sheets.size());
  if (!number || *number < 1 || *number > count) {
    return Failed("Worksheets.Item: there is no such sheet");
  }
  *worksheet = Hand({Kind::kWorksheet, found->workbook, *number - 1, {}});
  return std::nullopt;
}

ExcelStatus XlsxExcelApplication::Cells(ExcelObject worksheet, ExcelObject* range) {
  const Object* found = Find(worksheet, Kind::kWorksheet);
  if (found == nullptr) return WrongObject("Worksheet.Cells");
  *range = Hand({Kind::kRange, found->workbook, found->sheet,
                 XlsxBlock{0, 0, kXlsxMaxRows - 1, kXlsxMaxCols - 1}});
  return std::nullopt;
}

ExcelStatus XlsxExcelApplication::RangeItem(ExcelObject range, const ExcelVariant& row_index,
                                            const ExcelVariant& column_index, ExcelVariant* cell) {
  const Object* found = Find(range, Kind::kRange);
  if (found == nullptr) return WrongObject("Range.Item");
  const std::optional<std::int32_t> row = IntegerOf(row_index);
  const std::optional<std::int32_t> col = IntegerOf(column_index);
  if (!row || !col) return Failed("Range.Item: the row and column must be whole numbers");
  const long long sheet_row = static_cast<long long>(found->block.top) + *row - 1;
  const long long sheet_col = static_cast<long long>(found->block.left) + *col - 1;
  if (sheet_row < 0 || sheet_row >= kXlsxMaxRows || sheet_col < 0 || sheet_col >= kXlsxMaxCols) {
    return Failed("Range.Item: row " + std::to_string(*row) + ", column " + std::to_string(*col) +
                  " lies outside the sheet (" + std::to_string(kXlsxMaxRows) + " rows, " +
                  std::to_string(kXlsxMaxCols) + " columns)");
  }
  const int r = static_cast<int>(sheet_row);
  const int c = static_cast<int>(sheet_col);
  *cell = Hand({Kind::kRange, found->workbook, found->sheet, XlsxBlock{r, c, r, c}});
  return std::nullopt;
}

ExcelStatus XlsxExcelApplication::WorksheetRange(ExcelObject worksheet, const ExcelVariant& cell1,
                                                 const ExcelVariant& cell2, ExcelObject* range) {
  const Object* found = Find(worksheet, Kind::kWorksheet);
  if (found == nullptr) return WrongObject("Worksheet.Range");
  return MakeRange(*found, cell1, cell2, "Worksheet.Range", range);
}

ExcelStatus XlsxExcelApplication::SetRangeValue(ExcelObject range, const ExcelVariant& value) {
  const Object* found = Find(range, Kind::kRange);
  if (found == nullptr) return WrongObject("Range.Value");
  const auto* cells = std::get_if<const ExcelCellArray*>(&value);
  if (cells == nullptr || *cells == nullptr) return Failed("Range.Value: the value is no block");
  const ExcelCellArray& texts = **cells;
  const XlsxBlock& block = found->block;
  if (texts.rows() != block.rows() || texts.cols() != block.cols()) {
    return Failed("Range.Value: " + std::to_string(texts.rows()) + " by " +
                  std::to_string(texts.cols()) + " texts do not fit a range of " +
                  std::to_string(block.rows()) + " by " + std::to_string(block.cols()));
  }
  // All or nothing: every text is checked before the sheet takes any.
  std::vector<std::string> checked;
  checked.reserve(static_cast<std::size_t>(texts.rows()) * texts.cols());
  for (int row = 0; row < texts.rows(); ++row) {
    for (int col = 0; col < texts.cols(); ++col) {
      std::optional<std::string> text = CellText(texts.At(row, col));
      if (!text) {
        return Failed("Range.Value: a cell can hold at most " + std::to_string(kXlsxMaxTextLength) +
                      " characters");
      }
      checked.push_back(std::move(*text));
    }
  }
  XlsxSheet& sheet = found->workbook->book.sheets[found->sheet];
  if (sheet.rows.size() <= static_cast<std::size_t>(block.bottom))
    sheet.rows.resize(block.bottom + 1);
  std::size_t next = 0;
  for (int row = block.top; row <= block.bottom; ++row) {
    for (int col = block.left; col <= block.right; ++col) {
      sheet.SetText(row, col, std::move(checked[next++]));
    }
  }
  return std::nullopt;
}

ExcelStatus XlsxExcelApplication::SetWorksheetName(ExcelObject worksheet, const std::string& name) {
  const Object* found = Find(worksheet, Kind::kWorksheet);
  if (found == nullptr) return WrongObject("Worksheet.Name");
  const std::string valid = QString::fromUtf8(name).toStdString();
  if (std::optional<std::string> problem = SheetNameProblem(valid)) {
    return Failed("Worksheet.Name: " + *problem);
  }
  found->workbook->book.sheets[found->sheet].name = valid;
  return std::nullopt;
}

ExcelStatus XlsxExcelApplication::ApplicationRange(const ExcelVariant& cell1,
                                                   const ExcelVariant& cell2, ExcelObject* range) {
  if (!connected_) return NotConnected();
  if (workbooks_.empty()) return Failed("Application.Range: there is no active sheet");
  const Object active_sheet{Kind::kWorksheet, workbooks_.back(), 0, {}};
  return MakeRange(active_sheet, cell1, cell2, "Application.Range", range);
}

ExcelStatus XlsxExcelApplication::RangeAutoFormat(ExcelObject range, std::int32_t format,
                                                  const std::array<ExcelVariant, 6>& /*options*/) {
  const Object* found = Find(range, Kind::kRange);
  if (found == nullptr) return WrongObject("Range.AutoFormat");
  if (format != kTableFormat) {
    return Failed("Range.AutoFormat: format " + std::to_string(format) +
                  " is not supported; 0 gives a table style");
  }
  found->workbook->book.sheets[found->sheet].table = found->block;
  return std::nullopt;
}

ExcelStatus XlsxExcelApplication::SetVisible(ExcelLocale /*lcid*/, bool visible) {
  if (!connected_) return NotConnected();
  if (!visible) return std::nullopt;
  for (const std::shared_ptr<Workbook>& workbook : workbooks_) {
    if (workbook->shown) continue;
    workbook->shown = true;
    if (std::optional<std::string> problem = Show(*workbook)) return Failed(*problem);
  }
  return std::nullopt;
}

ExcelStatus XlsxExcelApplication::Disconnect() {
  connected_ = false;
  workbooks_.clear();
  return std::nullopt;
}

void XlsxExcelApplication::Release(ExcelObject object) { objects_.erase(object.id); }

ExcelObject XlsxExcelApplication::Hand(Object object) {
  const std::uint32_t id = next_id_++;
  objects_.emplace(id, std::move(object));
  return ExcelObject{id};
}

const XlsxExcelApplication::Object* XlsxExcelApplication::Find(ExcelObject reference,
                                                               Kind kind) const {
  const auto found = objects_.find(reference.id);
  if (found == objects_.end() || found->second.kind != kind) return nullptr;
  return &found->second;
}

std::optional<XlsxBlock> XlsxExcelApplication::Corner(const ExcelVariant& cell, const Object& sheet,
                                                      std::string* problem) const {
  if (const auto* address = std::get_if<std::string>(&cell)) {
    const std::optional<std::pair<int, int>> parsed = ParseCellAddress(*address);
    if (!parsed) {
      *problem = "\"" + *address + "\" is not a cell address";
      return std::nullopt;
    }
    const auto [row, col] = *parsed;
    return XlsxBlock{row, col, row, col};
  }
  if (const auto* object = std::get_if<ExcelObject>(&cell)) {
    const Object* range = Find(*object, Kind::kRange);
    if (range != nullptr && range->workbook == sheet.workbook && range->sheet == sheet.sheet) {
      return range->block;
    }
  }
  *problem = "a corner must be a cell address or a range of the same sheet";
  return std::nullopt;
}

ExcelStatus XlsxExcelApplication::MakeRange(const Object& sheet, const ExcelVariant& cell1,
                                            const ExcelVariant& cell2, std::string_view member,
                                            ExcelObject* range) {
  std::string problem;
  const std::optional<XlsxBlock> first = Corner(cell1, sheet, &problem);
  if (!first) return Failed(std::string(member) + ": " + problem);
  const std::optional<XlsxBlock> second = Corner(cell2, sheet, &problem);
  if (!second) return Failed(std::string(member) + ": " + problem);
  *range = Hand({Kind::kRange, sheet.workbook, sheet.sheet, Union(*first, *second)});
  return std::nullopt;
}

std::optional<std::string> XlsxExcelApplication::Show(const Workbook& workbook) {
  if (folder_.isEmpty() || !QDir().mkpath(folder_)) {
    return "Cannot create the folder \"" + folder_.toStdString() + "\" for the workbook";
  }
  // The name is reserved by creating the file, so that no two workbooks share it.
  const QString stem =
      FileStem(workbook.book.sheets.empty() ? std::string() : workbook.book.sheets[0].name);
  QTemporaryFile reserved(folder_ + QLatin1Char('/') + stem + QStringLiteral("-XXXXXX.xlsx"));
  reserved.setAutoRemove(false);
  if (!reserved.open()) {
    return "Cannot create a file in \"" + folder_.toStdString() +
           "\": " + reserved.errorString().toStdString();
  }
  const QString path = reserved.fileName();
  reserved.close();
  if (std::optional<std::string> problem =
          WriteXlsxFile(workbook.book, QFile::encodeName(path).toStdString())) {
    QFile::remove(path);
    return problem;
  }
  return opener_.Open(path);
}

}  // namespace vantrel

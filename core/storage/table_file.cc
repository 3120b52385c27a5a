#include "storage/table_file.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

#include "language/catalogue.h"
#include "language/numbers.h"

namespace vantrel {

namespace {

// Removes the characters of code 0 to 32 from both ends; bytes from 128 up stay.
std::string_view TrimControls(std::string_view text) {
  const auto is_control = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  while (!text.empty() && is_control(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_control(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

int CountOccurrences(std::string_view line, std::string_view separator) {
  if (separator.empty()) return 0;
  if (separator.size() == 1) {
    return static_cast<int>(std::count(line.begin(), line.end(), separator.front()));
  }
  // Cutting an occurrence out may join a new one across the cut. Keeping the text read so
  // far on a stack and cutting the separator off its top as soon as it appears finds the
  // same occurrences in the same order, in one pass.
  std::string kept;
  int count = 0;
  for (char c : line) {
    kept.push_back(c);
    if (std::string_view(kept).ends_with(separator)) {
      kept.resize(kept.size() - separator.size());
      ++count;
    }
  }
  return count;
}

void FillLineBuffer(const StringGrid& grid, LineBuffer& buffer, std::string_view separator) {
  buffer.Clear();
  std::string line;
  for (int row = 0; row < grid.RowCount(); ++row) {
    line.clear();
    for (int col = 1; col < grid.ColCount(); ++col) {
      line += ' ';
      line += TrimControls(grid.Cell(col, row));
      line += ' ';
      line += separator;
    }
    buffer.Append(line);
  }
}

TableFileResult SaveTableFile(const StringGrid& grid, const std::string& file_name,
                              std::string_view separator) {
  LineBuffer buffer;
  FillLineBuffer(grid, buffer, separator);
  switch (buffer.SaveToFile(file_name)) {
    case FileResult::kOk:
    case FileResult::kCannotOpen:
      return {};
    case FileResult::kCannotCreate:
      return {TableFileResult::Status::kCannotCreate,
              Arg(Tr("TableFile", "Cannot create file %1"), {file_name})};
    case FileResult::kWriteError:
      return {TableFileResult::Status::kWriteError, Tr("TableFile", "Stream write error")};
  }
  return {};
}

namespace {

// What a load tells once the file's lines are in `buffer`.
TableFileResult FillFromLines(StringGrid& grid, const LineBuffer& buffer,
                              const std::string& file_name) {
  using Status = TableFileResult::Status;
  switch (FillStringGrid(grid, buffer)) {
    case GridFill::kFilled: {
      TableFileResult result;
      result.status_line = Arg(Tr("TableFile", "Opened %1. Organisms: %2"),
                               {file_name, GroupedNumber(grid.RowCount() - 1)});
      return result;
    }
    case GridFill::kEmptyFirstLine:
      return {Status::kNothingLoaded, {}};
    case GridFill::kTitleRowOnly:
      // A grid of the title row alone holds nothing to select or work on: refuse it.
      return {Status::kNoBodyRows,
              Arg(Tr("TableFile", "File %1 holds no rows below the title row."), {file_name})};
    case GridFill::kTooManyColumns:
      return {
          Status::kTooLarge,
          Arg(Tr("TableFile", "File %1 makes a table of %2 columns; a table can have at most %3."),
              {file_name, GroupedNumber(TableColumnCount(buffer)),
               GroupedNumber(kMaxTableColumns)})};
    case GridFill::kTooManyCells:
      return {Status::kTooLarge,
              Arg(Tr("TableFile",
                     "File %1 makes a table of %2 rows and %3 columns, more than the program can "
                     "hold (at most %4 cells)."),
                  {file_name, GroupedNumber(buffer.Count()),
                   GroupedNumber(TableColumnCount(buffer)), GroupedNumber(kMaxTableCells)})};
  }
  return {};
}

// What a load says of bytes that are plainly no table file: a ZIP container (a
// spreadsheet's file starts so) or binary data holding NUL bytes. Empty otherwise.
TableFileResult RefuseForeignBytes(std::string_view text, const std::string& file_name) {
  using Status = TableFileResult::Status;
  if (text.starts_with("PK\x03\x04") || text.starts_with("PK\x05\x06")) {
    return {Status::kSpreadsheet,
            Arg(Tr("TableFile",
                   "File %1 is a spreadsheet or another packed file, not a table file. Open reads "
                   "the table files that Save writes."),
                {file_name})};
  }
  if (text.find('\0') != std::string_view::npos) {
    return {Status::kBinary,
            Arg(Tr("TableFile", "File %1 holds binary data, not text: it is not a table file."),
                {file_name})};
  }
  return {Status::kOk, {}};
}

}  // namespace

TableFileResult NotAFileResult(const std::string& file_name) {
  return {TableFileResult::Status::kNotAFile,
          Arg(Tr("TableFile", "Cannot open file %1."), {file_name})};
}

TableFileResult CannotOpenResult(const std::string& file_name) {
  return {TableFileResult::Status::kCannotOpen,
          Arg(Tr("TableFile", "Cannot open file %1"), {file_name})};
}

TableFileResult LoadTableFile(StringGrid& grid, const std::string& file_name) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(file_name, error)) return NotAFileResult(file_name);
  std::string text;
  if (!ReadWholeFile(file_name, text)) return CannotOpenResult(file_name);
  return vantrel::LoadTableText(grid, std::move(text), file_name);
}

std::string TableFileText(const StringGrid& grid, std::string_view separator) {
  LineBuffer buffer;
  FillLineBuffer(grid, buffer, separator);
  return buffer.Text();
}

TableFileResult LoadTableText(StringGrid& grid, std::string text, const std::string& file_name) {
  if (TableFileResult refused = RefuseForeignBytes(text, file_name); !refused.ok()) return refused;
  LineBuffer buffer;
  buffer.SetText(std::move(text));
  return FillFromLines(grid, buffer, file_name);
}

int TableColumnCount(const LineBuffer& buffer) {
  const std::string_view first = buffer.Line(0);
  if (first.empty()) return 0;
  return CountOccurrences(first, first.substr(first.size() - 1)) + 1;
}

GridFill FillStringGrid(StringGrid& grid, const LineBuffer& buffer) {
  const std::string_view first = buffer.Line(0);
  if (first.empty()) return GridFill::kEmptyFirstLine;
  if (buffer.Count() < 2) return GridFill::kTitleRowOnly;

  const char separator = first.back();
  const int col_count = TableColumnCount(buffer);
  const int row_count = buffer.Count();
  if (col_count > kMaxTableColumns) return GridFill::kTooManyColumns;
  if (std::int64_t{col_count} * row_count > kMaxTableCells) return GridFill::kTooManyCells;

  const StringGrid::UpdateScope batch(grid);  // one reset for the whole load
  grid.SetColCount(col_count);
  grid.SetRowCount(row_count);
  std::vector<std::string_view> fields(static_cast<std::size_t>(col_count));
  for (int row = 0; row < row_count; ++row) {
    std::string_view rest = buffer.Line(row);
    int filled = 1;  // fields[1, filled) were found on the line; the rest are empty
    for (; filled < col_count; ++filled) {
      const std::size_t at = rest.find(separator);
      if (at == std::string_view::npos) break;
      fields[filled] = TrimControls(rest.substr(0, at));
      // The separator and the one character after it are dropped unread.
      rest.remove_prefix(std::min(rest.size(), at + 2));
    }
    // Only cells that hold text, or held some before, are written: an empty cell beyond a
    // row's stored ones costs nothing. Last column first, so a row is allocated once.
    const int written = std::min(col_count, std::max(filled, grid.StoredWidth(row)));
    for (int col = written - 1; col >= 1; --col) {
      const std::string_view text = col < filled ? fields[col] : std::string_view();
      if (!text.empty() || col < grid.StoredWidth(row)) grid.AssignCell(col, row, text);
    }
  }
  return GridFill::kFilled;
}

void CopyFixedColumn(const StringGrid& grid, StringGrid& table) {
  for (int row = grid.StoredRowCount() - 1; row >= 0; --row) {
    if (!grid.Cell(0, row).empty()) table.SetCell(0, row, grid.Cell(0, row));
  }
}

FileQuestion OpenTableFileQuestion() {
  FileQuestion question;
  question.mode = FileQuestion::Mode::kOpen;
  question.title = Tr("TableFile", "Open organisms file");
  // Only the filters' names are translated; their patterns stay as the dialogs read them.
  question.filters = {Arg(Tr("TableFile", "Simple Table Files (%1)"), {"*.str"}),
                      Arg(Tr("TableFile", "All Files (%1)"), {"*"})};
  question.suffix = "str";
  question.confirm_overwrite = false;
  return question;
}

FileQuestion SaveTableFileQuestion() {
  FileQuestion question = OpenTableFileQuestion();
  question.mode = FileQuestion::Mode::kSave;
  question.title = Tr("TableFile", "save organisms file");
  question.suggested_name = "organisms.str";
  return question;
}

}  // namespace vantrel

#ifndef VANTREL_STORAGE_TABLE_FILE_H_
#define VANTREL_STORAGE_TABLE_FILE_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "population/string_grid.h"
#include "population/table_limits.h"
#include "storage/file_name_dialog.h"
#include "storage/line_buffer.h"

namespace vantrel {

// The Simple Table File: one line per grid row from the title row on, each line holding
// " text #" for every column but the first, and CR LF after every line. The reader takes
// the separator from the last character of the first line. Both sides work on any grid.

// How often `separator` occurs in `line`, counting as if each found occurrence were cut
// out of the line before looking for the next. An empty separator counts 0.
int CountOccurrences(std::string_view line, std::string_view separator);

// How a load or save ended. The window tells the user: `text` is empty when there is
// nothing to say; an error report is a failure the program did not handle itself (shown
// with the error icon), anything else a plain message.
struct TableFileResult {
  enum class Status {
    kOk,
    kNothingLoaded,  // an empty file or first line: the grid stays, without a word
    kNotAFile,       // the name is not an existing regular file
    kCannotOpen,     // it exists but cannot be read
    kNoBodyRows,     // it holds the title row alone
    kCannotCreate,   // the file could not be created or replaced
    kWriteError,     // writing failed; the file is as it was
    kSpreadsheet,    // a ZIP container (a spreadsheet, say), not a table file
    kBinary,         // it holds NUL bytes: not text
    kTooLarge,       // its table has more columns or cells than the program holds
  };

  TableFileResult() = default;
  TableFileResult(Status status_in, std::string text_in)
      : status(status_in), text(std::move(text_in)) {}

  Status status = Status::kOk;
  std::string text;
  // After a successful load: a line for a status line, naming the file and its organisms.
  std::string status_line;

  bool ok() const { return status == Status::kOk; }
  bool IsErrorReport() const {
    return status == Status::kCannotOpen || status == Status::kCannotCreate ||
           status == Status::kWriteError;
  }
};

// What a load says of `file_name` when it names no regular file (a folder, say), and when
// the file exists but cannot be read.
TableFileResult NotAFileResult(const std::string& file_name);
TableFileResult CannotOpenResult(const std::string& file_name);

// Saves the grid's rows to `file_name`, one line per row with `separator` after each
// cell. On failure the file is as it was before.
TableFileResult SaveTableFile(const StringGrid& grid, const std::string& file_name,
                              std::string_view separator = "#");

// Sets the grid's size and cells from `file_name`. Anything but kOk leaves the grid as it
// was.
TableFileResult LoadTableFile(StringGrid& grid, const std::string& file_name);

// The bytes SaveTableFile writes, for a face that hands them on itself (a web page's
// download).
std::string TableFileText(const StringGrid& grid, std::string_view separator = "#");

// LoadTableFile for bytes already read (a file a web page was given); `file_name` only
// names them in the result's text.
TableFileResult LoadTableText(StringGrid& grid, std::string text, const std::string& file_name);

// The part of SaveTableFile before the file is written: one line per grid row.
void FillLineBuffer(const StringGrid& grid, LineBuffer& buffer, std::string_view separator);

// The outcome of filling a grid from lines already in a buffer.
enum class GridFill { kFilled, kEmptyFirstLine, kTitleRowOnly, kTooManyColumns, kTooManyCells };

// The columns a table of the buffer's lines has: one more than the separators on its first
// line (0 for an empty first line).
int TableColumnCount(const LineBuffer& buffer);

// The part of LoadTableFile after the file is read: sets the grid from the buffer's
// lines, or leaves it untouched when the outcome is not kFilled.
GridFill FillStringGrid(StringGrid& grid, const LineBuffer& buffer);

// A load writes every column of `grid` but the fixed one, whose IDs stay. Copies that
// column into `table`, an empty grid a load can fill in `grid`'s place and hand over whole:
// the filled table then shows exactly what the load would have left in `grid`.
void CopyFixedColumn(const StringGrid& grid, StringGrid& table);

// What the open and save dialogs of table files ask: any name is taken, and saving
// replaces an existing file without a question.
FileQuestion OpenTableFileQuestion();
FileQuestion SaveTableFileQuestion();

}  // namespace vantrel

#endif  // VANTREL_STORAGE_TABLE_FILE_H_

#ifndef VANTREL_STORAGE_TABLE_FILE_H_
#define VANTREL_STORAGE_TABLE_FILE_H_

#include <string>
#include <string_view>

#include "population/string_grid.h"
#include "storage/line_buffer.h"
#include "ui/messages.h"

namespace vantrel {

// The Simple Table File: one line per grid row from the title row on, each line holding
// " text #" for every column but the first, and CR LF after every line. The reader takes
// the separator from the last character of the first line. Both sides work on any grid.

// How often `separator` occurs in `line`, counting as if each found occurrence were cut
// out of the line before looking for the next. An empty separator counts 0.
int CountOccurrences(std::string_view line, std::string_view separator);

// Saves: fills `buffer` with the grid's rows and writes it to `file_name`. A failure goes
// to `messages` as an error report; the file then is as it was before.
void SaveTableFile(const StringGrid& grid, const std::string& file_name, LineBuffer& buffer,
                     std::string_view separator, MessageService& messages);

// Loads: sets the grid's size and cells from `file_name`, through `buffer`. A name that
// is not an existing file, a file that cannot be read and a file holding only a title row
// are reported to `messages` and leave the grid as it was; an empty file or first line
// leaves it as it was without a word.
void LoadTableFile(StringGrid& grid, const std::string& file_name, LineBuffer& buffer,
                    MessageService& messages);

// The part of SaveTableFile before the file is written: one line per grid row.
void FillLineBuffer(const StringGrid& grid, LineBuffer& buffer, std::string_view separator);

// The outcome of filling a grid from lines already in a buffer.
enum class GridFill { kFilled, kEmptyFirstLine, kTitleRowOnly };

// The part of LoadTableFile after the file is read: sets the grid from the buffer's
// lines, or leaves it untouched when the outcome is not kFilled.
GridFill FillStringGrid(StringGrid& grid, const LineBuffer& buffer);

}  // namespace vantrel

#endif  // VANTREL_STORAGE_TABLE_FILE_H_

#ifndef VANTREL_STORAGE_WORKBOOK_H_
#define VANTREL_STORAGE_WORKBOOK_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// A workbook as the program writes it, whoever writes the file: its sheets, each sheet's
// cells with their types, its columns' widths and the table over its block. The core fills
// it (the organisms table in sheet_cells.h, the runs in lab/run_csv.h); each face only puts
// it into the .xlsx container, the desktop with libxlsxwriter, the page with its one writer.

enum class CellType : std::uint8_t { kText, kNumber };

struct SheetCell {
  // The text as the file holds it (see SheetText), a number's in decimal; empty for a blank
  // cell, which is left out of the file.
  std::string text;
  CellType type = CellType::kText;

  bool operator==(const SheetCell&) const = default;
};

// Everything about a sheet but its cells.
struct SheetFormat {
  std::string name;
  int row_count = 0;
  int col_count = 0;
  // Each column's width in characters.
  std::vector<double> widths;
  // Whether the block is formatted as a table under the default table style, and whether
  // that table's first row names its columns.
  bool table = false;
  bool header_row = false;
  // The table's column names, as the file holds them: the first row's texts where it is the
  // header row, else Column1, Column2 and so on.
  std::vector<std::string> column_names;

  bool operator==(const SheetFormat&) const = default;
};

struct Sheet {
  SheetFormat format;
  // Row by row, `format.col_count` cells to a row.
  std::vector<SheetCell> cells;
};

struct Workbook {
  std::vector<Sheet> sheets;
};

// The text of `utf8` as a sheet's file holds it. A control character (below U+0020 but tab
// and line feed, which XML keeps as they are) is written _xHHHH_, which spreadsheets read
// back as that character, so that no cell loses any of its text; an
// underscore that would begin such a form is itself written _x005F_, so that the texts
// "_x0001_" and "\x01" stay apart.
std::string SheetText(std::string_view utf8);

// The number of characters of UTF-8 text.
int CharacterCount(std::string_view utf8);

// The format of a sheet named `name` of `row_count` rows and `col_count` columns, whose first
// row holds `titles` and whose columns' longest texts hold `longest` characters (as data,
// before SheetText). Each column is as wide as its longest text with room for the filter
// button, 9 to 80 characters; a block with cells is a table, with the first row as its
// header row where a row follows and the titles can name columns: each present, at most
// 255 characters, without control characters, and unique regardless of case.
SheetFormat FormatSheet(std::string name, int row_count, int col_count,
                        const std::vector<std::string>& titles, const std::vector<int>& longest);

// A sheet named `name` of `rows` of UTF-8 texts, the first its column titles, each row as
// long as the first. Below the first row a cell is of the type `types` gives its column
// (text for a column it gives none); a number cell whose text is no plain decimal number
// stays text.
Sheet MakeSheet(std::string name, const std::vector<std::vector<std::string>>& rows,
                const std::vector<CellType>& types);

}  // namespace vantrel

#endif  // VANTREL_STORAGE_WORKBOOK_H_

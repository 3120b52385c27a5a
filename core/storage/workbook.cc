#include "storage/workbook.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <utility>

namespace vantrel {

namespace {

// Excel keeps table column names to this many characters.
constexpr int kMaxColumnNameLength = 255;
// Column widths, in characters.
constexpr double kMinColumnWidth = 9;
constexpr double kMaxColumnWidth = 80;
// Room for the header's filter button.
constexpr double kFilterButtonWidth = 3;

bool IsControl(unsigned char byte) { return byte < 0x20; }

// Control characters a cell's text cannot carry as they are: all but tab and line feed
// (XML reads a carriage return back as a line feed).
bool Escaped(unsigned char byte) { return IsControl(byte) && byte != '\t' && byte != '\n'; }

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// Whether `text` holds an escaped character's form _xHHHH_ from `at` on.
bool EscapeFormAt(std::string_view text, std::size_t at) {
  if (text.size() - at < 7 || text[at] != '_' || text[at + 1] != 'x' || text[at + 6] != '_') {
    return false;
  }
  return std::all_of(text.begin() + static_cast<std::ptrdiff_t>(at) + 2,
                     text.begin() + static_cast<std::ptrdiff_t>(at) + 6, IsHexDigit);
}

// The titles with their case folded, each character on its own. The program's titles are
// Latin-1 (the grid's bytes) or its own words, so Latin-1's letters are folded; any other
// character stands for itself.
std::string FoldCase(std::string_view utf8) {
  std::string folded(utf8);
  for (std::size_t i = 0; i < folded.size(); ++i) {
    const auto byte = static_cast<unsigned char>(folded[i]);
    if (byte >= 'A' && byte <= 'Z') {
      folded[i] = static_cast<char>(byte + 0x20);
    } else if (byte == 0xC3 && i + 1 < folded.size()) {
      // U+00C0 to U+00DE are the capitals of U+00E0 to U+00FE, but U+00D7, the sign ×.
      const auto next = static_cast<unsigned char>(folded[i + 1]);
      if (next >= 0x80 && next <= 0x9E && next != 0x97)
        folded[i + 1] = static_cast<char>(next + 0x20);
      ++i;
    }
  }
  return folded;
}

bool UsableAsColumnNames(const std::vector<std::string>& titles) {
  std::set<std::string> seen;
  for (const std::string& title : titles) {
    if (title.empty() || CharacterCount(title) > kMaxColumnNameLength ||
        std::any_of(title.begin(), title.end(),
                    [](char c) { return IsControl(static_cast<unsigned char>(c)); })) {
      return false;
    }
    if (!seen.insert(FoldCase(title)).second) return false;
  }
  return true;
}

// A plain decimal number: an optional minus, digits, and an optional fraction.
bool IsPlainNumber(std::string_view text) {
  if (!text.empty() && text.front() == '-') text.remove_prefix(1);
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
  const auto digits = [](std::string_view part) {
    return std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
  };
  return !whole.empty() && digits(whole) && digits(fraction) &&
         (point == std::string_view::npos || !fraction.empty());
}

}  // namespace

std::string SheetText(std::string_view utf8) {
  std::string text;
  text.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    if (Escaped(byte) || EscapeFormAt(utf8, i)) {
      char form[8];
      std::snprintf(form, sizeof form, "_x%04X_", static_cast<unsigned>(byte));
      text += form;
    } else {
      text += static_cast<char>(byte);
    }
  }
  return text;
}

int CharacterCount(std::string_view utf8) {
  // Every byte but a continuation byte starts a character.
  return static_cast<int>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

SheetFormat FormatSheet(std::string name, int row_count, int col_count,
                        const std::vector<std::string>& titles, const std::vector<int>& longest) {
  SheetFormat format;
  format.name = std::move(name);
  format.row_count = row_count;
  format.col_count = col_count;
  for (int col = 0; col < col_count; ++col) {
    const int characters = col < static_cast<int>(longest.size()) ? longest[col] : 0;
    format.widths.push_back(std::clamp(static_cast<double>(characters) + kFilterButtonWidth,
                                       kMinColumnWidth, kMaxColumnWidth));
  }
  format.table = row_count > 0 && col_count > 0;
  format.header_row = format.table && row_count > 1 &&
                      static_cast<int>(titles.size()) == col_count && UsableAsColumnNames(titles);
  for (int col = 0; format.table && col < col_count; ++col) {
    format.column_names.push_back(format.header_row ? SheetText(titles[col])
                                                    : "Column" + std::to_string(col + 1));
  }
  return format;
}

Sheet MakeSheet(std::string name, const std::vector<std::vector<std::string>>& rows,
                const std::vector<CellType>& types) {
  const int cols = rows.empty() ? 0 : static_cast<int>(rows.front().size());
  std::vector<int> longest(cols, 0);
  Sheet sheet;
  sheet.cells.reserve(rows.size() * cols);
  for (std::size_t row = 0; row < rows.size(); ++row) {
    for (int col = 0; col < cols; ++col) {
      static const std::string kBlank;
      const std::string& text = col < static_cast<int>(rows[row].size()) ? rows[row][col] : kBlank;
      longest[col] = std::max(longest[col], CharacterCount(text));
      const bool number = row > 0 && col < static_cast<int>(types.size()) &&
                          types[col] == CellType::kNumber && IsPlainNumber(text);
      sheet.cells.push_back(number ? SheetCell{text, CellType::kNumber}
                                   : SheetCell{SheetText(text)});
    }
  }
  sheet.format = FormatSheet(std::move(name), static_cast<int>(rows.size()), cols,
                             rows.empty() ? std::vector<std::string>() : rows.front(), longest);
  return sheet;
}

}  // namespace vantrel

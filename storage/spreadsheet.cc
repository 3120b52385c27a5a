#include "storage/spreadsheet.h"

namespace vantrel {

std::optional<std::string> ExportToSpreadsheet(const StringGrid& grid, Spreadsheet& spreadsheet,
                                               BusyCursor& cursor, std::string_view sheet_name) {
  cursor.ShowHourglass();
  std::optional<std::string> failure = spreadsheet.Show(grid, sheet_name);
  cursor.ShowDefault();
  return failure;
}

std::string Latin1ToUtf8(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (const char byte : bytes) {
    const auto code = static_cast<unsigned char>(byte);
    if (code < 0x80) {
      text += static_cast<char>(code);
    } else {
      text += static_cast<char>(0xC0 | (code >> 6));
      text += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  return text;
}

}  // namespace vantrel

#include "storage/qt/xlsx_workbook.h"

#include <algorithm>
#include <utility>

namespace vantrel {

namespace {

const std::string kBlank;

}  // namespace

int Utf8Length(std::string_view text) {
  return static_cast<int>(std::count_if(text.begin(), text.end(), [](char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
  }));
}

const std::string& XlsxSheet::Text(int row, int col) const {
  if (row < 0 || col < 0 || row >= static_cast<int>(rows.size())) return kBlank;
  const std::vector<std::string>& texts = rows[row];
  return col < static_cast<int>(texts.size()) ? texts[col] : kBlank;
}

void XlsxSheet::SetText(int row, int col, std::string text) {
  if (row >= static_cast<int>(rows.size())) rows.resize(row + 1);
  std::vector<std::string>& texts = rows[row];
  if (col >= static_cast<int>(texts.size())) texts.resize(col + 1);
  texts[col] = std::move(text);
}

std::optional<std::string> SheetNameProblem(const std::string& name) {
  if (name.empty()) return "A sheet name cannot be empty";
  if (Utf8Length(name) > kXlsxMaxSheetNameLength) {
    return "A sheet name cannot be longer than 31 characters";
  }
  if (name.find_first_of("[]:*?/\\") != std::string::npos) {
    return "A sheet name cannot contain any of [ ] : * ? / \\";
  }
  if (name.front() == '\'' || name.back() == '\'') {
    return "A sheet name cannot begin or end with an apostrophe";
  }
  return std::nullopt;
}

}  // namespace vantrel

#include "web/wasm/sheet_bindings.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "lab/run_csv.h"
#include "messages/messages.h"
#include "storage/sheet_cells.h"
#include "web/wasm/copied_array.h"

namespace vantrel {

namespace {

using emscripten::val;

constexpr char kOrganisms[] = "organisms";
constexpr char kRuns[] = "runs";

// The length of UTF-8 text in the page's characters (UTF-16 code units): a character
// beyond U+FFFF takes two.
std::uint32_t PageLength(const std::string& utf8) {
  std::uint32_t length = 0;
  for (const char byte : utf8) {
    const auto code = static_cast<unsigned char>(byte);
    if ((code & 0xC0) != 0x80) length += code >= 0xF0 ? 2 : 1;
  }
  return length;
}

val StringArray(const std::vector<std::string>& texts) {
  val array = val::array();
  for (std::size_t i = 0; i < texts.size(); ++i) array.set(i, texts[i]);
  return array;
}

Sheet RunsOf(const WebSession& session) {
  return RunsSheet(session.engine().notebook().runs().runs());
}

}  // namespace

val CellsValue(const std::vector<SheetCell>& cells, const std::string& problem) {
  // One string and the cells' lengths: a value for each of a million cells would cost
  // seconds.
  std::string text;
  std::vector<std::uint32_t> lengths;
  std::vector<std::uint8_t> numbers;
  lengths.reserve(cells.size());
  numbers.reserve(cells.size());
  for (const SheetCell& cell : cells) {
    text += cell.text;
    lengths.push_back(PageLength(cell.text));
    numbers.push_back(cell.type == CellType::kNumber ? 1 : 0);
  }
  val object = val::object();
  object.set("problem", problem);
  object.set("text", text);
  object.set("lengths", CopiedArray(lengths.data(), lengths.size()));
  object.set("numbers", CopiedArray(numbers.data(), numbers.size()));
  return object;
}

val SheetFormatValue(const SheetFormat& format) {
  val object = val::object();
  object.set("name", format.name);
  object.set("rows", format.row_count);
  object.set("columns", format.col_count);
  object.set("widths", CopiedArray(format.widths.data(), format.widths.size()));
  object.set("table", format.table);
  object.set("headerRow", format.header_row);
  object.set("columnNames", StringArray(format.column_names));
  return object;
}

val SheetValue(const WebSession& session, const std::string& kind) {
  return SheetFormatValue(kind == kOrganisms ? OrganismsSheetFormat(session.engine().grid())
                          : kind == kRuns    ? RunsOf(session).format
                                             : SheetFormat());
}

val SheetCellsValue(const WebSession& session, const std::string& kind, int first_row,
                    int row_count) {
  std::vector<SheetCell> cells;
  std::optional<std::string> problem;
  if (kind == kOrganisms) {
    problem = OrganismsSheetCells(session.engine().grid(), first_row, row_count, &cells);
  } else if (kind == kRuns) {
    const Sheet sheet = RunsOf(session);
    const int cols = std::max(sheet.format.col_count, 1);
    const auto first = static_cast<std::size_t>(std::clamp(first_row, 0, sheet.format.row_count));
    const auto end = static_cast<std::size_t>(std::clamp<long long>(
        static_cast<long long>(first) + std::max(row_count, 0), first, sheet.format.row_count));
    cells.assign(sheet.cells.begin() + static_cast<std::ptrdiff_t>(first * cols),
                 sheet.cells.begin() + static_cast<std::ptrdiff_t>(end * cols));
  }
  return CellsValue(cells, problem ? ErrorReportText(*problem) : std::string());
}

}  // namespace vantrel

#include "desktop/notebook/run_grid.h"

#include <ranges>
#include <vector>

#include "lab/run_csv.h"

namespace vantrel {

std::string Utf8ToLatin1(std::string_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    int length = 1;
    char32_t code = lead;
    if (lead >= 0xC0 && lead < 0xE0) {
      length = 2;
      code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead < 0xF0) {
      length = 3;
      code = lead & 0x0F;
    } else if (lead >= 0xF0) {
      length = 4;
      code = lead & 0x07;
    } else if (lead >= 0x80) {
      code = U'?';  // a stray continuation byte
    }
    bool whole = i + length <= text.size();
    for (int k = 1; whole && k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      whole = (next & 0xC0) == 0x80;
      code = (code << 6) | (next & 0x3F);
    }
    if (!whole) {
      bytes += '?';
      ++i;
      continue;
    }
    bytes += code <= 0xFF ? static_cast<char>(code) : '?';
    i += length;
  }
  return bytes;
}

void FillRunGrid(std::span<const Run> runs, StringGrid& grid) {
  // The run table as its CSV has it: the header's names, then each run's cells.
  std::vector<std::vector<std::string>> rows(1);
  for (const auto name : std::views::split(kRunCsvHeader, ',')) {
    rows.front().emplace_back(name.begin(), name.end());
  }
  for (const Run& run : runs) rows.push_back(RunCells(run));
  const std::size_t cols = rows.front().size();
  StringGrid::UpdateScope scope(grid);
  grid.SetColCount(static_cast<int>(cols));
  grid.SetRowCount(static_cast<int>(rows.size()));
  for (std::size_t r = 0; r < rows.size(); ++r) {
    for (std::size_t c = 0; c < cols; ++c) {
      grid.SetCell(static_cast<int>(c), static_cast<int>(r), Utf8ToLatin1(rows[r][c]));
    }
  }
}

}  // namespace vantrel

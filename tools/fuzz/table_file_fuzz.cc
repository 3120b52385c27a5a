// libFuzzer target for the table-file reader: any bytes as a file, read into a grid that
// already holds text. Checks what must hold for every input, and that a grid read from a
// file comes back unchanged through the writer and the reader whenever the format can
// carry its cells (a separator above code 32 that no cell contains, lines within the cut).
// Then the same bytes are opened as the program opens a file, with the undo history and
// the record of every organism, and undone: the memory all of it holds stays within a
// small multiple of the input's size (memory_bound.h).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/engine.h"
#include "population/random_source.h"
#include "storage/line_buffer.h"
#include "storage/table_file.h"
#include "tools/fuzz/memory_bound.h"

namespace {

using vantrel::GridFill;
using vantrel::LineBuffer;
using vantrel::StringGrid;

void Require(bool condition) {
  if (!condition) std::abort();
}

bool IsControl(char c) { return static_cast<unsigned char>(c) <= 32; }

// The round trip holds when every cell survives the writer's " text #" unchanged.
bool CanRoundTrip(const StringGrid& grid, char separator) {
  if (IsControl(separator)) return false;
  for (int row = 0; row < grid.RowCount(); ++row) {
    // Every column writes three bytes around its text; cells past the stored ones are empty.
    std::size_t length = 3 * static_cast<std::size_t>(grid.ColCount() - 1);
    for (int col = 1; col < std::min(grid.ColCount(), grid.StoredWidth(row)); ++col) {
      const std::string& cell = grid.Cell(col, row);
      if (cell.find(separator) != std::string::npos) return false;
      length += cell.size();
    }
    if (length > LineBuffer::kLineLimit) return false;
  }
  return true;
}

class NoonClock final : public vantrel::Clock {
 public:
  std::int64_t UnixMilliseconds() const override { return 12 * 3600 * 1000; }
};

// Opens the bytes as a file over a fresh program's founders, then undoes and redoes it.
void OpenInTheProgram(const std::uint8_t* data, std::size_t size) {
  NoonClock clock;
  vantrel::LcgRandom random;
  vantrel::Engine engine(random, clock);
  const int founders = engine.grid().RowCount();
  const vantrel::TableFileResult result =
      engine.LoadTableText(std::string(reinterpret_cast<const char*>(data), size), "fuzz.str");
  if (!result.ok()) {
    Require(engine.grid().RowCount() == founders && !engine.history().CanUndo());
    return;
  }
  for (int row = 1; row < engine.grid().RowCount(); ++row) {
    Require(!engine.grid().Cell(0, row).empty());
  }
  Require(engine.Undo() && engine.grid().RowCount() == founders);
  Require(engine.Redo());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const vantrel::fuzz::MemoryBound bound(size);
  OpenInTheProgram(data, size);
  LineBuffer buffer;
  buffer.SetText(std::string(reinterpret_cast<const char*>(data), size));
  for (int i = 0; i < buffer.Count(); ++i) {
    const std::string_view line = buffer.Line(i);
    Require(line.size() <= LineBuffer::kLineLimit);
    Require(line.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos);
  }

  StringGrid grid(5, 3);
  grid.SetCell(0, 1, "id");
  grid.SetCell(2, 7, "outside");
  const GridFill fill = vantrel::FillStringGrid(grid, buffer);
  Require(grid.Cell(0, 1) == "id");
  if (fill != GridFill::kFilled) {
    Require(grid.ColCount() == 5 && grid.RowCount() == 3 && grid.Cell(2, 7) == "outside");
    return 0;
  }

  const std::string_view first = buffer.Line(0);
  const char separator = first.back();
  Require(grid.ColCount() == vantrel::CountOccurrences(first, first.substr(first.size() - 1)) + 1);
  Require(grid.RowCount() == buffer.Count());
  for (int row = 0; row < grid.RowCount(); ++row) {
    for (int col = 1; col < grid.StoredWidth(row); ++col) {
      const std::string& cell = grid.Cell(col, row);
      Require(cell.empty() || (!IsControl(cell.front()) && !IsControl(cell.back())));
    }
  }

  if (!CanRoundTrip(grid, separator)) return 0;
  LineBuffer written;
  vantrel::FillLineBuffer(grid, written, std::string_view(&separator, 1));
  std::string text;
  for (int i = 0; i < written.Count(); ++i) {
    text.append(written.Line(i));
    text.append("\r\n");
  }
  LineBuffer reread;
  reread.SetText(std::move(text));
  StringGrid again(2, 2);
  Require(vantrel::FillStringGrid(again, reread) == GridFill::kFilled);
  Require(again.ColCount() == grid.ColCount() && again.RowCount() == grid.RowCount());
  for (int row = 0; row < grid.RowCount(); ++row) {
    const int stored =
        std::min(grid.ColCount(), std::max(grid.StoredWidth(row), again.StoredWidth(row)));
    for (int col = 1; col < stored; ++col) Require(again.Cell(col, row) == grid.Cell(col, row));
  }
  return 0;
}

#include "history/step.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <span>

#include "history/byte_codec.h"
#include "population/table_limits.h"

namespace vantrel {

namespace {

// A state no table the program takes could be in is damage.
bool Plausible(const GridState& s) {
  return s.row_count >= 1 && s.col_count >= 1 && s.row_count <= kMaxTableCells + 1 &&
         s.col_count <= kMaxTableColumns && s.selected_row >= 0;
}

}  // namespace

void PutParameters(std::string& out, const Parameters& p) {
  PutSigned(out, p.start_organisms);
  PutSigned(out, p.creativity);
  PutSigned(out, p.bonus);
}

Parameters ReadParameters(ByteReader& in) {
  Parameters p;
  p.start_organisms = in.Int();
  p.creativity = in.Int();
  p.bonus = in.Int();
  return p;
}

void PutGridState(std::string& out, const GridState& s) {
  PutVarint(out, s.random);
  PutSigned(out, s.counter);
  PutSigned(out, s.selected_row);
  PutSigned(out, s.row_count);
  PutSigned(out, s.col_count);
}

GridState ReadGridState(ByteReader& in) {
  GridState s;
  s.random = in.Varint();
  s.counter = in.Int();
  s.selected_row = in.Int();
  s.row_count = in.Int();
  s.col_count = in.Int();
  return s;
}

namespace {

// Appends `text` at `col` of `cells`, leaving out empty trailing cells.
void KeepCell(std::vector<std::string>& cells, std::size_t col, std::string_view text) {
  if (text.empty()) return;
  cells.resize(col + 1);
  cells[col] = std::string(text);
}

// A table's rows, each as its count of cells and then the cells. With a `sink`, `out` is
// handed to it and emptied whenever it holds `piece` bytes or more.
void PutRows(std::string& out, std::size_t count,
             const std::function<std::span<const std::string>(std::size_t)>& row,
             const ByteSink* sink = nullptr, std::size_t piece = 0) {
  PutVarint(out, count);
  for (std::size_t index = 0; index < count; ++index) {
    const std::span<const std::string> cells = row(index);
    PutVarint(out, cells.size());
    for (const std::string& cell : cells) PutText(out, cell);
    if (sink != nullptr && out.size() >= piece) {
      (*sink)(out);
      out.clear();
    }
  }
}

// Reads what PutRows wrote; false when a count claims more than the bytes hold (every row
// and every cell takes at least one byte).
bool ReadRows(ByteReader& in, std::vector<std::vector<std::string>>& rows) {
  const std::uint64_t count = in.Varint();
  if (!in.ok() || count > in.Remaining()) return false;
  rows.assign(count, {});
  for (std::uint64_t row = 0; row < count && in.ok(); ++row) {
    const std::uint64_t width = in.Varint();
    if (width > in.Remaining()) return false;
    for (std::uint64_t col = 0; col < width && in.ok(); ++col) {
      KeepCell(rows[row], col, in.Text());
    }
  }
  return in.ok();
}

}  // namespace

std::string EncodeStepEvent(const StepEvent& event, const StringGrid* grid) {
  std::string out;
  WriteStepEvent(event, grid, std::size_t{64} * 1024,
                 [&out](std::string_view bytes) { out.append(bytes); });
  return out;
}

void WriteStepEvent(const StepEvent& event, const StringGrid* grid, std::size_t piece,
                    const ByteSink& sink) {
  std::string out;
  out.push_back(static_cast<char>(event.kind));
  PutParameters(out, event.parameters);
  PutGridState(out, event.before);
  PutGridState(out, event.after);
  PutSigned(out, event.time_ms);
  PutVarint(out, event.cells.size());
  for (const CellChange& cell : event.cells) {
    PutVarint(out, static_cast<std::uint64_t>(cell.col));
    PutVarint(out, static_cast<std::uint64_t>(cell.row));
    PutText(out, cell.text);
  }
  PutVarint(out, event.births.size());
  for (const TimedBirth& timed : event.births) {
    const Birth& b = timed.birth;
    PutSigned(out, b.row);
    PutSigned(out, b.first_parent_row);
    PutSigned(out, b.second_parent_row);
    PutText(out, b.first_parent_id);
    PutText(out, b.second_parent_id);
    PutText(out, b.id);
    PutText(out, b.dna);
    PutText(out, b.survival);
    PutSigned(out, b.trace.cut);
    PutVarint(out, b.trace.mutations.size());
    for (const Mutation& m : b.trace.mutations) {
      PutSigned(out, m.position);
      PutVarint(out, static_cast<unsigned char>(m.digit));
    }
    PutSigned(out, timed.born_ms);
  }
  // Only a whole-table event goes on: with its table, every row up to the table's size.
  if (event.whole_table) {
    if (grid != nullptr) {
      const int rows = std::max(grid->StoredRowCount(), grid->RowCount());
      PutRows(
          out, static_cast<std::size_t>(rows),
          [grid](std::size_t row) { return grid->StoredCells(static_cast<int>(row)); }, &sink,
          piece);
    } else {
      PutRows(
          out, event.table.size(),
          [&event](std::size_t row) { return std::span<const std::string>(event.table[row]); },
          &sink, piece);
    }
  }
  if (!out.empty()) sink(out);
}

bool DecodeStepEvent(std::string_view bytes, StepEvent& event) {
  if (bytes.empty()) return false;
  const auto kind = static_cast<std::uint8_t>(bytes[0]);
  if (kind < static_cast<std::uint8_t>(StepKind::kNewGenePool) ||
      kind > static_cast<std::uint8_t>(StepKind::kIdea)) {
    return false;
  }
  event = StepEvent{};
  event.kind = static_cast<StepKind>(kind);
  ByteReader in(bytes.substr(1));
  event.parameters = ReadParameters(in);
  event.before = ReadGridState(in);
  event.after = ReadGridState(in);
  event.time_ms = in.Signed();
  const std::uint64_t cells = in.Varint();
  for (std::uint64_t i = 0; i < cells && in.ok(); ++i) {
    CellChange cell;
    cell.col = static_cast<int>(in.Varint());
    cell.row = static_cast<int>(in.Varint());
    cell.text = std::string(in.Text());
    if (cell.col < 0 || cell.row < 0 || cell.col >= kMaxTableColumns || cell.row > kMaxTableCells) {
      return false;
    }
    event.cells.push_back(std::move(cell));
  }
  const std::uint64_t births = in.Varint();
  for (std::uint64_t i = 0; i < births && in.ok(); ++i) {
    TimedBirth timed;
    Birth& b = timed.birth;
    b.row = in.Int();
    b.first_parent_row = in.Int();
    b.second_parent_row = in.Int();
    b.first_parent_id = std::string(in.Text());
    b.second_parent_id = std::string(in.Text());
    b.id = std::string(in.Text());
    b.dna = std::string(in.Text());
    b.survival = std::string(in.Text());
    b.trace.cut = in.Int();
    const std::uint64_t mutations = in.Varint();
    for (std::uint64_t m = 0; m < mutations && in.ok(); ++m) {
      const int position = in.Int();
      const auto digit = static_cast<char>(in.Varint());
      b.trace.mutations.push_back({position, digit});
    }
    timed.born_ms = in.Signed();
    event.births.push_back(std::move(timed));
  }
  if (in.ok() && !in.AtEnd()) {
    // Every row of the table is written: damage cannot make a few bytes claim a huge one.
    event.whole_table = true;
    if (!ReadRows(in, event.table) ||
        event.table.size() < static_cast<std::size_t>(std::max(event.after.row_count, 0))) {
      return false;
    }
  }
  return in.ok() && in.AtEnd() && Plausible(event.before) && Plausible(event.after);
}

const std::string& Snapshot::Cell(int col, int row) const {
  static const std::string kEmpty;
  if (row < 0 || col < 0 || row >= static_cast<int>(rows.size())) return kEmpty;
  const std::vector<std::string>& cells = rows[row];
  return col < static_cast<int>(cells.size()) ? cells[col] : kEmpty;
}

// A snapshot's cells are written row by row, each row as its count of cells and then the
// cells, after a 0 where older journals wrote the width of a dense rectangle of cells: the
// bytes grow with the text the table holds, not with its rows times its columns.
std::string EncodeSnapshot(const Snapshot& snapshot) {
  std::string out;
  PutGridState(out, snapshot.state);
  PutParameters(out, snapshot.parameters);
  PutVarint(out, 0);
  PutRows(out, snapshot.rows.size(), [&snapshot](std::size_t row) {
    return std::span<const std::string>(snapshot.rows[row]);
  });
  return out;
}

bool DecodeSnapshot(std::string_view bytes, Snapshot& snapshot) {
  ByteReader in(bytes);
  snapshot = Snapshot{};
  snapshot.state = ReadGridState(in);
  snapshot.parameters = ReadParameters(in);
  const std::uint64_t cols = in.Varint();
  const std::uint64_t rows = in.Varint();
  // Every row and every cell takes at least one byte, which bounds the counts by the
  // blob's size before anything is allocated for them.
  if (!in.ok() || (cols != 0 && rows == 0) || rows > bytes.size() || cols > bytes.size() ||
      cols * rows > bytes.size()) {
    return false;
  }
  snapshot.rows.resize(rows);
  for (std::uint64_t row = 0; row < rows && in.ok(); ++row) {
    // Older journals: a rectangle of `cols` cells a row. Now: each row its own count.
    const std::uint64_t width = cols != 0 ? cols : in.Varint();
    if (width > in.Remaining()) return false;
    for (std::uint64_t col = 0; col < width && in.ok(); ++col) {
      KeepCell(snapshot.rows[row], col, in.Text());
    }
  }
  // Every row of the table is written, if only as an empty one: damage cannot make a few
  // bytes claim a huge table, whose rows would each cost a record.
  return in.ok() && in.AtEnd() && Plausible(snapshot.state) &&
         static_cast<std::uint64_t>(snapshot.state.row_count) <= rows;
}

}  // namespace vantrel

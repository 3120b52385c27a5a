#include "history/step.h"

#include <limits>

#include "history/byte_codec.h"

namespace vantrel {

namespace {

constexpr int kMaxExtent = std::numeric_limits<int>::max() / 2;

bool Plausible(const GridState& s) {
  return s.row_count >= 1 && s.col_count >= 1 && s.row_count < kMaxExtent &&
         s.col_count < kMaxExtent && s.selected_row >= 0;
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

std::string EncodeStepEvent(const StepEvent& event) {
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
  return out;
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
    if (cell.col < 0 || cell.row < 0 || cell.col >= kMaxExtent || cell.row >= kMaxExtent) {
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
  return in.ok() && in.AtEnd() && Plausible(event.before) && Plausible(event.after);
}

std::string EncodeSnapshot(const Snapshot& snapshot) {
  std::string out;
  PutGridState(out, snapshot.state);
  PutParameters(out, snapshot.parameters);
  PutVarint(out, static_cast<std::uint64_t>(snapshot.extent_cols));
  PutVarint(out, static_cast<std::uint64_t>(snapshot.extent_rows));
  for (const std::string& cell : snapshot.cells) PutText(out, cell);
  return out;
}

bool DecodeSnapshot(std::string_view bytes, Snapshot& snapshot) {
  ByteReader in(bytes);
  snapshot = Snapshot{};
  snapshot.state = ReadGridState(in);
  snapshot.parameters = ReadParameters(in);
  const std::uint64_t cols = in.Varint();
  const std::uint64_t rows = in.Varint();
  // Every cell takes at least one byte, which bounds the extent by the blob's size.
  if (!in.ok() || cols == 0 || rows == 0 || cols > bytes.size() || rows > bytes.size() ||
      cols * rows > bytes.size()) {
    return false;
  }
  snapshot.extent_cols = static_cast<int>(cols);
  snapshot.extent_rows = static_cast<int>(rows);
  snapshot.cells.reserve(cols * rows);
  for (std::uint64_t i = 0; i < cols * rows && in.ok(); ++i) {
    snapshot.cells.emplace_back(in.Text());
  }
  return in.ok() && in.AtEnd() && Plausible(snapshot.state);
}

}  // namespace vantrel

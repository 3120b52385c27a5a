#include "history/history.h"

#include <algorithm>

#include "history/byte_codec.h"

namespace vantrel {

namespace {

Exit ExitFor(StepKind kind) {
  return kind == StepKind::kNewGenePool ? Exit::kNewGenePool : Exit::kLoad;
}

std::uint64_t SerialCode(std::uint32_t serial) {
  return serial == kNoSerial ? 0 : std::uint64_t{serial} + 1;
}

std::uint32_t SerialFromCode(std::uint64_t code) {
  return code == 0 ? kNoSerial : static_cast<std::uint32_t>(code - 1);
}

// The state after a step, mostly as differences from the state before it (small numbers).
void PutAfter(std::string& out, const GridState& before, const GridState& after) {
  PutVarint(out, after.random);
  PutSigned(out, std::int64_t{after.counter} - before.counter);
  PutSigned(out, std::int64_t{after.selected_row} - before.selected_row);
  PutSigned(out, std::int64_t{after.row_count} - before.row_count);
  PutSigned(out, std::int64_t{after.col_count} - before.col_count);
}

GridState ReadAfter(ByteReader& in, const GridState& before) {
  GridState s;
  s.random = in.Varint();
  s.counter = static_cast<int>(before.counter + in.Signed());
  s.selected_row = static_cast<int>(before.selected_row + in.Signed());
  s.row_count = static_cast<int>(before.row_count + in.Signed());
  s.col_count = static_cast<int>(before.col_count + in.Signed());
  return s;
}

}  // namespace

// One stored step, taken apart. Cell values are kept as read: nullopt means "the text the
// record holds for the organism in that row", resolved only once the record is in place.
struct History::DecodedStep {
  struct Cell {
    int col;
    int row;
    std::optional<std::string_view> old_text;
    std::optional<std::string_view> new_text;
  };
  StepKind kind;
  Parameters parameters;
  GridState before;
  GridState after;
  std::uint32_t pool_before;
  std::uint32_t first_serial;
  std::vector<std::pair<int, std::uint32_t>> victims;
  std::vector<std::uint32_t> old_rows;
  std::uint32_t roots;
  std::vector<Cell> cells;
};

History::History(Document& document, const Clock& clock, const Parameters& parameters)
    : document_(document),
      grid_(document.grid()),
      population_(document.population()),
      clock_(clock),
      initial_parameters_(parameters) {
  lineage_.set_pool(1);
  lineage_.SetRow(0, kNoSerial);
  const std::int64_t now = clock_.UnixMilliseconds();
  AddRootsFromGrid(0, now, false);
  grid_.set_write_watcher(this);
}

History::~History() { grid_.set_write_watcher(nullptr); }

void History::CellWriting(int col, int row, const std::string& before) {
  // Once a step has put a whole table in place, it keeps the one it replaced: what is
  // written after that belongs to the new table, which the grid holds.
  if (applying_ || (pending_ && pending_->replaced)) return;
  written_.push_back({col, row, before});
}

GridState History::CurrentState() const {
  return {population_.random().State(), population_.counter(), grid_.SelectedRow(),
          grid_.RowCount(), grid_.ColCount()};
}

void History::StartPending(StepKind kind, const Parameters& parameters, const GridState& before,
                           std::int64_t time_ms) {
  pending_ =
      Pending{kind, parameters, before, lineage_.size(), lineage_.pool(), time_ms, {}, {}, {}};
}

void History::BeginStep(StepKind kind, const Parameters& parameters) {
  if (pending_) EndStep();
  StartPending(kind, parameters, CurrentState(), clock_.UnixMilliseconds());
}

void History::RecordBirth(const Birth& birth) {
  if (!pending_ || birth.row <= 0) return;
  AddBirth(birth, clock_.UnixMilliseconds());
}

void History::AddBirth(const Birth& birth, std::int64_t born_ms) {
  const auto step = static_cast<std::uint32_t>(position_ + 1);
  pending_->victims.emplace_back(birth.row, lineage_.AddChild(birth, step, born_ms));
  if (listener_ != nullptr) pending_->births.push_back({birth, born_ms});
}

void History::EndStep() {
  if (pending_) Commit(CurrentState());
}

void History::ReplaceTable(StringGrid& table) {
  StringGrid::Cells cells;
  table.SwapCells(cells);
  ReplaceCells(std::move(cells), table.ColCount(), table.RowCount());
}

void History::ReplaceCells(const std::vector<std::vector<std::string>>& rows, int col_count,
                           int row_count) {
  StringGrid table(col_count, row_count);
  for (int row = static_cast<int>(rows.size()) - 1; row >= 0; --row) {
    // Last column first: a row is given its room once.
    for (int col = static_cast<int>(rows[row].size()) - 1; col >= 0; --col) {
      table.SetCell(col, row, rows[row][col]);
    }
  }
  ReplaceTable(table);
}

void History::ReplaceCells(StringGrid::Cells cells, int col_count, int row_count) {
  if (!pending_) return;
  const StringGrid::UpdateScope batch(grid_);
  grid_.SwapCells(cells);
  grid_.SetColCount(col_count);
  grid_.SetRowCount(row_count);
  if (pending_->replaced) return;  // the step keeps the table it started from
  // Cells written earlier in the step go back to their text before it.
  if (!written_.empty()) {
    StringGrid before(1, 1);
    before.SwapCells(cells);
    for (auto it = written_.rbegin(); it != written_.rend(); ++it) {
      before.SetCell(it->col, it->row, std::move(it->before));
    }
    before.SwapCells(cells);
    written_.clear();
  }
  pending_->replaced = std::move(cells);
}

void History::ExchangeTable(StringGrid::Cells& cells, const GridState& state) {
  const StringGrid::UpdateScope batch(grid_);
  grid_.SwapCells(cells);
  grid_.SetColCount(state.col_count);
  grid_.SetRowCount(state.row_count);
}

std::vector<History::WrittenCell> History::TakeChanges() {
  // Stable: the first write to a cell holds its text from before the step.
  std::stable_sort(written_.begin(), written_.end(),
                   [](const WrittenCell& a, const WrittenCell& b) {
                     return std::pair(a.row, a.col) < std::pair(b.row, b.col);
                   });
  std::vector<WrittenCell> changed;
  for (std::size_t i = 0; i < written_.size(); ++i) {
    WrittenCell& cell = written_[i];
    if (i > 0 && written_[i - 1].row == cell.row && written_[i - 1].col == cell.col) continue;
    if (grid_.Cell(cell.col, cell.row) != cell.before) changed.push_back(std::move(cell));
  }
  // A step that wrote a whole table (a new gene pool) leaves no room kept for the next.
  std::vector<WrittenCell>().swap(written_);
  return changed;
}

void History::AddRootsFromGrid(std::uint32_t step, std::int64_t time_ms, bool loaded) {
  for (int row = 1; row < grid_.RowCount(); ++row) {
    lineage_.AddRoot(row,
                     {grid_.Cell(0, row), grid_.Cell(1, row), grid_.Cell(2, row),
                      grid_.Cell(3, row), grid_.Cell(4, row)},
                     step, time_ms, loaded);
  }
}

void History::RestoreCounterAndRandom(const GridState& state) {
  population_.set_counter(state.counter);
  population_.random().RestoreState(state.random);
}

void History::Commit(const GridState& after) {
  Pending pending = std::move(*pending_);
  pending_.reset();
  const auto step = static_cast<std::uint32_t>(position_ + 1);
  std::vector<WrittenCell> changed = TakeChanges();
  const bool whole = pending.replaced.has_value();
  // A whole table is kept as it was, not cell by cell.
  if (whole) changed.clear();
  // An action that changed nothing (a load that failed, a feed of an empty table, a table
  // put in place of the same) is no step: there would be nothing to undo, and the steps
  // to redo stay.
  if (pending.victims.empty() && after == pending.before &&
      (whole ? grid_.SameCells(*pending.replaced) : changed.empty())) {
    return;
  }
  // A new step makes the undone ones unreachable.
  if (position_ < StepCount()) {
    bytes_.Truncate(offsets_[position_]);
    offsets_.resize(position_);
    tables_.erase(tables_.lower_bound(position_), tables_.end());
  }
  if (whole) tables_[position_] = std::move(*pending.replaced);
  lineage_.DropHidden();

  std::vector<std::uint32_t> old_rows;
  std::uint32_t roots = 0;
  if (ReplacesPopulation(pending.kind)) {
    old_rows = lineage_.rows();
    old_rows.resize(std::max(pending.before.row_count, 1), kNoSerial);
    for (std::size_t row = 1; row < old_rows.size(); ++row) {
      if (old_rows[row] < lineage_.size()) {
        lineage_.Leave(old_rows[row], step, ExitFor(pending.kind));
      }
    }
    lineage_.set_pool(pending.pool_before + 1);
    lineage_.rows().assign(1, kNoSerial);
    AddRootsFromGrid(step, pending.time_ms, pending.kind == StepKind::kLoad);
    roots = static_cast<std::uint32_t>(std::max(after.row_count - 1, 0));
  }

  // Who lived in a row before the step: the first victim of a birth there, else the row's
  // organism, unless the whole population was replaced.
  auto serial_before = [&](int row) {
    if (!old_rows.empty()) {
      return row < static_cast<int>(old_rows.size()) ? old_rows[row] : kNoSerial;
    }
    for (const auto& [victim_row, victim] : pending.victims) {
      if (victim_row == row) return victim;
    }
    return lineage_.SerialInRow(row);
  };
  // A text the record can give back is stored as a 0; any other as its length + 1 and bytes.
  auto put_value = [this](std::string& out, std::uint32_t serial, int col, int row,
                          const std::string& text) {
    if (row > 0 && col < kOrganismColumnCount && serial != kNoSerial &&
        lineage_.CellView(serial, col) == text) {
      PutVarint(out, 0);
    } else {
      PutVarint(out, text.size() + 1);
      out.append(text);
    }
  };

  StepEvent event;
  if (listener_ != nullptr) event.cells.reserve(changed.size());
  std::string cells;
  cells.reserve(changed.size() * 4);
  int last_row = 0;  // rows go up (cells come sorted by row), so each is stored as a step up
  for (const WrittenCell& cell : changed) {
    const int col = cell.col;
    const int row = cell.row;
    const std::string& now = grid_.Cell(col, row);
    PutVarint(cells, static_cast<std::uint64_t>(col));
    PutSigned(cells, row - last_row);
    last_row = row;
    put_value(cells, serial_before(row), col, row, cell.before);
    if (roots > 0 && row > 0 && row <= static_cast<int>(roots) && col < kOrganismColumnCount) {
      PutVarint(cells, 0);  // the root was made from this very cell just now
    } else {
      put_value(cells, lineage_.SerialInRow(row), col, row, now);
    }
    if (listener_ != nullptr) event.cells.push_back({col, row, now});
  }
  std::string blob(1, static_cast<char>(pending.kind));
  PutParameters(blob, pending.parameters);
  PutGridState(blob, pending.before);
  PutAfter(blob, pending.before, after);
  PutVarint(blob, pending.pool_before);
  PutVarint(blob, pending.first_serial);
  PutVarint(blob, pending.victims.size());
  for (const auto& [row, victim] : pending.victims) {
    PutVarint(blob, static_cast<std::uint64_t>(row));
    PutVarint(blob, SerialCode(victim));
  }
  PutVarint(blob, old_rows.size());
  for (std::uint32_t serial : old_rows) PutVarint(blob, SerialCode(serial));
  PutVarint(blob, roots);
  PutVarint(blob, changed.size());
  blob += cells;
  offsets_.push_back(bytes_.Append(blob));
  ++position_;

  if (listener_ != nullptr) {
    event.kind = pending.kind;
    event.parameters = pending.parameters;
    event.before = pending.before;
    event.after = after;
    event.time_ms = pending.time_ms;
    event.births = std::move(pending.births);
    event.whole_table = whole;
    listener_->StepDone(std::move(event));
  }
}

History::DecodedStep History::Decode(int index) const {
  const std::string_view bytes = bytes_.From(offsets_[index]);
  DecodedStep step;
  step.kind = static_cast<StepKind>(bytes[0]);
  ByteReader in(bytes.substr(1));
  step.parameters = ReadParameters(in);
  step.before = ReadGridState(in);
  step.after = ReadAfter(in, step.before);
  step.pool_before = static_cast<std::uint32_t>(in.Varint());
  step.first_serial = static_cast<std::uint32_t>(in.Varint());
  const std::uint64_t victims = in.Varint();
  for (std::uint64_t i = 0; i < victims; ++i) {
    const auto row = static_cast<int>(in.Varint());
    step.victims.emplace_back(row, SerialFromCode(in.Varint()));
  }
  const std::uint64_t old_rows = in.Varint();
  for (std::uint64_t i = 0; i < old_rows; ++i) {
    step.old_rows.push_back(SerialFromCode(in.Varint()));
  }
  step.roots = static_cast<std::uint32_t>(in.Varint());
  auto read_value = [&in, bytes]() -> std::optional<std::string_view> {
    const std::uint64_t code = in.Varint();
    if (code == 0) return std::nullopt;
    // Text() reads a length first; the stored length is one more than the text's.
    std::string_view rest = bytes.substr(bytes.size() - in.Remaining());
    in.Skip(code - 1);
    return rest.substr(0, code - 1);
  };
  const std::uint64_t cells = in.Varint();
  step.cells.reserve(cells);
  int row = 0;
  for (std::uint64_t i = 0; i < cells; ++i) {
    const auto col = static_cast<int>(in.Varint());
    row += in.Int();
    auto old_text = read_value();
    auto new_text = read_value();
    step.cells.push_back({col, row, old_text, new_text});
  }
  return step;
}

void History::ApplyCells(const DecodedStep& step, bool old_side) {
  const StringGrid::UpdateScope batch(grid_);
  const GridState& state = old_side ? step.before : step.after;
  grid_.SetColCount(state.col_count);
  grid_.SetRowCount(state.row_count);
  for (const DecodedStep::Cell& cell : step.cells) {
    const auto& value = old_side ? cell.old_text : cell.new_text;
    grid_.SetCell(
        cell.col, cell.row,
        value ? std::string(*value) : lineage_.CellText(lineage_.SerialInRow(cell.row), cell.col));
  }
}

bool History::Undo() {
  if (!CanUndo()) return false;
  const DecodedStep step = Decode(position_ - 1);
  applying_ = true;
  if (!step.old_rows.empty()) {
    lineage_.rows() = step.old_rows;
    for (std::uint32_t serial : step.old_rows) {
      if (serial != kNoSerial) lineage_.Return(serial);
    }
    lineage_.set_pool(step.pool_before);
  }
  for (auto it = step.victims.rbegin(); it != step.victims.rend(); ++it) {
    lineage_.SetRow(it->first, it->second);
    if (it->second != kNoSerial) lineage_.Return(it->second);
  }
  lineage_.SetLive(step.first_serial);
  if (const auto table = tables_.find(position_ - 1); table != tables_.end()) {
    ExchangeTable(table->second, step.before);
  } else {
    ApplyCells(step, true);
  }
  RestoreCounterAndRandom(step.before);
  applying_ = false;
  --position_;
  grid_.SelectRow(step.before.selected_row);
  if (listener_ != nullptr) listener_->StepUndone();
  return true;
}

bool History::Redo() {
  if (!CanRedo()) return false;
  const DecodedStep step = Decode(position_);
  const auto step_number = static_cast<std::uint32_t>(position_ + 1);
  applying_ = true;
  const auto children = static_cast<std::uint32_t>(step.victims.size());
  lineage_.SetLive(step.first_serial + children + step.roots);
  for (std::uint32_t i = 0; i < children; ++i) {
    const auto& [row, victim] = step.victims[i];
    if (victim != kNoSerial) lineage_.Leave(victim, step_number, Exit::kShot);
    lineage_.SetRow(row, step.first_serial + i);
  }
  if (!step.old_rows.empty()) {
    for (std::size_t row = 1; row < step.old_rows.size(); ++row) {
      if (step.old_rows[row] != kNoSerial) {
        lineage_.Leave(step.old_rows[row], step_number, ExitFor(step.kind));
      }
    }
    lineage_.rows().assign(1, kNoSerial);
    for (std::uint32_t i = 0; i < step.roots; ++i) {
      lineage_.SetRow(static_cast<int>(i) + 1, step.first_serial + children + i);
    }
    lineage_.set_pool(step.pool_before + 1);
  }
  if (const auto table = tables_.find(position_); table != tables_.end()) {
    ExchangeTable(table->second, step.after);
  } else {
    ApplyCells(step, false);
  }
  RestoreCounterAndRandom(step.after);
  applying_ = false;
  ++position_;
  grid_.SelectRow(step.after.selected_row);
  if (listener_ != nullptr) listener_->StepRedone();
  return true;
}

Parameters History::parameters() const {
  if (position_ == 0) return initial_parameters_;
  // The boxes lead a step's bytes, after its kind: no need to decode its cells.
  ByteReader in(bytes_.From(offsets_[position_ - 1]).substr(1));
  return ReadParameters(in);
}

Snapshot History::TakeSnapshot() const {
  Snapshot snapshot;
  snapshot.state = CurrentState();
  snapshot.parameters = parameters();
  // Every row up to the table's size, stored text or not, so a reader can tell a table
  // from a damaged claim of one.
  snapshot.rows.resize(
      static_cast<std::size_t>(std::max(grid_.StoredRowCount(), grid_.RowCount())));
  for (int row = 0; row < grid_.StoredRowCount(); ++row) {
    const std::span<const std::string> cells = grid_.StoredCells(row);
    snapshot.rows[row].assign(cells.begin(), cells.end());
  }
  return snapshot;
}

bool History::Replay(const StepEvent& event) {
  if (event.before.row_count != grid_.RowCount() || event.before.col_count != grid_.ColCount()) {
    return false;
  }
  // Rows beyond the most the table had come with cells (each new organism's ID at least):
  // damage cannot make a few bytes claim a huge table, whose rows would each cost a record.
  const std::int64_t most = std::max(replay_rows_, grid_.RowCount());
  const std::size_t told = event.whole_table ? event.table.size() : event.cells.size();
  if (event.after.row_count > most + static_cast<std::int64_t>(told)) return false;
  replay_rows_ = std::max(replay_rows_, event.after.row_count);
  StartPending(event.kind, event.parameters, event.before, event.time_ms);
  if (event.whole_table) {
    ReplaceCells(event.table, event.after.col_count, event.after.row_count);
  } else {
    grid_.SetColCount(event.after.col_count);
    grid_.SetRowCount(event.after.row_count);
    for (const CellChange& cell : event.cells) grid_.SetCell(cell.col, cell.row, cell.text);
  }
  for (const TimedBirth& timed : event.births) AddBirth(timed.birth, timed.born_ms);
  Commit(event.after);
  RestoreCounterAndRandom(event.after);
  return true;
}

bool History::Restore(const Snapshot& base, const std::vector<RunEntry>& entries,
                      std::vector<int>* positions) {
  BeginStep(StepKind::kRestore, base.parameters);
  replay_rows_ = static_cast<int>(base.rows.size());
  {
    const StringGrid::UpdateScope batch(grid_);
    ReplaceCells(base.rows, base.state.col_count, base.state.row_count);
    RestoreCounterAndRandom(base.state);
  }
  grid_.SelectRow(base.state.selected_row);
  EndStep();
  if (positions != nullptr) positions->assign(1, position_);

  bool ok = true;
  int selected = grid_.SelectedRow();
  {
    const StringGrid::UpdateScope batch(grid_);
    for (const RunEntry& entry : entries) {
      if (entry.type == RunEntry::kStep) {
        if (!Replay(entry.event)) {
          ok = false;
          break;
        }
        selected = entry.event.after.selected_row;
      } else if (entry.type == RunEntry::kNote) {
        // Changes nothing of the table: only what was kept beside it.
      } else if (entry.type == RunEntry::kUndo ? Undo() : Redo()) {
        selected = grid_.SelectedRow();
      }
      if (positions != nullptr) positions->push_back(position_);
    }
  }
  grid_.SelectRow(selected);
  return ok;
}

std::size_t History::MemoryBytes() const {
  std::size_t tables = 0;
  for (const auto& [index, cells] : tables_) tables += cells.MemoryBytes();
  return bytes_.MemoryBytes() + offsets_.size() * sizeof(std::uint64_t) + lineage_.MemoryBytes() +
         tables + written_.capacity() * sizeof(WrittenCell);
}

}  // namespace vantrel

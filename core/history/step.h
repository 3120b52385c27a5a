#ifndef VANTREL_HISTORY_STEP_H_
#define VANTREL_HISTORY_STEP_H_

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "population/evolution.h"
#include "population/parameters.h"
#include "population/string_grid.h"

namespace vantrel {

// An action that changes the organism table and can be undone.
enum class StepKind : std::uint8_t {
  kNewGenePool = 1,
  kFeed = 2,
  kShoot = 3,
  kLoad = 4,
  kRestore = 5,
  kIdea = 6,  // draws an idea (random draws only) and starts a run aiming for it
};

// True for the kinds that replace every organism of the table at once.
inline bool ReplacesPopulation(StepKind kind) {
  return kind == StepKind::kNewGenePool || kind == StepKind::kLoad || kind == StepKind::kRestore;
}

// Everything besides the cells that a step may change.
struct GridState {
  std::uint64_t random = 0;
  int counter = 0;
  int selected_row = 0;
  int row_count = 1;
  int col_count = 1;
  friend bool operator==(const GridState&, const GridState&) = default;
};

// A cell's text after a step.
struct CellChange {
  int col = 0;
  int row = 0;
  std::string text;
};

struct TimedBirth {
  Birth birth;
  std::int64_t born_ms = 0;
};

// One step told in full, without reference to anything recorded before it: enough to make
// the same step again on the table it started from. This is what the journal keeps.
struct StepEvent {
  StepKind kind = StepKind::kFeed;
  Parameters parameters;
  GridState before;
  GridState after;
  std::int64_t time_ms = 0;
  std::vector<CellChange> cells;
  std::vector<TimedBirth> births;
  // A step that put a whole table in place (a load, a restore) is told by that table,
  // hidden cells included, instead of by `cells`. Read back, the table is in `table`; as
  // the step happens, it is the grid's own, which EncodeStepEvent is then given.
  bool whole_table = false;
  std::vector<std::vector<std::string>> table;
};

class ByteReader;
void PutParameters(std::string& out, const Parameters& parameters);
Parameters ReadParameters(ByteReader& in);
void PutGridState(std::string& out, const GridState& state);
GridState ReadGridState(ByteReader& in);

// A whole-table event's table is read from `grid` when one is given, else from its `table`.
std::string EncodeStepEvent(const StepEvent& event, const StringGrid* grid = nullptr);
// Takes the bytes of an encoding piece by piece.
using ByteSink = std::function<void(std::string_view)>;
// The bytes of EncodeStepEvent, handed to `sink` in pieces of about `piece` bytes (one
// row's more at most): a whole table's event is never held at once.
void WriteStepEvent(const StepEvent& event, const StringGrid* grid, std::size_t piece,
                    const ByteSink& sink);
// False when `bytes` is not a whole event.
bool DecodeStepEvent(std::string_view bytes, StepEvent& event);

// The whole table and its surroundings at one moment: where a journal starts from.
struct Snapshot {
  GridState state;
  Parameters parameters;
  // rows[row][col], hidden cells included; a row ends at its last non-empty cell, and
  // every cell beyond reads as the empty text.
  std::vector<std::vector<std::string>> rows;

  const std::string& Cell(int col, int row) const;
};

std::string EncodeSnapshot(const Snapshot& snapshot);
bool DecodeSnapshot(std::string_view bytes, Snapshot& snapshot);

}  // namespace vantrel

#endif  // VANTREL_HISTORY_STEP_H_

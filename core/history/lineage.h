#ifndef VANTREL_HISTORY_LINEAGE_H_
#define VANTREL_HISTORY_LINEAGE_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "history/chunked_bytes.h"
#include "population/evolution.h"

namespace vantrel {

inline constexpr std::uint32_t kNoSerial = 0xffffffffU;

// How an organism left the table; kAlive while it is still in it.
enum class Exit : std::uint8_t { kAlive, kShot, kNewGenePool, kLoad };

// Where one digit of an organism's DNA came from.
enum class DigitOrigin : std::uint8_t { kFirstParent, kSecondParent, kMutation, kRoot };

// One organism as the record knows it. Texts are the cells of its row when it was born.
struct OrganismRecord {
  std::uint32_t serial = kNoSerial;
  std::uint32_t pool = 0;
  std::string id, p1, p2, dna, survival;
  // Serials of the parents; kNoSerial for founders and loaded rows, which are roots.
  std::uint32_t first_parent = kNoSerial;
  std::uint32_t second_parent = kNoSerial;
  std::uint32_t born_step = 0;
  std::int64_t born_ms = 0;
  std::uint32_t left_step = 0;
  Exit exit = Exit::kAlive;
  BreedTrace trace;     // cut 0 and no mutations for a root
  bool loaded = false;  // a root that came from a table file

  bool IsRoot() const { return first_parent == kNoSerial; }
  bool IsAlive() const { return exit == Exit::kAlive; }
};

// The record of everyone who lived in the organism table during a program run, numbered
// by a serial of its own (IDs restart with every gene pool and a load keeps old IDs), and
// which serial lives in each table row. Compact: about 40 bytes per organism plus its texts.
class Lineage {
 public:
  // The organism cells a record can give back, in column order.
  using RowTexts = std::array<std::string_view, 5>;

  std::uint32_t size() const { return live_; }
  std::uint32_t pool() const { return pool_; }

  OrganismRecord Get(std::uint32_t serial) const;
  // The text cell `col` (ID, P1, P2, DNA, Survival) of its row held at its birth.
  std::string CellText(std::uint32_t serial, int col) const;
  // The same without a copy; valid until the record forgets the organism (DropHidden).
  std::string_view CellView(std::uint32_t serial, int col) const;
  std::uint32_t SerialInRow(int row) const;

  struct Ancestor {
    std::uint32_t serial;
    int generation;  // 1 for a parent
  };
  // Each ancestor once, nearest generation first, up to `generations` back.
  std::vector<Ancestor> Ancestors(std::uint32_t serial, int generations) const;
  // One origin per DNA character; kRoot throughout for a root.
  std::vector<DigitOrigin> DigitOrigins(std::uint32_t serial) const;

  std::size_t MemoryBytes() const;

  // Changes, made by the History.
  // A root from a table file (`loaded`) never links to anyone, whatever its P1 and P2 say.
  std::uint32_t AddRoot(int row, const RowTexts& texts, std::uint32_t step, std::int64_t ms,
                        bool loaded = false);
  // Adds the child of `birth`, its parents found in their rows, and takes the victim out
  // with kShot. Returns the victim's serial.
  std::uint32_t AddChild(const Birth& birth, std::uint32_t step, std::int64_t ms);
  void Leave(std::uint32_t serial, std::uint32_t step, Exit exit);
  void Return(std::uint32_t serial);
  std::vector<std::uint32_t>& rows() { return rows_; }
  void SetRow(int row, std::uint32_t serial);
  void set_pool(std::uint32_t pool) { pool_ = pool; }
  // Hides (undo) or shows again (redo) the organisms from serial `count` on.
  void SetLive(std::uint32_t count) { live_ = count; }
  // Forgets hidden organisms for good, when a new step drops the redo steps.
  void DropHidden();

 private:
  struct Entry {
    std::uint64_t text_offset;
    std::int64_t born_ms;
    std::uint32_t pool, parent1, parent2, born_step, left_step;
    Exit exit;
    std::int8_t cut;
    std::uint8_t flags;
  };
  struct Texts {
    std::string_view id, p1, p2, survival, dna;
    std::vector<Mutation> mutations;
  };
  // The mutations only when asked for: most readers want one cell.
  Texts ReadTexts(const Entry& entry, bool with_mutations = false) const;
  std::uint32_t Append(const Entry& entry);

  std::deque<Entry> entries_;
  ChunkedBytes texts_;
  std::vector<std::uint32_t> rows_;
  std::string scratch_;  // a root's texts while they are put together
  std::uint32_t live_ = 0;
  std::uint32_t pool_ = 0;
};

}  // namespace vantrel

#endif  // VANTREL_HISTORY_LINEAGE_H_

#include "history/lineage.h"

#include <algorithm>
#include <unordered_set>

#include "history/byte_codec.h"
#include "organism/dna.h"
#include "population/population.h"

namespace vantrel {

namespace {
constexpr std::uint8_t kRootFlag = 1;
// P1 and P2 are kept as texts because they are not the ID texts of the parent records.
constexpr std::uint8_t kOwnParentIds = 2;
constexpr std::uint8_t kLoadedFlag = 4;
}  // namespace

std::uint32_t Lineage::Append(const Entry& entry) {
  entries_.resize(live_);
  entries_.push_back(entry);
  return live_++;
}

void Lineage::DropHidden() {
  if (entries_.size() <= live_) return;
  texts_.Truncate(entries_[live_].text_offset);
  entries_.resize(live_);
}

std::uint32_t Lineage::AddRoot(int row, const RowTexts& texts, std::uint32_t step, std::int64_t ms,
                               bool loaded) {
  DropHidden();
  std::string& blob = scratch_;
  blob.clear();
  PutText(blob, texts[kIdColumn]);
  PutText(blob, texts[kP1Column]);
  PutText(blob, texts[kP2Column]);
  PutText(blob, texts[kSurvivalColumn]);
  PutText(blob, texts[kDnaColumn]);
  PutVarint(blob, 0);
  const Entry entry{
      texts_.Append(blob),
      ms,
      pool_,
      kNoSerial,
      kNoSerial,
      step,
      0,
      Exit::kAlive,
      0,
      static_cast<std::uint8_t>(kRootFlag | kOwnParentIds | (loaded ? kLoadedFlag : 0))};
  const std::uint32_t serial = Append(entry);
  SetRow(row, serial);
  return serial;
}

std::uint32_t Lineage::AddChild(const Birth& birth, std::uint32_t step, std::int64_t ms) {
  DropHidden();
  const std::uint32_t parent1 = SerialInRow(birth.first_parent_row);
  const std::uint32_t parent2 = SerialInRow(birth.second_parent_row);
  const std::uint32_t victim = SerialInRow(birth.row);
  const bool own_ids = parent1 == kNoSerial || parent2 == kNoSerial ||
                       CellView(parent1, kIdColumn) != birth.first_parent_id ||
                       CellView(parent2, kIdColumn) != birth.second_parent_id;
  std::string blob;
  PutText(blob, birth.id);
  if (own_ids) {
    PutText(blob, birth.first_parent_id);
    PutText(blob, birth.second_parent_id);
  }
  PutText(blob, birth.survival);
  PutText(blob, birth.dna);
  PutVarint(blob, birth.trace.mutations.size());
  for (const Mutation& m : birth.trace.mutations) {
    PutVarint(blob, static_cast<std::uint64_t>(m.position));
    PutVarint(blob, static_cast<unsigned char>(m.digit));
  }
  const Entry entry{texts_.Append(blob),
                    ms,
                    pool_,
                    parent1,
                    parent2,
                    step,
                    0,
                    Exit::kAlive,
                    static_cast<std::int8_t>(birth.trace.cut),
                    static_cast<std::uint8_t>(own_ids ? kOwnParentIds : 0)};
  if (victim != kNoSerial) Leave(victim, step, Exit::kShot);
  SetRow(birth.row, Append(entry));
  return victim;
}

void Lineage::Leave(std::uint32_t serial, std::uint32_t step, Exit exit) {
  if (serial >= entries_.size()) return;
  entries_[serial].exit = exit;
  entries_[serial].left_step = step;
}

void Lineage::Return(std::uint32_t serial) { Leave(serial, 0, Exit::kAlive); }

void Lineage::SetRow(int row, std::uint32_t serial) {
  if (row < 0) return;
  if (row >= static_cast<int>(rows_.size())) rows_.resize(row + 1, kNoSerial);
  rows_[row] = serial;
}

std::uint32_t Lineage::SerialInRow(int row) const {
  if (row < 0 || row >= static_cast<int>(rows_.size())) return kNoSerial;
  const std::uint32_t serial = rows_[row];
  return serial < live_ ? serial : kNoSerial;
}

Lineage::Texts Lineage::ReadTexts(const Entry& entry, bool with_mutations) const {
  ByteReader in(texts_.From(entry.text_offset));
  Texts texts;
  texts.id = in.Text();
  if ((entry.flags & kOwnParentIds) != 0) {
    texts.p1 = in.Text();
    texts.p2 = in.Text();
  }
  texts.survival = in.Text();
  texts.dna = in.Text();
  if (!with_mutations) return texts;
  const std::uint64_t count = in.Varint();
  for (std::uint64_t i = 0; i < count && in.ok(); ++i) {
    const auto position = static_cast<int>(in.Varint());
    texts.mutations.push_back({position, static_cast<char>(in.Varint())});
  }
  return texts;
}

std::string_view Lineage::CellView(std::uint32_t serial, int col) const {
  if (serial >= live_) return {};
  const Entry& entry = entries_[serial];
  const Texts texts = ReadTexts(entry);
  const bool own_parent_ids = (entry.flags & kOwnParentIds) != 0;
  switch (col) {
    case kIdColumn:
      return texts.id;
    case kP1Column:
      return own_parent_ids ? texts.p1 : CellView(entry.parent1, kIdColumn);
    case kP2Column:
      return own_parent_ids ? texts.p2 : CellView(entry.parent2, kIdColumn);
    case kDnaColumn:
      return texts.dna;
    case kSurvivalColumn:
      return texts.survival;
    default:
      return {};
  }
}

std::string Lineage::CellText(std::uint32_t serial, int col) const {
  return std::string(CellView(serial, col));
}

OrganismRecord Lineage::Get(std::uint32_t serial) const {
  OrganismRecord record;
  if (serial >= live_) return record;
  const Entry& entry = entries_[serial];
  Texts texts = ReadTexts(entry, /*with_mutations=*/true);
  record.serial = serial;
  record.pool = entry.pool;
  record.id = std::string(texts.id);
  record.p1 = CellText(serial, kP1Column);
  record.p2 = CellText(serial, kP2Column);
  record.dna = std::string(texts.dna);
  record.survival = std::string(texts.survival);
  record.first_parent = entry.parent1;
  record.second_parent = entry.parent2;
  record.born_step = entry.born_step;
  record.born_ms = entry.born_ms;
  record.left_step = entry.left_step;
  record.exit = entry.exit;
  record.loaded = (entry.flags & kLoadedFlag) != 0;
  record.trace = {entry.cut, std::move(texts.mutations)};
  return record;
}

std::vector<Lineage::Ancestor> Lineage::Ancestors(std::uint32_t serial, int generations) const {
  std::vector<Ancestor> found;
  std::unordered_set<std::uint32_t> seen{serial};
  std::vector<std::uint32_t> current{serial};
  for (int generation = 1; generation <= generations && !current.empty(); ++generation) {
    std::vector<std::uint32_t> next;
    for (std::uint32_t child : current) {
      if (child >= live_) continue;
      for (std::uint32_t parent : {entries_[child].parent1, entries_[child].parent2}) {
        if (parent < live_ && seen.insert(parent).second) {
          found.push_back({parent, generation});
          next.push_back(parent);
        }
      }
    }
    current = std::move(next);
  }
  return found;
}

std::vector<DigitOrigin> Lineage::DigitOrigins(std::uint32_t serial) const {
  if (serial >= live_) return {};
  const Entry& entry = entries_[serial];
  const Texts texts = ReadTexts(entry, /*with_mutations=*/true);
  const std::size_t size = texts.dna.size();
  if ((entry.flags & kRootFlag) != 0) return std::vector<DigitOrigin>(size, DigitOrigin::kRoot);
  // The head of the first parent runs up to the cut; the rest is the second parent's.
  const std::size_t first_dna = entry.parent1 < live_ ? CellView(entry.parent1, kDnaColumn).size()
                                                      : static_cast<std::size_t>(kDnaLength);
  const std::size_t head =
      std::min(first_dna, static_cast<std::size_t>(std::max(0, entry.cut - 1)));
  std::vector<DigitOrigin> origins(size, DigitOrigin::kSecondParent);
  std::fill_n(origins.begin(), std::min(head, size), DigitOrigin::kFirstParent);
  for (const Mutation& m : texts.mutations) {
    if (m.position >= 0 && static_cast<std::size_t>(m.position) < size) {
      origins[m.position] = DigitOrigin::kMutation;
    }
  }
  return origins;
}

std::size_t Lineage::MemoryBytes() const {
  // A deque holds its entries in blocks of 512 bytes and a map of pointers to them.
  constexpr std::size_t kBlock = 512;
  const std::size_t blocks = (entries_.size() * sizeof(Entry) + kBlock - 1) / kBlock + 1;
  return blocks * (kBlock + sizeof(void*)) + texts_.MemoryBytes() +
         rows_.capacity() * sizeof(std::uint32_t);
}

}  // namespace vantrel

#include "web/journal_feed.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace vantrel {

std::vector<JournalRecord> JournalFeed::Take() {
  std::vector<JournalRecord> records;
  records.reserve(queued_.size());
  for (Queued& queued : queued_) {
    if (queued.event) queued.record.data = EncodeStepEvent(*queued.event);
    records.push_back(std::move(queued.record));
  }
  queued_.clear();
  return records;
}

bool JournalFeed::WriteBase(std::string snapshot, std::string annex, int organisms) {
  JournalRecord record;
  record.base = true;
  record.data = std::move(snapshot);
  record.annex = std::move(annex);
  record.organisms = organisms;
  queued_.push_back({std::move(record), std::nullopt});
  return true;
}

bool JournalFeed::AppendEntry(JournalEntry entry) {
  JournalRecord record;
  record.type = entry.type;
  record.annex = std::move(entry.annex);
  record.steps = entry.steps;
  record.organisms = entry.organisms;
  if (entry.event && entry.event->whole_table) {
    // Its table is the grid as it is now, not as it will be when the page takes the record.
    record.data = EncodeStepEvent(*entry.event, entry.grid);
    queued_.push_back({std::move(record), std::nullopt});
    return true;
  }
  queued_.push_back({std::move(record), std::move(entry.event)});
  return true;
}

bool JournalFeed::KeepFinishedRuns(std::string csv) {
  finished_runs_ = std::move(csv);
  return true;
}

namespace {

void PutLength(std::string& out, std::size_t size) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>(size >> shift));
}

// Reads a length and that many bytes; false past the end.
bool TakeBytes(std::string_view& in, std::string_view& bytes) {
  if (in.size() < 4) return false;
  std::uint32_t size = 0;
  for (int i = 0; i < 4; ++i)
    size |= static_cast<std::uint32_t>(static_cast<unsigned char>(in[i])) << (8 * i);
  in.remove_prefix(4);
  if (size > in.size()) return false;
  bytes = in.substr(0, size);
  in.remove_prefix(size);
  return true;
}

}  // namespace

std::string PackEntries(const std::vector<JournalRecord>& entries) {
  std::string out;
  for (const JournalRecord& entry : entries) {
    out.push_back(static_cast<char>(entry.type));
    PutLength(out, entry.data.size());
    out += entry.data;
    PutLength(out, entry.annex.size());
    out += entry.annex;
  }
  return out;
}

StoredJournal Unpack(const StoredRun& run) {
  StoredJournal stored;
  stored.base = run.base;
  stored.base_annex = run.base_annex;
  stored.steps_at_end = run.steps_at_end;
  stored.name = run.name;
  std::string_view in = run.entries;
  while (!in.empty()) {
    const auto type = static_cast<unsigned char>(in.front());
    in.remove_prefix(1);
    std::string_view data;
    std::string_view annex;
    if (!TakeBytes(in, data) || !TakeBytes(in, annex)) {
      stored.whole = false;
      break;
    }
    stored.entries.push_back({type, std::string(data), std::string(annex)});
  }
  return stored;
}

std::optional<RunContents> ReadStoredRun(const StoredRun& run, std::string& message) {
  return ReadJournal(Unpack(run), message);
}

}  // namespace vantrel

#include "web/journal_feed.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "history/journal_texts.h"

namespace vantrel {

JournalFeed::JournalFeed(History& history) : history_(history) {
  QueueBase();
  history_.set_listener(this);
}

JournalFeed::~JournalFeed() { history_.set_listener(nullptr); }

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

void JournalFeed::QueueBase() {
  done_ = written_ = 0;
  JournalRecord record;
  record.base = true;
  record.data = EncodeSnapshot(history_.TakeSnapshot());
  record.annex = history_.Annex();
  record.organisms = history_.document().grid().RowCount() - 1;
  queued_.push_back({std::move(record), std::nullopt});
}

void JournalFeed::Queue(RunEntry::Type type, std::string annex, std::optional<StepEvent> event) {
  JournalRecord record;
  record.type = type;
  record.annex = std::move(annex);
  record.steps = done_;
  record.organisms = history_.document().grid().RowCount() - 1;
  queued_.push_back({std::move(record), std::move(event)});
}

void JournalFeed::StepDone(StepEvent event) {
  written_ = ++done_;
  if (event.whole_table) {
    // Its table is the grid as it is now, not as it will be when the page takes the record.
    std::string data = EncodeStepEvent(event, &history_.document().grid());
    Queue(RunEntry::kStep, history_.Annex());
    queued_.back().record.data = std::move(data);
    return;
  }
  Queue(RunEntry::kStep, history_.Annex(), std::move(event));
}

void JournalFeed::StepUndone() {
  if (done_ == 0) {
    QueueBase();  // the step lies before the base
    return;
  }
  --done_;
  Queue(RunEntry::kUndo, {});
}

void JournalFeed::StepRedone() {
  if (done_ == written_) {
    QueueBase();
    return;
  }
  ++done_;
  Queue(RunEntry::kRedo, {});
}

void JournalFeed::Noted() { Queue(RunEntry::kNote, history_.Annex()); }

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

std::optional<RunContents> ReadStoredRun(const StoredRun& run, std::string& message) {
  RunContents contents;
  if (!DecodeSnapshot(run.base, contents.base)) {
    message = JournalDamagedText(run.name);
    return std::nullopt;
  }
  contents.base_annex = run.base_annex;
  std::string_view in = run.entries;
  int done = 0;
  bool whole = true;
  while (!in.empty()) {
    const auto type = static_cast<unsigned char>(in.front());
    in.remove_prefix(1);
    std::string_view data;
    std::string_view annex;
    RunEntry entry;
    if (type > RunEntry::kNote || !TakeBytes(in, data) || !TakeBytes(in, annex)) {
      whole = false;
      break;
    }
    entry.type = static_cast<RunEntry::Type>(type);
    if (entry.type == RunEntry::kStep && !DecodeStepEvent(data, entry.event)) {
      whole = false;
      break;
    }
    entry.annex = std::string(annex);
    if (entry.type == RunEntry::kStep || entry.type == RunEntry::kRedo) ++done;
    if (entry.type == RunEntry::kUndo) done = std::max(done - 1, 0);
    contents.entries.push_back(std::move(entry));
  }
  contents.steps = done;
  contents.lost_steps = whole ? 0 : std::max(run.steps_at_end - done, 0);
  if (!whole) message = JournalLostStepsText(run.name, contents.lost_steps);
  return contents;
}

}  // namespace vantrel

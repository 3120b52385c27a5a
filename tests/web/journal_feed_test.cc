#include "web/journal_feed.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/web/noon.h"
#include "web/pinned_clock.h"
#include "web/session.h"

namespace vantrel {
namespace {

using testing::kNoon;

// What the page keeps of its run: the latest base and the entries after it.
struct Kept {
  JournalRecord base;
  std::vector<JournalRecord> entries;
  int steps = 0;
  int organisms = 0;

  void Add(std::vector<JournalRecord> records) {
    for (JournalRecord& record : records) {
      steps = record.steps;
      organisms = record.organisms;
      if (record.base) {
        base = std::move(record);
        entries.clear();
      } else {
        entries.push_back(std::move(record));
      }
    }
  }
  StoredRun Stored() const {
    return {base.data, base.annex, PackEntries(entries), steps, "of the test"};
  }
};

class JournalFeedTest : public ::testing::Test {
 protected:
  JournalFeedTest() { played_.StartJournal(); }

  WebSession played_{std::make_unique<PinnedClock>(kNoon)};
  WebSession later_{std::make_unique<PinnedClock>(kNoon + 60'000)};
  Kept kept_;
};

TEST_F(JournalFeedTest, ARestoreBringsBackTheTableStateAndStepsThatUndo) {
  const std::string start = played_.TableBytes();
  played_.Shoot();
  played_.NewIdea();
  played_.Feed();
  played_.Shoot();
  played_.Undo();
  played_.SelectRow(3);
  played_.Shoot();
  kept_.Add(played_.TakeJournal());
  EXPECT_EQ(kept_.steps, 4);
  EXPECT_EQ(kept_.organisms, played_.RowCount());

  const std::string before = later_.TableBytes();
  const LoadOutcome restored = later_.RestoreRun(kept_.Stored(), played_.FinishedRunsCsv());
  ASSERT_TRUE(restored.ok);
  EXPECT_EQ(restored.message, "");
  EXPECT_TRUE(restored.change.table && restored.change.parameters);
  EXPECT_EQ(later_.TableBytes(), played_.TableBytes());
  EXPECT_EQ(later_.SelectedRow(), played_.SelectedRow());
  EXPECT_EQ(later_.Counters().organism_counter, played_.Counters().organism_counter);
  EXPECT_EQ(later_.Counters().clicks, played_.Counters().clicks);
  EXPECT_EQ(later_.Goal(), played_.Goal());
  // The same random state: the next shot is the same.
  played_.Shoot();
  later_.Shoot();
  EXPECT_EQ(later_.TableBytes(), played_.TableBytes());
  later_.Undo();
  for (int step = 0; step < 4; ++step) later_.Undo();
  EXPECT_EQ(later_.TableBytes(), start);
  later_.Undo();  // the restore itself
  EXPECT_EQ(later_.TableBytes(), before);
}

// A loaded table replaces every organism in one step; its step is kept until the page takes
// it, comes back with the steps after it, and undoes and redoes on both sides.
TEST_F(JournalFeedTest, ALoadedTableAndTheStepsAfterItComeBackAndUndo) {
  WebSession other{std::make_unique<PinnedClock>(kNoon + 3'600'000)};
  other.Shoot();
  other.Feed();
  const std::string start = played_.TableBytes();
  ASSERT_TRUE(played_.LoadTable(other.TableBytes(), "other.str").ok);
  const std::string loaded = played_.TableBytes();
  ASSERT_NE(loaded, start);
  played_.Shoot();
  played_.Feed();
  const std::string played = played_.TableBytes();
  kept_.Add(played_.TakeJournal());
  EXPECT_EQ(kept_.steps, 3);

  ASSERT_TRUE(later_.RestoreRun(kept_.Stored(), played_.FinishedRunsCsv()).ok);
  EXPECT_EQ(later_.TableBytes(), played);
  for (WebSession* session : {&played_, &later_}) {
    session->Undo();
    session->Undo();
    EXPECT_EQ(session->TableBytes(), loaded);
    session->Undo();
    EXPECT_EQ(session->TableBytes(), start);
    for (int step = 0; step < 3; ++step) session->Redo();
    EXPECT_EQ(session->TableBytes(), played);
  }
}

TEST_F(JournalFeedTest, AnUndoBeforeTheBaseOrARedoPastItStartsANewBase) {
  played_.Shoot();
  kept_.Add(played_.TakeJournal());
  later_.StartJournal();
  later_.Undo();  // nothing before the journal's start: no record
  EXPECT_EQ(later_.TakeJournal().size(), 1u);

  WebSession session(std::make_unique<PinnedClock>(kNoon));
  session.Shoot();
  session.StartJournal();  // the shot lies before the base
  session.TakeJournal();
  session.Undo();
  std::vector<JournalRecord> records = session.TakeJournal();
  ASSERT_EQ(records.size(), 1u);
  EXPECT_TRUE(records[0].base);
  session.Redo();
  records = session.TakeJournal();
  ASSERT_EQ(records.size(), 1u);
  EXPECT_TRUE(records[0].base);

  Kept kept;
  kept.Add(std::move(records));
  ASSERT_TRUE(later_.RestoreRun(kept.Stored(), "").ok);
  EXPECT_EQ(later_.TableBytes(), session.TableBytes());
}

TEST_F(JournalFeedTest, ADamagedEntryRestoresTheStepsBeforeItAndSaysHowManyWereLost) {
  played_.Shoot();
  played_.Shoot();
  kept_.Add(played_.TakeJournal());
  const std::string after_two = played_.TableBytes();
  played_.Shoot();
  played_.Feed();
  kept_.Add(played_.TakeJournal());
  kept_.entries[2].data.resize(3);  // the third step cut short

  std::string message;
  const std::optional<RunContents> contents = ReadStoredRun(kept_.Stored(), message);
  ASSERT_TRUE(contents);
  EXPECT_EQ(contents->steps, 2);
  EXPECT_EQ(contents->lost_steps, 2);
  const LoadOutcome restored = later_.RestoreRun(kept_.Stored(), "");
  EXPECT_TRUE(restored.ok);
  EXPECT_EQ(restored.message,
            "The journal of the test was damaged: the last 2 steps could not be restored.");
  EXPECT_EQ(later_.TableBytes(), after_two);

  StoredRun stored = kept_.Stored();
  stored.entries.pop_back();  // a length that runs past the end
  EXPECT_EQ(ReadStoredRun(stored, message)->steps, 2);
}

TEST_F(JournalFeedTest, ADamagedBaseIsNotRestoredAndLeavesTheTable) {
  played_.Shoot();
  kept_.Add(played_.TakeJournal());
  StoredRun stored = kept_.Stored();
  stored.base = "not a table";
  const std::string before = later_.TableBytes();
  const LoadOutcome restored = later_.RestoreRun(stored, "");
  EXPECT_FALSE(restored.ok);
  EXPECT_EQ(restored.message, "The journal of the test is damaged and cannot be restored.");
  EXPECT_EQ(later_.TableBytes(), before);
  EXPECT_FALSE(later_.Counters().can_undo);
}

}  // namespace
}  // namespace vantrel

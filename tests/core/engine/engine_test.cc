#include "engine/engine.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "history/family_tree.h"
#include "lab/run_csv.h"
#include "population/random_source.h"
#include "tests/support/fakes.h"

namespace vantrel {
namespace {

using testing::FixedClock;

// Every cell of the table, row by row, and the selected row.
std::vector<std::string> TableOf(const Engine& engine) {
  const StringGrid& grid = engine.grid();
  std::vector<std::string> cells{std::to_string(grid.SelectedRow())};
  for (int row = 0; row < grid.RowCount(); ++row) {
    for (int col = 0; col < grid.ColCount(); ++col) cells.push_back(grid.Cell(col, row));
  }
  return cells;
}

// Counts the engine's notifications and what they said.
class ChangeCounter final : public EngineObserver {
 public:
  void EngineChanged(const EngineChange& change) override {
    ++count;
    last = change;
  }
  int count = 0;
  EngineChange last;
};

class EngineTest : public ::testing::Test {
 protected:
  FixedClock clock_{12 * 3600 * 1000 + 345};
  LcgRandom random_;
  Engine engine_{random_, clock_};

  const vantrel::Run& Current() const { return *engine_.notebook().current_run(); }
  int RunCount() const { return static_cast<int>(engine_.notebook().runs().runs().size()); }
};

TEST_F(EngineTest, EachActionTellsItsObserversOnceWhatChanged) {
  ChangeCounter counter;
  engine_.AddObserver(&counter);
  engine_.Shoot();
  EXPECT_EQ(counter.count, 1);
  EXPECT_TRUE(counter.last.table && counter.last.counters);
  engine_.NewIdea();
  EXPECT_EQ(counter.count, 2);
  EXPECT_TRUE(counter.last.run);
  EXPECT_FALSE(counter.last.table);
  engine_.Undo();
  EXPECT_EQ(counter.count, 3);
  EXPECT_TRUE(counter.last.parameters);
  // Finished automatic runs: the run table changed, for the journal to keep.
  engine_.AddRuns({vantrel::Run{}});
  EXPECT_EQ(counter.count, 4);
  EXPECT_TRUE(counter.last.runs && !counter.last.table && !counter.last.run);
  // Selecting the row already shown changes nothing and says nothing.
  engine_.SelectRow(engine_.grid().SelectedRow());
  EXPECT_EQ(counter.count, 4);
  engine_.RemoveObserver(&counter);
}

TEST_F(EngineTest, ParametersAreCappedInOnePlaceAndComeBackWithUndo) {
  EXPECT_EQ(engine_.SetParameter(Parameter::kPopulation, 1), kMinStartOrganisms);
  EXPECT_EQ(engine_.SetParameter(Parameter::kPopulation, 5000), kMaxStartOrganisms);
  EXPECT_EQ(engine_.SetParameter(Parameter::kCreativity, 250), 250);
  engine_.SetParameters({20, 30, 4});
  engine_.NewGenePool();
  EXPECT_EQ(engine_.grid().RowCount(), 20);
  engine_.SetParameters({5, 0, 7});
  const std::string survival = engine_.population().SelectedSurvival();
  const int row = engine_.grid().SelectedRow();
  engine_.Feed();
  EXPECT_EQ(engine_.grid().Cell(kSurvivalColumn, row), std::to_string(std::stoi(survival) + 7));
  engine_.Undo();
  EXPECT_EQ(engine_.parameters(), (Parameters{20, 30, 4}));
  engine_.Undo();
  EXPECT_EQ(engine_.parameters(), kStartParameters);
  EXPECT_EQ(engine_.grid().RowCount(), kStartParameters.start_organisms);
}

TEST_F(EngineTest, UndoAcrossTheStartOfARunBringsBackTheEarlierRunAndItsCounters) {
  engine_.Feed();
  engine_.Shoot();
  engine_.NewGenePool();
  engine_.Shoot();
  ASSERT_EQ(RunCount(), 2);
  EXPECT_EQ(Current().shots, 1);

  engine_.Undo();
  EXPECT_EQ(Current().number, 2);
  EXPECT_EQ(Current().clicks(), 0);
  engine_.Undo();  // the new gene pool: its run goes from the table
  EXPECT_EQ(RunCount(), 1);
  EXPECT_EQ(Current().feeds, 1);
  EXPECT_EQ(Current().shots, 1);
  engine_.Undo();
  EXPECT_EQ(Current().shots, 0);

  engine_.Redo();
  engine_.Redo();
  EXPECT_EQ(RunCount(), 2);
  EXPECT_EQ(Current().number, 2);
  EXPECT_EQ(Current().clicks(), 0);
  EXPECT_EQ(engine_.notebook().runs().runs()[0].shots, 1);
  engine_.Redo();
  EXPECT_EQ(Current().shots, 1);
  // The curve follows the run back and forth: one point at its start and one per click.
  EXPECT_EQ(engine_.notebook().samples().size(), 2U);
}

TEST_F(EngineTest, AnIdeaIsAStepWhoseUndoBringsBackTheGoalBeforeIt) {
  const std::vector<std::string> table = TableOf(engine_);
  const Idea idea = engine_.NewIdea();
  EXPECT_FALSE(idea.text.empty());
  EXPECT_FALSE(engine_.notebook().goal().text.empty());
  EXPECT_TRUE(engine_.DeclareReached());
  EXPECT_FALSE(engine_.DeclareReached());  // once only

  engine_.Undo();
  EXPECT_TRUE(engine_.notebook().goal().text.empty());
  EXPECT_EQ(RunCount(), 1);
  EXPECT_EQ(TableOf(engine_), table);
  // Without a goal there is nothing to reach.
  EXPECT_FALSE(engine_.DeclareReached());

  engine_.Redo();
  EXPECT_EQ(engine_.notebook().goal().text, Current().goal);
  EXPECT_TRUE(Current().reached());
}

// Undoing the start of a run (a new gene pool, a load, an idea) takes the run out of the
// exported run table, with no empty row left in its place; redo brings it back.
TEST_F(EngineTest, TheExportedRunsLoseARunWhoseStartIsUndoneAndRedoBringsItBack) {
  const std::string table = (std::filesystem::temp_directory_path() /
                             ("engine_test_" + std::to_string(std::random_device()()) + ".str"))
                                .string();
  std::ofstream(table, std::ios::binary)
      << " P1 # P2 # DNA # Survival #\r\n 0 # 0 # 1234567890123 # 7 #\r\n";
  const std::function<void()> starts[] = {[this] { engine_.NewGenePool(); },
                                          [this, &table] { engine_.LoadTable(table); },
                                          [this] { engine_.NewIdea(); }};
  for (const std::function<void()>& start : starts) {
    engine_.Feed();
    const std::string before = RunsCsv(engine_.notebook().runs().runs());
    start();
    engine_.Shoot();
    const std::string after = RunsCsv(engine_.notebook().runs().runs());
    ASSERT_NE(after, before);
    engine_.Undo();
    engine_.Undo();
    EXPECT_EQ(RunsCsv(engine_.notebook().runs().runs()), before);
    engine_.Redo();
    engine_.Redo();
    EXPECT_EQ(RunsCsv(engine_.notebook().runs().runs()), after);
  }
  std::filesystem::remove(table);
}

TEST_F(EngineTest, ANewStepAfterUndoForgetsTheRunsThatCouldHaveBeenRedone) {
  engine_.NewGenePool();
  engine_.Undo();
  engine_.Feed();
  EXPECT_EQ(RunCount(), 1);
  EXPECT_FALSE(engine_.Redo());
  EXPECT_EQ(Current().feeds, 1);
}

TEST_F(EngineTest, LoadedBytesAreOneStepWithANewRunAndARefusalChangesNothing) {
  const std::vector<std::string> before = TableOf(engine_);
  ChangeCounter counter;
  engine_.AddObserver(&counter);
  const TableFileResult refused = engine_.LoadTableText(" P1 # P2 #\r\n", "short.str");
  EXPECT_EQ(refused.status, TableFileResult::Status::kNoBodyRows);
  EXPECT_EQ(counter.count, 0);
  EXPECT_FALSE(engine_.history().CanUndo());

  EXPECT_TRUE(engine_
                  .LoadTableText(" P1 # P2 # DNA # Survival #\r\n 0 # 0 # 1234567890123 # 4 #\r\n",
                                 "one.str")
                  .ok());
  EXPECT_EQ(counter.count, 1);
  EXPECT_TRUE(counter.last.table && counter.last.run);
  EXPECT_EQ(engine_.grid().RowCount(), 2);
  EXPECT_EQ(engine_.grid().Cell(kDnaColumn, 1), "1234567890123");
  EXPECT_EQ(RunCount(), 2);
  engine_.Undo();
  EXPECT_EQ(TableOf(engine_), before);
  EXPECT_EQ(RunCount(), 1);
  engine_.RemoveObserver(&counter);
}

// A file longer than the table brings rows the ID column never reached: they are named
// as newborns would be, and every loaded row is a root of its own in the family tree.
TEST_F(EngineTest, LoadedRowsWithoutAnIdTakeTheNextIdsAndStandAsLoadedRoots) {
  const int founders = engine_.grid().RowCount() - 1;
  const int counter = engine_.document().population().counter();
  std::string file = " P1 # P2 # DNA # Survival #\r\n";
  for (int i = 0; i < founders + 3; ++i) file += " 13 # 14 # 1234567890123 # 2 #\r\n";
  ASSERT_TRUE(engine_.LoadTableText(file, "long.str").ok());
  for (int row = 1; row <= founders; ++row) {
    EXPECT_EQ(engine_.grid().Cell(kIdColumn, row), std::to_string(row));  // kept
  }
  for (int i = 1; i <= 3; ++i) {
    EXPECT_EQ(engine_.grid().Cell(kIdColumn, founders + i), std::to_string(counter + i));
  }
  const Lineage& lineage = engine_.history().lineage();
  const OrganismRecord last = lineage.Get(lineage.SerialInRow(founders + 3));
  EXPECT_TRUE(last.IsRoot() && last.loaded);
  EXPECT_EQ(last.id, std::to_string(counter + 3));
  const std::vector<TreeCard> tree =
      BuildFamilyTree(lineage, last.serial, 3, engine_.grid().RowCount());
  ASSERT_EQ(tree.size(), 1U);  // no parents, whatever P1 and P2 say
  EXPECT_EQ(tree[0].caption, "ID " + last.id + " · living · loaded root");
  EXPECT_NE(tree[0].details.find("loaded in step 1"), std::string::npos) << tree[0].details;

  // Children of the new rows name both parents; undo takes the names and the counter back.
  for (int i = 0; i < 40; ++i) engine_.Shoot();
  for (int row = 1; row < engine_.grid().RowCount(); ++row) {
    EXPECT_FALSE(engine_.grid().Cell(kIdColumn, row).empty());
    EXPECT_FALSE(engine_.grid().Cell(kP1Column, row).empty());
  }
  for (int i = 0; i < 40; ++i) engine_.Undo();
  EXPECT_EQ(engine_.document().population().counter(), counter + 3);
  engine_.Undo();
  EXPECT_EQ(engine_.document().population().counter(), counter);
  EXPECT_EQ(engine_.grid().RowCount(), founders + 1);
  engine_.Redo();
  EXPECT_EQ(engine_.grid().Cell(kIdColumn, founders + 3), std::to_string(counter + 3));
}

TEST_F(EngineTest, AutomaticRunsStayWhenAHandRunIsUndoneAndRedone) {
  engine_.NewGenePool();
  vantrel::Run automatic;
  automatic.mode = RunMode::kJudge;
  engine_.AddRuns({automatic});
  ASSERT_EQ(RunCount(), 3);
  engine_.Undo();
  ASSERT_EQ(RunCount(), 2);
  EXPECT_EQ(engine_.notebook().runs().runs()[1].mode, RunMode::kJudge);
  EXPECT_EQ(engine_.notebook().runs().runs()[1].number, 2);
  engine_.Redo();
  // Runs keep the order in which they began.
  ASSERT_EQ(RunCount(), 3);
  EXPECT_EQ(engine_.notebook().runs().runs()[1].mode, RunMode::kHand);
  EXPECT_EQ(Current().number, 2);
}

StoredJournal Named(std::string name) {
  StoredJournal stored;
  stored.name = std::move(name);
  return stored;
}

// Keeps a session's journal in memory as the page's storage does: the latest base and the
// entries after it, in the bytes a store keeps. Fails every write after `fail_after`.
class MemoryStore final : public JournalStore {
 public:
  bool WriteBase(std::string snapshot, std::string annex, int /*organisms*/) override {
    ++bases;
    stored.base = std::move(snapshot);
    stored.base_annex = std::move(annex);
    stored.entries.clear();
    stored.steps_at_end = 0;
    return ++writes <= fail_after;
  }
  bool AppendEntry(JournalEntry entry) override {
    stored.entries.push_back({entry.type,
                              entry.event ? EncodeStepEvent(*entry.event, entry.grid) : "",
                              std::move(entry.annex)});
    stored.steps_at_end = entry.steps;
    return ++writes <= fail_after;
  }
  bool KeepFinishedRuns(std::string csv) override {
    finished = std::move(csv);
    return true;
  }
  std::vector<int> Types() const {
    std::vector<int> types;
    for (const StoredJournal::Entry& entry : stored.entries) types.push_back(entry.type);
    return types;
  }

  StoredJournal stored = Named("of the test");
  std::string finished;
  int bases = 0;
  int writes = 0;
  int fail_after = 1 << 30;
};

// When the journal writes a base, what each entry is, and when the finished runs are kept:
// the journal's rules, which both faces' stores follow.
TEST_F(EngineTest, TheJournalWritesABaseThenOneEntryPerStepUndoRedoAndNote) {
  const auto unreached_idea = [](Engine& engine) {
    for (int tries = 0; tries < 50; ++tries) {
      engine.NewIdea();
      if (!engine.notebook().current_run()->reached()) return;
    }
  };
  const struct {
    const char* name;
    std::function<void(Engine&)> before;  // done before the journal starts
    std::function<void(Engine&)> act;
    int bases;
    std::vector<int> types;
    int steps;
    bool runs_kept = false;
  } cases[] = {
      {"shot", {}, [](Engine& e) { e.Shoot(); }, 1, {RunEntry::kStep}, 1},
      {"shot and undo",
       {},
       [](Engine& e) { e.Shoot(), e.Undo(); },
       1,
       {RunEntry::kStep, RunEntry::kUndo},
       0,
       true},
      {"undo and redo",
       {},
       [](Engine& e) { e.Feed(), e.Undo(), e.Redo(); },
       1,
       {RunEntry::kStep, RunEntry::kUndo, RunEntry::kRedo},
       1,
       true},
      {"undo before the base",
       [](Engine& e) { e.Shoot(); },
       [](Engine& e) { e.Undo(); },
       2,
       {},
       0,
       true},
      {"redo past the written",
       [](Engine& e) { e.Shoot(), e.Undo(); },
       [](Engine& e) { e.Redo(); },
       2,
       {},
       0,
       true},
      {"Reached", unreached_idea, [](Engine& e) { e.DeclareReached(); }, 1, {RunEntry::kNote}, 0},
      {"finished runs", {}, [](Engine& e) { e.AddRuns({vantrel::Run{}}); }, 1, {}, 0, true},
  };
  for (const auto& c : cases) {
    FixedClock clock(4242);
    LcgRandom random;
    Engine engine(random, clock);
    if (c.before) c.before(engine);
    MemoryStore store;
    engine.KeepJournal(store);
    const std::string kept_at_start = store.finished;
    c.act(engine);
    EXPECT_EQ(store.bases, c.bases) << c.name;
    EXPECT_EQ(store.Types(), c.types) << c.name;
    EXPECT_EQ(store.stored.steps_at_end, c.steps) << c.name;
    // The run table is kept when runs join it or another moment's run comes back (undo,
    // redo), and with the current run's counts when the journal stops.
    const std::string runs = RunsCsv(engine.notebook().runs().runs());
    EXPECT_EQ(store.finished == runs, c.runs_kept || kept_at_start == runs) << c.name;
    engine.StopJournal();
    EXPECT_EQ(store.finished, runs) << c.name;
  }
}

// A store that fails is written to no more, and the session goes on; a damaged entry
// restores the steps before it and tells how many were lost.
TEST_F(EngineTest, AFailedStoreIsLeftAndADamagedEntryEndsTheRestoreWithWhatItLost) {
  MemoryStore failing;
  failing.fail_after = 3;
  engine_.KeepJournal(failing);
  for (int i = 0; i < 5; ++i) engine_.Shoot();
  EXPECT_EQ(failing.writes, 4);  // the base, two shots, and the write that failed
  EXPECT_TRUE(engine_.Undo());

  MemoryStore store;
  FixedClock clock(777);
  LcgRandom random;
  Engine played(random, clock);
  played.KeepJournal(store);
  for (int i = 0; i < 4; ++i) played.Shoot();
  store.stored.entries[2].data = "not a step";
  std::string message;
  ASSERT_TRUE(engine_.RestoreJournal(store.stored, {}, message));
  EXPECT_EQ(message,
            "The journal of the test was damaged: the last 2 steps could not be restored.");
  EXPECT_TRUE(engine_.Undo());
  store.stored.base = "no table";
  EXPECT_FALSE(engine_.RestoreJournal(store.stored, {}, message));
  EXPECT_EQ(message, "The journal of the test is damaged and cannot be restored.");
}

// Random actions, undos and redos: going back and forth through the history always shows
// the table and run counters that belonged to each moment, and a restore of everything
// recorded gives another engine the same table.
TEST(EnginePropertyTest, RandomActionsUndoAndRedoToTheSameMomentsAndRestoreElsewhere) {
  for (std::uint32_t seed = 1; seed <= 12; ++seed) {
    FixedClock clock(static_cast<std::int64_t>(seed) * 7919);
    LcgRandom random;
    Engine engine(random, clock);
    MemoryStore store;
    engine.KeepJournal(store);

    LcgRandom chooser;
    chooser.Seed(seed);
    struct Moment {
      std::vector<std::string> table;
      int clicks;
      int runs;
    };
    std::vector<Moment> moments{{TableOf(engine), 0, 1}};
    for (int i = 0; i < 60; ++i) {
      switch (chooser.Draw(9)) {
        case 0:
          engine.SetParameter(Parameter::kPopulation, 2 + chooser.Draw(12));
          engine.NewGenePool();
          break;
        case 1:
          engine.NewIdea();
          break;
        case 2:
        case 3:
          engine.Feed();
          break;
        case 4:
        case 5:
          engine.SetParameter(Parameter::kCreativity, chooser.Draw(120));
          engine.Shoot();
          break;
        case 6:
          engine.Undo();
          break;
        case 7:
          engine.DeclareReached();
          break;
        default:
          engine.Redo();
          break;
      }
      const auto position = static_cast<std::size_t>(engine.history().position());
      moments.resize(position);
      moments.push_back({TableOf(engine), engine.notebook().current_run()->clicks(),
                         static_cast<int>(engine.notebook().runs().runs().size())});
    }
    const StoredJournal stored = store.stored;
    const std::string finished = store.finished;
    const std::string runs_at_end = RunsCsv(engine.notebook().runs().runs());
    const std::vector<std::string> table_at_end = TableOf(engine);
    const int end = engine.history().position();
    for (int position = end; position > 0; --position) {
      ASSERT_TRUE(engine.Undo());
      const Moment& moment = moments[static_cast<std::size_t>(position - 1)];
      ASSERT_EQ(TableOf(engine), moment.table) << "seed " << seed;
      ASSERT_EQ(engine.notebook().current_run()->clicks(), moment.clicks) << "seed " << seed;
      ASSERT_EQ(static_cast<int>(engine.notebook().runs().runs().size()), moment.runs);
    }
    for (int position = 0; position < end; ++position) ASSERT_TRUE(engine.Redo());
    EXPECT_EQ(TableOf(engine), table_at_end);
    EXPECT_EQ(RunsCsv(engine.notebook().runs().runs()), runs_at_end) << "seed " << seed;

    FixedClock other_clock(99);
    LcgRandom other_random;
    Engine restored(other_random, other_clock);
    std::string message;
    EXPECT_TRUE(restored.RestoreJournal(stored, ParseRunsCsv(finished), message));
    EXPECT_EQ(message, "");
    EXPECT_EQ(TableOf(restored), table_at_end) << "seed " << seed;
    // The run in progress goes on with its counts, and the restored steps undo with theirs.
    const vantrel::Run& at_end = *engine.notebook().current_run();
    EXPECT_EQ(restored.notebook().current_run()->clicks(), at_end.clicks()) << "seed " << seed;
    EXPECT_EQ(restored.notebook().current_run()->reached_by, at_end.reached_by);
    EXPECT_EQ(restored.notebook().goal().text, engine.notebook().goal().text);
    for (int position = end; position > 0; --position) {
      ASSERT_TRUE(restored.Undo());
      const Moment& moment = moments[static_cast<std::size_t>(position - 1)];
      ASSERT_EQ(TableOf(restored), moment.table) << "seed " << seed;
      ASSERT_EQ(restored.notebook().current_run()->clicks(), moment.clicks) << "seed " << seed;
    }
  }
}

}  // namespace
}  // namespace vantrel

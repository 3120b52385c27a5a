#include "history/history.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "history/byte_codec.h"
#include "tests/core/history/test_world.h"
#include "tests/support/fakes.h"

namespace vantrel {
namespace {

using testing::FullState;
using testing::World;

TEST(HistoryTest, UndoEverythingAndRedoEverythingGiveBackEachStateExactly) {
  for (std::uint32_t seed : {1U, 77U, 4242U}) {
    World world(seed);
    std::mt19937 dice(seed);
    // Before each step (after the clicks and ideas since the last one) and right after it.
    std::vector<FullState> before, after{world.State()};
    const std::string start_table = testing::TableText(world.document.grid());
    for (int i = 0; i < 400; ++i) {
      testing::BetweenSteps(world, dice);
      const FullState state = world.State();
      const int steps = world.history.StepCount();
      testing::PlayRandomStep(world, dice);
      if (world.history.StepCount() == steps) continue;  // a load of a title line alone
      before.push_back(state);
      after.push_back(world.State());
    }
    const std::string end_table = testing::TableText(world.document.grid());
    const int steps = static_cast<int>(before.size());
    ASSERT_EQ(world.history.position(), steps);
    ASSERT_GT(steps, 350);
    for (int i = steps; i > 0; --i) {
      testing::BetweenSteps(world, dice);
      ASSERT_TRUE(world.history.Undo());
      ASSERT_EQ(world.State(), before[i - 1]) << "seed " << seed << ", undo of step " << i;
    }
    EXPECT_FALSE(world.history.Undo());
    EXPECT_EQ(testing::TableText(world.document.grid()), start_table);
    for (int i = 1; i <= steps; ++i) {
      testing::BetweenSteps(world, dice);
      ASSERT_TRUE(world.history.Redo());
      ASSERT_EQ(world.State(), after[i]) << "seed " << seed << ", redo of step " << i;
    }
    EXPECT_FALSE(world.history.Redo());
    EXPECT_EQ(testing::TableText(world.document.grid()), end_table);
  }
}

TEST(HistoryTest, AnUndoneShotShotAgainGivesTheSameChildAndDropsTheRedoSteps) {
  World world(9);
  world.Shoot(40);
  world.random.Draw(10);  // an idea
  const Birth first = world.Shoot(40);
  const FullState after = world.State();
  world.Feed(3);
  ASSERT_TRUE(world.history.Undo());
  ASSERT_TRUE(world.history.Undo());
  EXPECT_TRUE(world.history.CanRedo());
  // A load that fails changes nothing: it is no step and keeps the steps to redo.
  world.history.BeginStep(StepKind::kLoad, world.parameters);
  world.history.EndStep();
  EXPECT_EQ(world.history.StepCount(), 3);
  const Birth again = world.Shoot(40);
  EXPECT_EQ(again.dna, first.dna);
  EXPECT_EQ(again.trace.mutations, first.trace.mutations);
  EXPECT_EQ(world.State(), after);
  EXPECT_FALSE(world.history.CanRedo());
  EXPECT_EQ(world.history.StepCount(), 2);
}

TEST(HistoryTest, ParametersFollowTheStepsAndViewsGetOneResetPerUndo) {
  struct Counter final : GridObserver {
    void GridCellChanged(int, int) override { ++cells; }
    void GridReset() override { ++resets; }
    int cells = 0, resets = 0;
  } counter;
  World world(3);
  world.NewGenePool(30);
  world.Shoot(25);
  EXPECT_EQ(world.history.parameters(), (Parameters{30, 25, 1}));
  world.document.grid().AddObserver(&counter);
  world.history.Undo();
  EXPECT_EQ(world.history.parameters(), (Parameters{30, 10, 1}));
  world.history.Undo();
  EXPECT_EQ(counter.cells, 0);
  EXPECT_EQ(counter.resets, 2);
  EXPECT_EQ(world.history.parameters(), (Parameters{}));
  world.document.grid().RemoveObserver(&counter);
}

// A snapshot's bytes grow with the text it holds, and journals written as a rectangle of
// cells by earlier versions still read.
TEST(SnapshotTest, StoresTheTextsNotTheTablesRowsTimesColumnsAndReadsRectangles) {
  Snapshot snapshot;
  snapshot.state = {7, 3, 1, 3, 250};
  snapshot.rows = {{"ID", "P1"}, {}, {"", "", "x"}};
  const std::string bytes = EncodeSnapshot(snapshot);
  EXPECT_LT(bytes.size(), 40U);
  Snapshot read;
  ASSERT_TRUE(DecodeSnapshot(bytes, read));
  EXPECT_EQ(read.rows, snapshot.rows);
  EXPECT_EQ(read.Cell(2, 2), "x");
  EXPECT_EQ(read.Cell(249, 2), "");
  // A table claimed far beyond what the bytes hold is damage, not a table.
  snapshot.state.row_count = 200000;
  EXPECT_FALSE(DecodeSnapshot(EncodeSnapshot(snapshot), read));

  std::string rectangle;
  PutGridState(rectangle, {7, 3, 1, 2, 3});
  PutParameters(rectangle, snapshot.parameters);
  PutVarint(rectangle, 3);  // columns
  PutVarint(rectangle, 2);  // rows
  for (const char* cell : {"ID", "", "", "1", "", "z"}) PutText(rectangle, cell);
  ASSERT_TRUE(DecodeSnapshot(rectangle, read));
  EXPECT_EQ(read.rows, (std::vector<std::vector<std::string>>{{"ID"}, {"1", "", "z"}}));
  // A count of rows or cells beyond what the bytes could hold is refused before any room
  // is taken for it.
  std::string huge;
  PutGridState(huge, {7, 3, 1, 2, 3});
  PutParameters(huge, snapshot.parameters);
  PutVarint(huge, 0);
  PutVarint(huge, 1);
  PutVarint(huge, std::uint64_t{1} << 40);
  EXPECT_FALSE(DecodeSnapshot(huge, read));
}

// A load is told to the journal by the table it left, hidden cells included, and undone it
// gives back the table it replaced whole; an earlier journal's load, told cell by cell,
// still restores the same table.
TEST(HistoryTest, ALoadIsToldByItsWholeTableAndAnEarlierCellByCellLoadStillRestores) {
  struct Last final : HistoryListener {
    explicit Last(const StringGrid& grid) : grid(grid) {}
    void StepDone(StepEvent event) override {
      bytes = EncodeStepEvent(event, &grid);
      ASSERT_TRUE(DecodeStepEvent(bytes, read));
    }
    void StepUndone() override {}
    void StepRedone() override {}
    const StringGrid& grid;
    std::string bytes;
    StepEvent read;
  };
  World world(8);
  world.history.BeginStep(StepKind::kFeed, world.parameters);
  world.document.grid().SetCell(7, 30, "hidden");
  world.history.EndStep();
  const Snapshot base = world.history.TakeSnapshot();
  const FullState before = world.State();
  Last last(world.document.grid());
  world.history.set_listener(&last);
  std::mt19937 dice(3);
  while (world.history.StepCount() == 1) world.Load(dice);
  world.history.set_listener(nullptr);
  const FullState after = world.State();
  ASSERT_TRUE(last.read.whole_table);
  EXPECT_TRUE(last.read.cells.empty());
  EXPECT_TRUE(world.document.grid().SameCells([&] {
    StringGrid table(1, 1);
    for (std::size_t row = 0; row < last.read.table.size(); ++row) {
      for (std::size_t col = 0; col < last.read.table[row].size(); ++col) {
        table.SetCell(static_cast<int>(col), static_cast<int>(row), last.read.table[row][col]);
      }
    }
    StringGrid::Cells cells;
    table.SwapCells(cells);
    return cells;
  }()));
  ASSERT_TRUE(world.history.Undo());
  EXPECT_EQ(world.State(), before);
  EXPECT_EQ(world.document.grid().Cell(7, 30), "hidden");

  // The same load as earlier versions wrote it: every cell that differs, and no table.
  StepEvent earlier = last.read;
  earlier.whole_table = false;
  earlier.table.clear();
  for (int row = 0; row < 40; ++row) {
    for (int col = 0; col < 10; ++col) {
      const std::string& text = row < static_cast<int>(last.read.table.size()) &&
                                        col < static_cast<int>(last.read.table[row].size())
                                    ? last.read.table[row][col]
                                    : std::string();
      if (text != base.Cell(col, row)) earlier.cells.push_back({col, row, text});
    }
  }
  StepEvent read;
  ASSERT_TRUE(DecodeStepEvent(EncodeStepEvent(earlier), read));
  EXPECT_FALSE(read.whole_table);
  World restored(99);
  ASSERT_TRUE(restored.history.Restore(base, {{RunEntry::kStep, read, ""}}));
  EXPECT_EQ(restored.State(), after);
  ASSERT_TRUE(restored.history.Undo());
  EXPECT_EQ(restored.State(), before);
}

TEST(LineageTest, RecordsBirthsAndExitsAndForgetsUndoneBirths) {
  World world(5, 4);
  const Lineage& lineage = world.history.lineage();
  ASSERT_EQ(lineage.size(), 4U);
  world.document.grid().SelectRow(2);
  const std::uint32_t victim = lineage.SerialInRow(2);
  const Birth birth = world.Shoot(30);
  const std::uint32_t child = lineage.SerialInRow(2);
  ASSERT_EQ(child, 4U);
  const OrganismRecord record = lineage.Get(child);
  EXPECT_EQ(record.dna, birth.dna);
  EXPECT_EQ(record.id, "5");
  EXPECT_EQ(record.p1, birth.first_parent_id);
  EXPECT_EQ(lineage.Get(record.first_parent).id, birth.first_parent_id);
  EXPECT_EQ(record.born_step, 1U);
  EXPECT_EQ(lineage.Get(victim).exit, Exit::kShot);

  world.NewGenePool(3);
  EXPECT_EQ(lineage.Get(child).exit, Exit::kNewGenePool);
  EXPECT_EQ(lineage.Get(lineage.SerialInRow(1)).pool, 2U);
  EXPECT_TRUE(lineage.Get(lineage.SerialInRow(1)).IsRoot());

  world.history.Undo();
  world.history.Undo();
  EXPECT_EQ(lineage.size(), 4U);
  EXPECT_TRUE(lineage.Get(victim).IsAlive());
  EXPECT_EQ(lineage.SerialInRow(2), victim);
  world.history.Redo();
  EXPECT_EQ(lineage.Get(child).dna, birth.dna);
  EXPECT_EQ(lineage.Get(victim).exit, Exit::kShot);
}

TEST(LineageTest, DigitOriginsFollowTheDrawnCutAndMutations) {
  testing::FakeClock clock;
  testing::ScriptedRandom random;
  Document document(random);
  StringGrid& grid = document.grid();
  document.population().SetUpColumns();
  grid.SetRowCount(4);
  for (int row = 1; row < 4; ++row) {
    grid.SetCell(kIdColumn, row, std::to_string(row));
    grid.SetCell(kDnaColumn, row, std::string(13, static_cast<char>('0' + row)));
  }
  History history(document, clock, {});
  grid.SelectRow(3);
  // Parents rows 1 and 2, cut 5, one mutation at index 8 to digit 7, then stop.
  for (int value : {0, 1, 5, 3, 8, 7, 50}) random.Push(value);
  history.BeginStep(StepKind::kShoot, {});
  history.RecordBirth(GenerateOrganism(document.population(), 10));
  history.EndStep();
  const std::uint32_t child = history.lineage().SerialInRow(3);
  EXPECT_EQ(history.lineage().Get(child).dna, "1111222272222");
  using enum DigitOrigin;
  EXPECT_EQ(history.lineage().DigitOrigins(child),
            (std::vector<DigitOrigin>{kFirstParent, kFirstParent, kFirstParent, kFirstParent,
                                      kSecondParent, kSecondParent, kSecondParent, kSecondParent,
                                      kMutation, kSecondParent, kSecondParent, kSecondParent,
                                      kSecondParent}));
  EXPECT_EQ(history.lineage().DigitOrigins(0), std::vector<DigitOrigin>(13, kRoot));
}

TEST(LineageTest, AncestorsReachBackTheAskedGenerationsOnce) {
  World world(11, 2);
  for (int i = 0; i < 6; ++i) world.Shoot(0);
  const Lineage& lineage = world.history.lineage();
  const std::uint32_t newest = lineage.size() - 1;
  const auto all = lineage.Ancestors(newest, 100);
  std::vector<std::uint32_t> serials;
  for (const auto& ancestor : all) {
    serials.push_back(ancestor.serial);
    EXPECT_LT(ancestor.serial, newest);
  }
  std::sort(serials.begin(), serials.end());
  EXPECT_EQ(std::unique(serials.begin(), serials.end()), serials.end());
  // Two organisms, so every organism but the founders has both parents among the earlier ones.
  EXPECT_TRUE(std::find(serials.begin(), serials.end(), 0U) != serials.end() ||
              std::find(serials.begin(), serials.end(), 1U) != serials.end());
  for (const auto& ancestor : lineage.Ancestors(newest, 1)) EXPECT_EQ(ancestor.generation, 1);
}

}  // namespace
}  // namespace vantrel

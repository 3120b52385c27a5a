#include "population/string_grid.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {
namespace {

// Records what a grid reports to its observers.
class ObserverLog final : public GridObserver {
 public:
  explicit ObserverLog(GridInterest interest = {}) : GridObserver(interest) {}

  void GridCellChanged(int col, int row) override { cells.push_back({col, row}); }
  void GridReset() override { ++resets; }
  void GridSelectionChanged(int row) override { selections.push_back(row); }

  std::vector<std::pair<int, int>> cells;
  int resets = 0;
  std::vector<int> selections;
};

TEST(StringGridTest, CellsOutsideTheSizeKeepTheirTextAndShowAgain) {
  StringGrid grid(5, 10);
  grid.SetCell(0, 9, "nine");
  grid.SetCell(6, 2, "beyond the columns");
  EXPECT_EQ(grid.Cell(6, 2), "beyond the columns");
  grid.SetRowCount(3);
  EXPECT_EQ(grid.Cell(0, 9), "nine");
  grid.SetRowCount(12);
  EXPECT_EQ(grid.Cell(0, 9), "nine");
  EXPECT_EQ(grid.Cell(4, 11), "");
  EXPECT_EQ(grid.Cell(3, 9), "");  // a row that holds fewer cells
  EXPECT_EQ(grid.Cell(-1, 0), "");
  EXPECT_EQ(grid.Cell(0, -1), "");
  EXPECT_EQ(grid.Cell(1000, 1000), "");
}

TEST(StringGridTest, OnlyCellsUpToARowsLastTextAreStored) {
  StringGrid grid(1000, 1000000);
  ObserverLog log;
  grid.AddObserver(&log);
  grid.SetCell(999, 999999, "");  // reads as it did: nothing stored, still told
  EXPECT_EQ(grid.StoredRowCount(), 0);
  EXPECT_EQ(log.cells.size(), 1U);
  grid.SetCell(3, 2, "x");
  grid.AssignCell(1, 2, "y");
  EXPECT_EQ(grid.StoredWidth(2), 4);
  grid.SetCell(3, 2, "");  // the last text goes: the row ends at "y"
  EXPECT_EQ(grid.StoredWidth(2), 2);
  grid.AssignCell(1, 2, "");
  EXPECT_EQ(grid.StoredWidth(2), 0);
  EXPECT_EQ(grid.Cell(1, 2), "");
  EXPECT_LT(grid.MemoryBytes(), 1000U);
  grid.RemoveObserver(&log);
}

TEST(StringGridTest, SelectingTheSelectedRowNotifiesNothing) {
  StringGrid grid(5, 10);
  ObserverLog log;
  grid.AddObserver(&log);
  EXPECT_EQ(grid.SelectedRow(), 1);
  grid.SelectRow(1);
  EXPECT_TRUE(log.selections.empty());
  grid.SelectRow(4);
  grid.SelectRow(0);  // the title row cannot be selected
  EXPECT_EQ(log.selections, (std::vector<int>{4, 1}));
  grid.RemoveObserver(&log);
}

TEST(StringGridTest, ShrinkingBelowTheSelectionMovesItSilentlyToTheLastRow) {
  StringGrid grid(5, 50);
  grid.SelectRow(30);
  ObserverLog log;
  grid.AddObserver(&log);
  grid.SetRowCount(10);
  EXPECT_EQ(grid.SelectedRow(), 9);
  EXPECT_TRUE(log.selections.empty());
  EXPECT_EQ(log.resets, 1);
  grid.RemoveObserver(&log);
}

TEST(StringGridTest, ABatchSendsOneResetInsteadOfCellNotifications) {
  StringGrid grid(5, 3);
  ObserverLog log;
  grid.AddObserver(&log);
  grid.BeginUpdate();
  grid.SetRowCount(1000);
  for (int row = 0; row < 1000; ++row) grid.SetCell(1, row, "x");
  grid.EndUpdate();
  EXPECT_TRUE(log.cells.empty());
  EXPECT_EQ(log.resets, 1);
  grid.SetCell(1, 1, "y");
  EXPECT_EQ(log.cells, (std::vector<std::pair<int, int>>{{1, 1}}));
  grid.RemoveObserver(&log);
}

// AssignCell writes and notifies as SetCell does, in batches too, and takes its text from
// any cell: even one that growing the table moves (ASan sees a dangling read).
TEST(StringGridTest, AssignCellCopiesTextFromAnyCellAsSetCellWould) {
  StringGrid grid(5, 3);
  ObserverLog log;
  grid.AddObserver(&log);
  grid.SetCell(3, 1, "1234567890123");
  grid.AssignCell(3, 2, grid.Cell(3, 1));
  grid.AssignCell(3, 1, std::string_view(grid.Cell(3, 1)).substr(2));  // from itself
  grid.SetCell(0, 1, "7");
  grid.AssignCell(2, 40, grid.Cell(0, 1));  // a row and a cell that do not exist yet
  EXPECT_EQ(grid.Cell(3, 2), "1234567890123");
  EXPECT_EQ(grid.Cell(3, 1), "34567890123");
  EXPECT_EQ(grid.Cell(2, 40), "7");
  EXPECT_EQ(log.cells, (std::vector<std::pair<int, int>>{{3, 1}, {3, 2}, {3, 1}, {0, 1}, {2, 40}}));
  grid.BeginUpdate();
  grid.AssignCell(3, 2, "x");
  grid.EndUpdate();
  EXPECT_EQ(log.cells.size(), 5U);
  EXPECT_EQ(log.resets, 1);
  grid.AssignCell(-1, 1, "nowhere");
  EXPECT_EQ(log.cells.size(), 5U);
  grid.RemoveObserver(&log);
}

TEST(StringGridTest, AnObserverIsToldOnlyOfTheChangesItFollows) {
  StringGrid grid(5, 10);
  ObserverLog all;
  ObserverLog dna_only({.column = 3, .selection = false});
  grid.AddObserver(&all);
  grid.AddObserver(&dna_only);
  grid.SetCell(4, 2, "7");
  grid.SetCell(3, 2, "0123456789012");
  grid.AssignCell(3, 5, "0123456789012");
  grid.AssignCell(0, 5, "9");
  grid.SelectRow(4);
  grid.SetRowCount(12);
  const std::vector<std::pair<int, int>> every{{4, 2}, {3, 2}, {3, 5}, {0, 5}};
  EXPECT_EQ(all.cells, every);
  EXPECT_EQ(all.selections, std::vector<int>{4});
  const std::vector<std::pair<int, int>> dna{{3, 2}, {3, 5}};
  EXPECT_EQ(dna_only.cells, dna);
  EXPECT_TRUE(dna_only.selections.empty());
  EXPECT_EQ(dna_only.resets, 1);  // resets reach everyone
}

TEST(StringGridTest, AGridWithoutBodyRowsSelectsNothing) {
  StringGrid grid(5, 4);
  grid.SetRowCount(1);
  EXPECT_FALSE(grid.HasBodyRows());
  EXPECT_EQ(grid.SelectedRow(), 0);
  grid.SelectRow(3);
  EXPECT_EQ(grid.SelectedRow(), 0);
  grid.SetRowCount(3);
  EXPECT_EQ(grid.SelectedRow(), 1);
}

// Rows that grow, shrink and move between the blocks they share (a row wider than a block
// included, and gathered anew when most room lies unused) read as plain rows of text would,
// and the watcher is told each cell's text before each write.
TEST(StringGridTest, RowsReadAsWrittenWhateverTheyShareAndTheWatcherSeesEachOldText) {
  struct Watcher final : CellWriteWatcher {
    void CellWriting(int col, int row, const std::string& before) override {
      EXPECT_EQ(before, (*model)[row][col]);
      ++told;
    }
    std::vector<std::vector<std::string>>* model = nullptr;
    int told = 0;
  };
  std::vector<std::vector<std::string>> model(40, std::vector<std::string>(5000));
  Watcher watcher;
  watcher.model = &model;
  StringGrid grid(5, 40);
  grid.set_write_watcher(&watcher);
  std::mt19937 dice(7);
  for (int i = 0; i < 40000; ++i) {
    const int row = std::uniform_int_distribution(0, 39)(dice);
    const int col = i % 997 == 0 ? 4500 : std::uniform_int_distribution(0, 12)(dice);
    const std::string text = dice() % 3 == 0 ? "" : std::to_string(dice() % 1000);
    if (i % 2 == 0) {
      grid.SetCell(col, row, text);
    } else {
      grid.AssignCell(col, row, text);
    }
    model[row][col] = text;
  }
  EXPECT_EQ(watcher.told, 40000);
  auto expect_model = [&model](const StringGrid& grid) {
    for (int row = 0; row < 40; ++row) {
      int width = 0;
      for (int col = 0; col < 5000; ++col) {
        ASSERT_EQ(grid.Cell(col, row), model[row][col]) << col << ", " << row;
        if (!model[row][col].empty()) width = col + 1;
      }
      EXPECT_EQ(grid.StoredWidth(row), width);
    }
  };
  expect_model(grid);

  // A whole table changes hands, and one written afresh holds the same cells.
  StringGrid::Cells cells;
  grid.SwapCells(cells);
  EXPECT_EQ(grid.StoredRowCount(), 0);
  EXPECT_FALSE(grid.SameCells(cells));
  StringGrid other(5, 40);
  other.SwapCells(cells);
  expect_model(other);
  StringGrid afresh(5, 40);
  for (int row = 39; row >= 0; --row) {
    for (int col = 4999; col >= 0; --col) afresh.SetCell(col, row, model[row][col]);
  }
  afresh.SwapCells(cells);
  EXPECT_TRUE(other.SameCells(cells));
}

}  // namespace
}  // namespace vantrel

#include "storage/sheet_cells.h"

#include <gtest/gtest.h>

#include <string>

#include "population/string_grid.h"

namespace vantrel {
namespace {

TEST(CellNameTest, ColumnsCountInLettersWithoutAZero) {
  EXPECT_EQ(CellName(0, 0), "A1");
  EXPECT_EQ(CellName(2, 25), "Z3");
  EXPECT_EQ(CellName(5, 26), "AA6");
  EXPECT_EQ(CellName(0, 51), "AZ1");
  EXPECT_EQ(CellName(0, 52), "BA1");
  EXPECT_EQ(CellName(0, 701), "ZZ1");
  EXPECT_EQ(CellName(99999, 702), "AAA100000");
}

TEST(SheetCellTextsTest, EveryCellAsItsLatin1TextRowByRow) {
  StringGrid grid(3, 2);
  grid.SetCell(0, 0, "ID");
  grid.SetCell(2, 0, "Zo\xeb");
  grid.SetCell(1, 1, "\x7f\x80\xff");
  SheetTexts rows;
  ASSERT_EQ(SheetCellTexts(grid, &rows), std::nullopt);
  EXPECT_EQ(rows, (SheetTexts{{"ID", "", "Zo\xc3\xab"}, {"", "\x7f\xc2\x80\xc3\xbf", ""}}));
}

TEST(SheetCellTextsTest, ATooLongCellIsNamedAndNothingIsKept) {
  StringGrid grid(28, 3);
  grid.SetCell(27, 2, std::string(kXlsxMaxTextLength, 'x'));
  SheetTexts rows = {{"kept"}};
  ASSERT_EQ(SheetCellTexts(grid, &rows), std::nullopt);
  EXPECT_EQ(rows[2][27].size(), static_cast<std::size_t>(kXlsxMaxTextLength));

  grid.SetCell(27, 2, std::string(kXlsxMaxTextLength + 1, 'x'));
  rows = {{"kept"}};
  EXPECT_EQ(SheetCellTexts(grid, &rows),
            "Cell AB3 holds 32768 characters; a cell can hold at most 32767");
  EXPECT_EQ(rows, SheetTexts{{"kept"}});
}

TEST(SheetCellTextsTest, ASliceOfRowsIsTakenAndNamedByItsPlaceInTheSheet) {
  StringGrid grid(2, 5);
  for (int row = 0; row < 5; ++row) grid.SetCell(1, row, std::to_string(row));
  SheetTexts rows;
  ASSERT_EQ(SheetCellTexts(grid, 3, 10, &rows), std::nullopt);
  EXPECT_EQ(rows, (SheetTexts{{"", "3"}, {"", "4"}}));
  ASSERT_EQ(SheetCellTexts(grid, 5, 10, &rows), std::nullopt);
  EXPECT_TRUE(rows.empty());

  grid.SetCell(0, 4, std::string(kXlsxMaxTextLength + 1, 'x'));
  EXPECT_EQ(SheetCellTexts(grid, 1, 2, &rows), std::nullopt);
  EXPECT_EQ(SheetCellTexts(grid, 1, 4, &rows),
            "Cell A5 holds 32768 characters; a cell can hold at most 32767");
}

}  // namespace
}  // namespace vantrel

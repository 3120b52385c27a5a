#include "storage/sheet_cells.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

// The texts of a cell of `cells`, row by row.
std::vector<std::string> Texts(const std::vector<SheetCell>& cells) {
  std::vector<std::string> texts;
  for (const SheetCell& cell : cells) {
    EXPECT_EQ(cell.type, CellType::kText) << cell.text;
    texts.push_back(cell.text);
  }
  return texts;
}

TEST(OrganismsSheetTest, EveryCellIsTextReadAsLatin1AndKeptWhole) {
  StringGrid grid(3, 2);
  grid.SetCell(0, 0, "ID");
  grid.SetCell(2, 0, "Zo\xeb");
  grid.SetCell(1, 1, "\x7f\x80\xff");
  grid.SetCell(2, 1, "0\x01 1");
  Workbook book;
  ASSERT_EQ(OrganismsWorkbook(grid, &book), std::nullopt);
  ASSERT_EQ(book.sheets.size(), 1u);
  EXPECT_EQ(
      Texts(book.sheets[0].cells),
      (std::vector<std::string>{"ID", "", "Zo\xc3\xab", "", "\x7f\xc2\x80\xc3\xbf", "0_x0001_ 1"}));
  const SheetFormat& format = book.sheets[0].format;
  EXPECT_EQ(format.name, "Organisms");
  EXPECT_EQ(format.widths, (std::vector<double>{9, 9, 9}));
  EXPECT_FALSE(format.header_row);  // a title is empty
}

TEST(OrganismsSheetTest, ATooLongCellIsNamedAndNothingIsKept) {
  StringGrid grid(28, 3);
  grid.SetCell(27, 2, std::string(kXlsxMaxTextLength, 'x'));
  Workbook book;
  ASSERT_EQ(OrganismsWorkbook(grid, &book), std::nullopt);
  EXPECT_EQ(book.sheets[0].cells.back().text.size(), static_cast<std::size_t>(kXlsxMaxTextLength));
  EXPECT_EQ(book.sheets[0].format.widths.back(), 80);

  grid.SetCell(27, 2, std::string(kXlsxMaxTextLength + 1, 'x'));
  book = {};
  EXPECT_EQ(OrganismsWorkbook(grid, &book),
            "Cell AB3 holds 32768 characters; a cell can hold at most 32767");
  EXPECT_TRUE(book.sheets.empty());
}

TEST(OrganismsSheetTest, ASliceOfRowsIsTakenAndNamedByItsPlaceInTheSheet) {
  StringGrid grid(2, 5);
  grid.SetCell(0, 0, "ID");
  grid.SetCell(1, 0, "P1");
  for (int row = 1; row < 5; ++row) grid.SetCell(1, row, std::to_string(row));
  std::vector<SheetCell> cells = {{"kept"}};
  ASSERT_EQ(OrganismsSheetCells(grid, 3, 10, &cells), std::nullopt);
  EXPECT_EQ(Texts(cells), (std::vector<std::string>{"", "3", "", "4"}));
  ASSERT_EQ(OrganismsSheetCells(grid, 5, 10, &cells), std::nullopt);
  EXPECT_TRUE(cells.empty());
  // The format is the whole sheet's, whatever slice is taken.
  const SheetFormat format = OrganismsSheetFormat(grid);
  EXPECT_EQ(format.row_count, 5);
  EXPECT_EQ(format.column_names, (std::vector<std::string>{"ID", "P1"}));

  grid.SetCell(0, 4, std::string(kXlsxMaxTextLength + 1, 'x'));
  EXPECT_EQ(OrganismsSheetCells(grid, 1, 2, &cells), std::nullopt);
  EXPECT_EQ(OrganismsSheetCells(grid, 1, 4, &cells),
            "Cell A5 holds 32768 characters; a cell can hold at most 32767");
}

}  // namespace
}  // namespace vantrel

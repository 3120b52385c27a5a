#include "desktop/notebook/run_grid.h"

#include <gtest/gtest.h>

#include "lab/run_csv.h"

namespace vantrel {
namespace {

using Rows = std::vector<std::vector<std::string>>;

TEST(ParseCsvTest, ReadsQuotedCellsAndLineEnds) {
  EXPECT_EQ(ParseCsv("a,b\r\n1,\"x, \"\"y\"\"\"\r\n"), Rows({{"a", "b"}, {"1", "x, \"y\""}}));
  EXPECT_EQ(ParseCsv("a,\"two\r\nlines\",\nlast"), Rows({{"a", "two\r\nlines", ""}, {"last"}}));
  EXPECT_EQ(ParseCsv(",\n\n"), Rows({{"", ""}, {""}}));
  EXPECT_EQ(ParseCsv(""), Rows());
  // An unclosed quote keeps what it holds.
  EXPECT_EQ(ParseCsv("\"open,"), Rows({{"open,"}}));
}

TEST(Utf8ToLatin1Test, KeepsLatin1AndMarksTheRest) {
  EXPECT_EQ(Utf8ToLatin1("plain"), "plain");
  EXPECT_EQ(Utf8ToLatin1("gr\xC3\xBCn"), "gr\xFCn");
  EXPECT_EQ(Utf8ToLatin1("\xE2\x9C\x93 ok"), "? ok");  // ✓
  EXPECT_EQ(Utf8ToLatin1("\xF0\x9F\x8C\xB1"), "?");    // a four-byte character
  EXPECT_EQ(Utf8ToLatin1("cut \xC3"), "cut ?");        // cut short
  EXPECT_EQ(Utf8ToLatin1("\x80x"), "?x");              // a stray continuation
}

TEST(FillRunGridTest, PutsEveryCsvCellInItsOwnGridCell) {
  std::vector<vantrel::Run> runs(2);
  runs[0].number = 1;
  runs[0].goal = "looks like a red, \"quoted\" strawberry.";
  runs[0].stable_click = 7;
  runs[0].reached_by = ReachedBy::kUser;
  runs[1].number = 2;
  runs[1].mode = RunMode::kJudge;
  runs[1].goal = "color=green,shape=square";
  StringGrid grid(5, 40);  // larger than needed: it shrinks to the table
  FillRunGrid(runs, grid);
  ASSERT_EQ(grid.ColCount(), 13);
  ASSERT_EQ(grid.RowCount(), 3);
  EXPECT_EQ(grid.Cell(0, 0), "run");
  EXPECT_EQ(grid.Cell(6, 1), runs[0].goal);
  EXPECT_EQ(grid.Cell(11, 1), "7");
  EXPECT_EQ(grid.Cell(12, 1), "user");
  EXPECT_EQ(grid.Cell(1, 2), "judge");
  EXPECT_EQ(grid.Cell(6, 2), "color=green,shape=square");
  EXPECT_EQ(grid.Cell(11, 2), "");
}

}  // namespace
}  // namespace vantrel

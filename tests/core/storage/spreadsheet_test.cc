#include "storage/spreadsheet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "storage/sheet_cells.h"
#include "tests/support/spreadsheet_fakes.h"

namespace vantrel {
namespace {

using testing::RecordingCursor;
using testing::RecordingSpreadsheet;

// The hourglass is shown for the whole export and taken back also when it fails, whose
// text is passed on unchanged.
TEST(ExportToSpreadsheetTest, ShowsTheWorkbookUnderTheHourglassAndPassesTheFailureOn) {
  std::vector<std::string> log;
  RecordingSpreadsheet spreadsheet(log);
  RecordingCursor cursor(log);
  StringGrid grid(2, 2);
  grid.SetCell(0, 0, "ID");
  grid.SetCell(1, 1, "Zo\xeb");
  Workbook book;
  ASSERT_EQ(OrganismsWorkbook(grid, &book), std::nullopt);

  EXPECT_EQ(ExportToSpreadsheet(book, spreadsheet, cursor), std::nullopt);
  EXPECT_EQ(log, (std::vector<std::string>{"hourglass", "Show(\"Organisms\")", "default"}));
  EXPECT_EQ(spreadsheet.value, (std::vector<std::string>{"ID", "", "", "Zo\xc3\xab"}));

  log.clear();
  spreadsheet.Fail("No application is registered to open .xlsx files");
  book.sheets[0].format.name = "Runs";
  EXPECT_EQ(ExportToSpreadsheet(book, spreadsheet, cursor),
            "No application is registered to open .xlsx files");
  EXPECT_EQ(log, (std::vector<std::string>{"hourglass", "Show(\"Runs\")", "default"}));
}

TEST(Latin1ToUtf8Test, KeepsAsciiAndWidensEveryHighByteToItsCharacter) {
  EXPECT_EQ(Latin1ToUtf8(""), "");
  EXPECT_EQ(Latin1ToUtf8("0001234567890"), "0001234567890");
  EXPECT_EQ(Latin1ToUtf8("Zo\xeb"), "Zo\xc3\xab");
  EXPECT_EQ(Latin1ToUtf8(std::string("\x80\xa0\xff\x7f", 4)), "\xc2\x80\xc2\xa0\xc3\xbf\x7f");
}

}  // namespace
}  // namespace vantrel

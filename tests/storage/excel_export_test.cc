#include "storage/excel_export.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "tests/support/excel_fakes.h"

namespace vantrel {
namespace {

using testing::RecordingCursor;
using testing::RecordingExcel;

// The calls of an export of the table after start-up with format code 0.
const std::vector<std::string> kDefaultCalls = {
    "hourglass",
    "Connect",
    "Workbooks -> #1",
    "Add(#1, -4167, lcid 0) -> #2",
    "Worksheets(#2) -> #3",
    "Sheets.Item(#3, 1) -> #4",
    "Cells(#4) -> #5",
    "Cells.Item(#5, 10, 5) -> #6",
    "Range(#4, \"A1\", #6) -> #7",
    "Value(#7, array 10x5)",
    "Name(#4, \"Organisms\")",
    "Application.Range(\"A1\", \"e10\") -> #8",
    "AutoFormat(#8, 0, null, null, null, null, null, null)",
    "Visible(lcid 0, true)",
    "Disconnect",
    "default",
};

class ExcelExportTest : public ::testing::Test {
 protected:
  // Titles and nine organisms, DNA with leading zeros.
  ExcelExportTest() {
    const char* titles[] = {"ID", "P1", "P2", "DNA", "Survival"};
    for (int col = 0; col < 5; ++col) grid_.SetCell(col, 0, titles[col]);
    for (int row = 1; row < 10; ++row) {
      grid_.SetCell(0, row, std::to_string(row));
      grid_.SetCell(1, row, "0");
      grid_.SetCell(2, row, "0");
      grid_.SetCell(3, row, "00" + std::to_string(12345678900 + row));
      grid_.SetCell(4, row, std::to_string(row * 3));
    }
  }

  std::optional<std::string> Export(std::int32_t format_code = 0) {
    return ExportToSpreadsheet(grid_, excel_, cursor_, "Organisms", format_code);
  }
  // Every text the grid stores, also outside its size, with its counts and selection.
  std::vector<std::string> Snapshot() const {
    std::vector<std::string> texts{std::to_string(grid_.ColCount()),
                                   std::to_string(grid_.RowCount()),
                                   std::to_string(grid_.SelectedRow())};
    for (int row = 0; row < 12; ++row) {
      for (int col = 0; col < 8; ++col) texts.push_back(grid_.Cell(col, row));
    }
    return texts;
  }

  std::vector<std::string> log_;
  RecordingExcel excel_{log_};
  RecordingCursor cursor_{log_};
  StringGrid grid_{5, 10};
};

TEST_F(ExcelExportTest, CopiesTheDefaultTableAsTextsInOneAssignment) {
  EXPECT_EQ(Export(), std::nullopt);
  EXPECT_EQ(log_, kDefaultCalls);
  const std::vector<std::string>& texts = excel_.value;
  ASSERT_EQ(texts.size(), 50u);
  EXPECT_EQ(std::vector<std::string>(texts.begin(), texts.begin() + 5),
            (std::vector<std::string>{"ID", "P1", "P2", "DNA", "Survival"}));
  EXPECT_EQ(std::vector<std::string>(texts.begin() + 45, texts.end()),
            (std::vector<std::string>{"9", "0", "0", "0012345678909", "27"}));
  EXPECT_EQ(excel_.live_objects(), 0);
  EXPECT_FALSE(excel_.IsConnected());
}

TEST_F(ExcelExportTest, AddressesFollowTheTableSize) {
  // Three columns of row count 4, as a loaded file can give; the texts the grid keeps
  // outside its size stay out.
  grid_.SetColCount(3);
  grid_.SetRowCount(4);
  EXPECT_EQ(Export(), std::nullopt);
  EXPECT_EQ(log_[7], "Cells.Item(#5, 4, 3) -> #6");
  EXPECT_EQ(log_[11], "Application.Range(\"A1\", \"c4\") -> #8");
  EXPECT_EQ(excel_.value, (std::vector<std::string>{"ID", "P1", "P2", "1", "0", "0", "2", "0", "0",
                                                    "3", "0", "0"}));

  // Past 26 columns the character after z goes into the address unchanged.
  log_.clear();
  grid_.SetColCount(27);
  grid_.SetRowCount(10);
  EXPECT_EQ(Export(), std::nullopt);
  EXPECT_EQ(log_[11], "Application.Range(\"A1\", \"{10\") -> #16");
  EXPECT_EQ(FormatAddress(32, 7), "\u00807");
}

TEST_F(ExcelExportTest, NegativeFormatCodeLeavesTheBlockUnformatted) {
  EXPECT_EQ(Export(-1), std::nullopt);
  std::vector<std::string> expected = kDefaultCalls;
  expected.erase(expected.begin() + 11, expected.begin() + 13);
  EXPECT_EQ(log_, expected);
}

TEST_F(ExcelExportTest, TakesTheTextsBeforeTheFirstCallAndMakesAsManyCallsForAnySize) {
  excel_.on_connect = [this] { grid_.SetCell(3, 0, "changed"); };
  EXPECT_EQ(Export(), std::nullopt);
  EXPECT_EQ(excel_.value.at(3), "DNA");

  const std::size_t calls = log_.size();
  log_.clear();
  grid_.SetRowCount(1000);
  Export();
  EXPECT_EQ(log_.size(), calls);
}

// A failure at each step from connecting to the format ends the export there; what was
// done is shown, the connection dropped, the cursor restored, and that step's text given.
class ExcelExportFailureTest : public ExcelExportTest, public ::testing::WithParamInterface<int> {};

TEST_P(ExcelExportFailureTest, EndsTheExportThereAndCleansUp) {
  const int step = GetParam();  // index into kDefaultCalls
  const std::string& call = kDefaultCalls[step];
  excel_.Fail(call.substr(0, call.find_first_of("( ")), "Step failed. \r\n");
  const std::vector<std::string> before = Snapshot();

  EXPECT_EQ(Export(), "Step failed");

  std::vector<std::string> expected(kDefaultCalls.begin(), kDefaultCalls.begin() + step + 1);
  expected.back() = call.substr(0, call.find(" ->")) + " failed";
  if (step == 1) expected.push_back("Connect");  // the one retry before making visible
  expected.insert(expected.end(), {"Visible(lcid 0, true)", "Disconnect", "default"});
  EXPECT_EQ(log_, expected);
  EXPECT_EQ(excel_.live_objects(), 0);
  EXPECT_FALSE(excel_.IsConnected());
  EXPECT_EQ(Snapshot(), before);
}

INSTANTIATE_TEST_SUITE_P(EveryStep, ExcelExportFailureTest, ::testing::Range(1, 13));

TEST_F(ExcelExportTest, AFailedCleanUpIsTheErrorReported) {
  // Not available at all: the retry fails too, and its text is the one given.
  excel_.Fail("Connect", "Not installed");
  excel_.Fail("Connect", "Still not installed");
  EXPECT_EQ(Export(), "Still not installed");
  EXPECT_EQ(log_, (std::vector<std::string>{"hourglass", "Connect failed", "Connect failed",
                                            "Disconnect", "default"}));

  log_.clear();
  excel_.Fail("AutoFormat", "Bad format");
  excel_.Fail("Visible", "Cannot show");
  EXPECT_EQ(Export(), "Cannot show");
  EXPECT_EQ(std::vector<std::string>(log_.end() - 3, log_.end()),
            (std::vector<std::string>{"Visible(lcid 0, true) failed", "Disconnect", "default"}));
  EXPECT_EQ(excel_.live_objects(), 0);
}

TEST(ExcelErrorTextTest, TrimsTheDescriptionOrFallsBackToTheStatusCode) {
  EXPECT_EQ(ExcelErrorText({"Interface not supported", 0x80004002u}), "Interface not supported");
  EXPECT_EQ(ExcelErrorText({"Range failed.\r\n\t ..", 1}), "Range failed");
  EXPECT_EQ(ExcelErrorText({"Pi is 3.14 ", 1}), "Pi is 3.14");
  EXPECT_EQ(ExcelErrorText({"", 0x800a03ecu}), "OLE error 800A03EC");
  EXPECT_EQ(ExcelErrorText({" .\n", 0x1u}), "OLE error 00000001");
}

}  // namespace
}  // namespace vantrel

#include "lab/run_csv.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantrel {
namespace {

TEST(RunCsvTest, KnownRunsGiveTheseBytes) {
  vantrel::Run hand;
  hand.number = 1;
  hand.started_utc = 1796765792;
  hand.start = {10, 20, 1};
  hand.goal = "is a tiny triangle without spokes with fat lines.";
  hand.feeds = 4;
  hand.shots = 6;
  hand.first_match_click = 0;
  hand.stable_click = 10;
  hand.reached_by = ReachedBy::kProgram;
  vantrel::Run judged;
  judged.number = 2;
  judged.mode = RunMode::kJudge;
  judged.start = {50, 5, -2};
  judged.goal = "will be called \"cube, on\nits side\".";
  judged.shots = 3;
  judged.reached_by = ReachedBy::kUser;
  judged.stable_click = 3;
  const vantrel::Run runs[] = {hand, judged};
  EXPECT_EQ(RunsCsv(runs),
            "run,mode,started_utc,population,creativity,bonus,goal,feeds,shots,clicks,"
            "first_match_click,stable_click,reached_by,pupil,lesson\r\n"
            "1,hand,2026-12-08T21:36:32Z,10,20,1,is a tiny triangle without spokes with fat "
            "lines.,4,6,10,0,10,program,,\r\n"
            "2,judge,,50,5,-2,\"will be called \"\"cube, on\nits side\"\".\",0,3,3,,3,user,,\r\n");
}

// A run table kept with the journal reads back as the same table, quotes and line breaks in
// a goal and events that did not happen included.
TEST(RunCsvTest, ATableReadsBackAsTheSameTable) {
  vantrel::Run hand;
  hand.number = 1;
  hand.started_utc = 951782400;  // 2000-02-29, a leap day
  hand.start = {10, 20, 1};
  hand.goal = "will be called \"cube, on\nits side\".";
  hand.feeds = 4;
  hand.shots = 6;
  hand.first_match_click = 0;
  hand.reached_by = ReachedBy::kUser;
  vantrel::Run judged;
  judged.number = 2;
  judged.mode = RunMode::kJudge;
  judged.start = {50, 5, -2};
  judged.stable_click = 3;
  judged.reached_by = ReachedBy::kProgram;
  judged.pupil = "Anna, \"A.\"";
  judged.lesson = "0a1b2c3d";
  const vantrel::Run runs[] = {hand, judged};
  const std::string csv = RunsCsv(runs);
  const std::vector<vantrel::Run> read = ParseRunsCsv(csv);
  ASSERT_EQ(read.size(), 2u);
  EXPECT_EQ(read[0].started_utc, hand.started_utc);
  EXPECT_EQ(read[1].started_utc, std::nullopt);
  EXPECT_EQ(read[1].pupil, judged.pupil);
  EXPECT_EQ(RunsCsv(read), csv);

  // A table from before the owner's columns reads with no pupil and no lesson.
  const std::vector<vantrel::Run> old = ParseRunsCsv(
      "run,mode,started_utc,population,creativity,bonus,goal,feeds,shots,clicks,"
      "first_match_click,stable_click,reached_by\r\n1,hand,,10,10,1,,2,3,5,,,\r\n");
  ASSERT_EQ(old.size(), 1u);
  EXPECT_EQ(old[0].shots, 3);
  EXPECT_EQ(old[0].pupil, "");
  EXPECT_EQ(old[0].lesson, "");
}

TEST(RunCsvTest, ExportedFileNamesCarryThePupilsNameSafeForFileSystems) {
  const struct {
    std::string pupil;
    std::string file;
  } cases[] = {
      {"", "runs.csv"},
      {"Anna", "runs-Anna.csv"},
      {"Jan de Vries", "runs-Jan de Vries.csv"},
      {"Zoë", "runs-Zoë.csv"},
      {"a/b\\c:d*e?f\"g<h>i|j", "runs-a_b_c_d_e_f_g_h_i_j.csv"},
      {"tab\there\n", "runs-tab_here_.csv"},
      {"  ..Anna.. ", "runs-Anna.csv"},
      {"...", "runs.csv"},
      {"..", "runs.csv"},
      {std::string(70, 'x'), "runs-" + std::string(64, 'x') + ".csv"},
      // Cut at 64 bytes, never inside a character: 'é' is two bytes.
      {std::string(63, 'x') + "é", "runs-" + std::string(63, 'x') + ".csv"},
  };
  for (const auto& c : cases) EXPECT_EQ(RunsFileName(c.pupil), c.file) << c.pupil;
  EXPECT_EQ(ExportRunsQuestion("Anna").suggested_name, "runs-Anna.csv");
}

// The sheet of "To spreadsheet" holds the CSV's cells, each in its own cell, the counts
// as numbers and every character of a goal.
TEST(RunsSheetTest, HoldsEveryCsvCellWithTheCountsAsNumbers) {
  std::vector<vantrel::Run> runs(2);
  runs[0].number = 1;
  runs[0].goal = "looks like a red, \"quoted\" strawberry \xe2\x9c\x93";
  runs[0].start = {10, 20, -3};
  runs[0].stable_click = 7;
  runs[0].reached_by = ReachedBy::kUser;
  runs[1].number = 2;
  runs[1].mode = RunMode::kJudge;
  runs[1].goal = "color=green,shape=square";
  const Sheet sheet = RunsSheet(runs);
  ASSERT_EQ(sheet.format.col_count, 15);
  ASSERT_EQ(sheet.format.row_count, 3);
  EXPECT_EQ(sheet.format.name, "Runs");
  EXPECT_TRUE(sheet.format.header_row);
  EXPECT_EQ(sheet.format.column_names.front(), "run");
  EXPECT_EQ(sheet.format.column_names.back(), "lesson");
  const auto cell = [&sheet](int row, int col) { return sheet.cells[row * 15 + col]; };
  const std::vector<std::vector<std::string>> csv = ParseCsv(RunsCsv(runs));
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col < 15; ++col) EXPECT_EQ(cell(row, col).text, csv[row][col]);
  }
  const CellType kNumber = CellType::kNumber;
  EXPECT_EQ(cell(0, 0).type, CellType::kText);
  EXPECT_EQ(cell(1, 0).type, kNumber);
  EXPECT_EQ(cell(1, 5), (SheetCell{"-3", kNumber}));  // bonus
  EXPECT_EQ(cell(1, 11), (SheetCell{"7", kNumber}));  // stable_click
  EXPECT_EQ(cell(2, 11).text, "");                    // never stable
  EXPECT_EQ(cell(1, 6).type, CellType::kText);
  EXPECT_EQ(cell(1, 12), (SheetCell{"user"}));
}

TEST(RunCsvTest, UtcTimesAcrossEpochAndLeapDay) {
  EXPECT_EQ(FormatUtc(0), "1970-01-01T00:00:00Z");
  EXPECT_EQ(FormatUtc(-1), "1969-12-31T23:59:59Z");
  EXPECT_EQ(FormatUtc(1709208000), "2024-02-29T12:00:00Z");
  EXPECT_EQ(FormatUtc(1709251199 + 1), "2024-03-01T00:00:00Z");
}

}  // namespace
}  // namespace vantrel

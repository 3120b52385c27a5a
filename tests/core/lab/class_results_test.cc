#include "lab/class_results.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lab/batch.h"
#include "lab/condition_comparison.h"
#include "lab/lab_options.h"
#include "lab/run_csv.h"

namespace vantrel {
namespace {

// A sweep of two goals at two populations, played whole.
struct Sweep {
  BatchPlan plan;
  std::vector<BatchRun> runs;
};

Sweep PlaySweep() {
  const ParsedLabOptions parsed = ParseLabOptions(std::vector<std::string_view>{
      "--goal", "shape=square", "--goal", "color=green", "--population", "6,20", "--runs", "7",
      "--seed", "11", "--max-clicks", "2000"});
  Sweep sweep{PlanOf(parsed.options), {}};
  for (int n = 1; n <= sweep.plan.TotalRuns(); ++n) {
    sweep.runs.push_back(*PlayBatchRun(sweep.plan, n, nullptr));
  }
  return sweep;
}

std::string CsvOf(const Sweep& sweep, const std::vector<int>& numbers) {
  std::string csv = BatchCsvHeader();
  for (const int n : numbers) csv += BatchCsvLine(sweep.runs[static_cast<std::size_t>(n - 1)]);
  return csv;
}

TEST(ClassResultsTest, ASweepsShardsSummarizedTogetherPrintWhatTheWholeSweepPrints) {
  const Sweep sweep = PlaySweep();
  const std::string whole = SummaryReport(sweep.plan, sweep.runs);
  ASSERT_NE(whole.find("Condition 2 against 1: "), std::string::npos) << whole;
  ASSERT_NE(whole.find("Condition 4 against 3: "), std::string::npos) << whole;
  for (const int shards : {1, 2, 3, 5}) {
    std::vector<RunsFile> files;
    // The last shard first: the order of the files does not matter.
    for (int k = shards; k >= 1; --k) {
      files.push_back({"shard" + std::to_string(k) + ".csv",
                       CsvOf(sweep, ShardRuns(sweep.plan.TotalRuns(), k, shards))});
    }
    const ClassResults results = PoolRunsFiles(files);
    EXPECT_TRUE(results.skipped.empty());
    EXPECT_EQ(ClassSummary(results), whole) << shards << " shards";
    // The pooled CSV reads back as the same runs and the same summary.
    const std::vector<RunsFile> pooled = {{"pooled.csv", PooledRunsCsv(results)}};
    EXPECT_EQ(ClassSummary(PoolRunsFiles(pooled)), whole);
  }
}

// Bad input is named and skipped, and the pooling goes on with the rest.
TEST(ClassResultsTest, WhatIsNoRunOrARunAgainIsNamedAndSkipped) {
  const std::string header = std::string(kRunCsvHeader) + "\r\n";
  const std::string good =
      "1,hand,2026-12-08T21:36:32Z,10,10,1,shape=square,2,3,5,1,4,program,Anna,\r\n";
  const struct {
    std::vector<RunsFile> files;
    int runs;
    std::vector<std::string> skipped;
  } cases[] = {
      {{{"a.csv", header + good}}, 1, {}},
      // A notebook's export from before the owner's columns.
      {{{"old.csv",
         "run,mode,started_utc,population,creativity,bonus,goal,feeds,shots,clicks,"
         "first_match_click,stable_click,reached_by\r\n1,hand,,10,10,1,,0,1,1,,,\r\n"}},
       1,
       {}},
      {{{"a.csv", header + good},
        {"table.txt", "ID\tP1\tP2\tDNA\tSurvival\n1\t0\t0\t1234567890123\t0\n"}},
       1,
       {"table.txt: not a runs file, skipped."}},
      {{{"empty.csv", ""}, {"header-only.csv", header}},
       0,
       {"empty.csv: not a runs file, skipped."}},
      {{{"a.csv", header + good}, {"b.csv", header + good}},
       1,
       {"b.csv, line 2: run 1 was read before, skipped."}},
      // Another pupil's run 1 of the same start is another run.
      {{{"a.csv", header + good},
        {"b.csv",
         header + "1,hand,2026-12-08T21:36:32Z,10,10,1,shape=square,2,3,5,1,4,program,Ben,\r\n"}},
       2,
       {}},
      {{{"a.csv", header + "1,hand,,10,10,1,,2,3,6,,,\r\n" + good}},
       1,
       {"a.csv, line 2: damaged, skipped."}},
      {{{"a.csv", header + "x,hand,,10,10,1,,2,3,5,,,,,\r\n" + "2,walk,,10,10,1,,2,3,5,,,,,\r\n" +
                      "3,hand,yesterday,10,10,1,,2,3,5,,,,,\r\n" +
                      "4,hand,,1,10,1,,2,3,5,,,,,\r\n" + "5,hand,,10,10,1,,-2,3,1,,,,,\r\n" +
                      "6,hand,,10,10,1,,2,3,5,soon,,,,\r\n" +
                      "7,hand,,10,10,1,,2,3,5,,,always,,\r\n" + "8,hand,,10,10,1,,2,3,5,,,\r\n" +
                      "9,hand,,10,10,1,,2,3,5,,,,,,\r\n" + "\r\n10,hand,,10,10,1,,2,3,5,,,,,\r\n"}},
       1,
       {"a.csv, line 2: damaged, skipped.", "a.csv, line 3: damaged, skipped.",
        "a.csv, line 4: damaged, skipped.", "a.csv, line 5: damaged, skipped.",
        "a.csv, line 6: damaged, skipped.", "a.csv, line 7: damaged, skipped.",
        "a.csv, line 8: damaged, skipped.", "a.csv, line 9: damaged, skipped.",
        "a.csv, line 10: damaged, skipped."}},
      {{{"lab.csv", BatchCsvHeader() +
                        "1,judge,,10,10,1,shape=square,0,9,9,,9,program,0,5,1,,\r\n" +
                        "2,judge,,10,10,1,shape=square,0,9,9,,9,program,1,5,2,,\r\n"}},
       0,
       {"lab.csv, line 2: damaged, skipped.", "lab.csv, line 3: damaged, skipped."}},
      {{{"huge.csv", header + std::string(kMaxRunsFileBytes, 'x')}},
       0,
       {"huge.csv: larger than 32 MB, skipped."}},
      {{{"a.csv",
         "run,mode,started_utc,population,creativity,bonus,goal,feeds,shots,clicks,"
         "first_match_click,stable_click,reached_by,secret\r\n"}},
       0,
       {"a.csv: not a runs file, skipped."}},
  };
  for (const auto& c : cases) {
    const ClassResults results = PoolRunsFiles(c.files);
    int runs = 0;
    for (const ClassGroup& group : results.groups) runs += static_cast<int>(group.runs.size());
    EXPECT_EQ(runs, c.runs) << c.files.front().name;
    EXPECT_EQ(results.skipped, c.skipped) << c.files.front().name;
  }
}

std::string HandRun(int number, const std::string& pupil, const std::string& lesson, int population,
                    int stable) {
  return std::to_string(number) + ",hand,2026-12-10T09:00:0" + std::to_string(number % 10) + "Z," +
         std::to_string(population) + ",10,1,shape=square,0," + std::to_string(stable) + "," +
         std::to_string(stable) + ",," + std::to_string(stable) + ",program," + pupil + "," +
         lesson + "\r\n";
}

TEST(ClassResultsTest, RunsPoolPerConditionAndPupilWithOtherLessonsApart) {
  const std::string header = std::string(kRunCsvHeader) + "\r\n";
  std::string anna = header;
  std::string ben = header;
  for (int i = 1; i <= 6; ++i) {
    anna += HandRun(i, "Anna", "0badcafe", 10, 20 + i);
    ben += HandRun(i, "Ben", "0badcafe", i % 2 == 0 ? 10 : 30, 40 + i);
  }
  const std::string other = header + HandRun(1, "Cas", "12345678", 10, 5);
  const std::vector<RunsFile> files = {
      {"runs-Anna.csv", anna}, {"runs-Cas.csv", other}, {"runs-Ben.csv", ben}};
  const ClassResults results = PoolRunsFiles(files);
  ASSERT_EQ(results.groups.size(), 2u);
  const ClassGroup& lesson = results.groups[0];
  EXPECT_EQ(lesson.lesson, "0badcafe");
  EXPECT_EQ(lesson.pupils, (std::vector<std::string>{"Anna", "Ben"}));
  ASSERT_EQ(lesson.plan.conditions.size(), 2u);  // population 10, then 30
  EXPECT_EQ(lesson.plan.conditions[1].parameters.start_organisms, 30);
  EXPECT_EQ(GroupResults(lesson)[0].runs, 9);
  EXPECT_EQ(GroupResults(lesson, std::string("Ben"))[0].runs, 3);
  EXPECT_EQ(GroupResults(lesson, std::string("Anna"))[1].runs, 0);
  EXPECT_EQ(results.groups[1].lesson, "12345678");

  const std::string text = ClassSummary(results);
  const std::size_t anna_at = text.find("\nPupil Anna:\n");
  const std::size_t ben_at = text.find("\nPupil Ben:\n");
  const std::size_t apart = text.find("\nRuns of another lesson (12345678), kept apart:\n");
  EXPECT_NE(anna_at, std::string::npos) << text;
  EXPECT_LT(anna_at, ben_at);
  EXPECT_LT(ben_at, apart);
  EXPECT_EQ(text.substr(0, anna_at), SummaryReport(lesson.plan, GroupResults(lesson)));
  EXPECT_EQ(ClassSummary(PoolRunsFiles(std::vector<RunsFile>{})), "No runs to summarize.\n");

  // The workbook holds the pooled CSV's cells, counts as numbers.
  const Workbook workbook = PooledRunsWorkbook(results);
  ASSERT_EQ(workbook.sheets.size(), 1u);
  const Sheet& sheet = workbook.sheets[0];
  EXPECT_EQ(sheet.format.row_count, 14);
  EXPECT_EQ(sheet.format.column_names.back(), "lesson");
  const std::vector<std::vector<std::string>> csv = ParseCsv(PooledRunsCsv(results));
  const auto cols = static_cast<std::size_t>(sheet.format.col_count);
  EXPECT_EQ(sheet.cells[1 * cols + 16].text, csv[1][16]);
  EXPECT_EQ(sheet.cells[1 * cols + 9].type, CellType::kNumber);
}

}  // namespace
}  // namespace vantrel

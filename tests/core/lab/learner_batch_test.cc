#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "lab/batch.h"
#include "lab/condition_comparison.h"
#include "lab/lab_options.h"
#include "tests/core/lab/parse_args.h"

namespace vantrel {
namespace {

using testing::ParseArgs;

std::vector<std::string> Cells(std::string line) {
  if (line.size() >= 2 && line.substr(line.size() - 2) == "\r\n") line.resize(line.size() - 2);
  std::vector<std::string> cells;
  std::size_t start = 0;
  for (std::size_t comma; (comma = line.find(',', start)) != std::string::npos; start = comma + 1) {
    cells.push_back(line.substr(start, comma - start));
  }
  cells.push_back(line.substr(start));
  return cells;
}

TEST(LearnerBatchTest, EachLearnerIsAConditionAndTheCsvEndsWithItsColumns) {
  const ParsedLabOptions parsed =
      ParseArgs({"--goal", "color=green", "--strictness", "1,0.9", "--learner", "0,10,30", "--runs",
                 "4", "--max-clicks", "3000", "--seed", "3"});
  ASSERT_EQ(parsed.error, "");
  const BatchPlan plan = PlanOf(parsed.options);
  ASSERT_TRUE(plan.learner);
  ASSERT_EQ(plan.conditions.size(), 6u);
  const std::vector<std::string> header = Cells(BatchCsvHeader(true));
  ASSERT_GE(header.size(), 4u);
  EXPECT_EQ(header[header.size() - 4], "pupil");
  EXPECT_EQ(header[header.size() - 3], "lesson");
  EXPECT_EQ(header[header.size() - 2], "learner");
  EXPECT_EQ(header.back(), "judge_clicks");
  EXPECT_EQ(Cells(BatchCsvHeader()).size(), header.size() - 2);

  struct Case {
    int condition;  // from 1
    double strictness;
    int learner;
  };
  const Case cases[] = {{1, 1, 0}, {2, 1, 10}, {3, 1, 30}, {4, 0.9, 0}, {5, 0.9, 10}, {6, 0.9, 30}};
  std::vector<BatchRun> runs;
  for (const Case& c : cases) {
    EXPECT_EQ(plan.conditions[c.condition - 1].learner, c.learner);
    EXPECT_EQ(plan.conditions[c.condition - 1].strictness, c.strictness);
    for (int i = 1; i <= plan.runs_per_condition; ++i) {
      const int number = (c.condition - 1) * plan.runs_per_condition + i;
      const std::optional<BatchRun> run = PlayBatchRun(plan, number, nullptr);
      ASSERT_TRUE(run);
      EXPECT_EQ(BatchCsvLine(*PlayBatchRun(plan, number, nullptr)), BatchCsvLine(*run));
      const std::vector<std::string> cells = Cells(BatchCsvLine(*run));
      ASSERT_EQ(cells.size(), header.size());
      EXPECT_EQ(cells[cells.size() - 2], std::to_string(c.learner));
      // The judge clicks throughout without a learner, else until it hands over.
      const int clicks = run->run.clicks();
      const int judged = c.learner == 0 ? clicks : std::min(c.learner, clicks);
      EXPECT_EQ(cells.back(), std::to_string(judged)) << number;
      runs.push_back(*run);
    }
  }
  const std::string report = SummaryReport(plan, runs);
  EXPECT_NE(report.find("By the judge's clicks to stable"), std::string::npos) << report;
  EXPECT_NE(report.find("Condition 3 (learner after 30 clicks): the learner brought "),
            std::string::npos)
      << report;
  EXPECT_EQ(report.find("Condition 4 (learner"), std::string::npos) << report;
}

// Without --learner, nothing changes: same conditions, same lines, no learner columns.
TEST(LearnerBatchTest, WithoutTheOptionTheSweepIsAsBefore) {
  const ParsedLabOptions parsed =
      ParseArgs({"--goal", "shape=square", "--runs", "2", "--max-clicks", "2000"});
  ASSERT_EQ(parsed.error, "");
  const BatchPlan plan = PlanOf(parsed.options);
  EXPECT_FALSE(plan.learner);
  ASSERT_EQ(plan.conditions.size(), 1u);
  EXPECT_EQ(plan.conditions[0].learner, 0);
  const std::optional<BatchRun> run = PlayBatchRun(plan, 1, nullptr);
  ASSERT_TRUE(run);
  EXPECT_EQ(Cells(BatchCsvLine(*run)).size(), Cells(BatchCsvHeader()).size());
  EXPECT_EQ(SummaryReport(plan, std::vector<BatchRun>{*run}).find("judge's clicks"),
            std::string::npos);
}

}  // namespace
}  // namespace vantrel

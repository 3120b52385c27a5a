#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lab/batch.h"
#include "lab/condition_comparison.h"
#include "lab/goal_list.h"
#include "lab/run_csv.h"
#include "tests/support/spoken_language.h"

namespace vantrel {
namespace {

using LabLanguageTest = testing::SpokenLanguageTest;

// Shown decimals take the language's comma; the goal stays in the words of the command
// line, which never change with the language.
TEST_F(LabLanguageTest, SummaryLinesInGermanWriteDecimalCommasAndKeepTheGoal) {
  VANTREL_SPEAK(Language::kGerman);
  BatchPlan plan;
  plan.conditions = {{ParseGoalList("shape=square").goal, {10, 5, 2}, 0.9},
                     {ParseGoalList("color=red").goal, {30, 0, 1}, 1}};
  std::vector<ConditionResults> results(2);
  results[0] = {4, 3, {1, 2, 3, 4}, {10, 20, 30}};
  results[1] = {1, 0, {}, {}};
  const std::vector<std::string> lines = SummaryLines(plan, results);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0],
            "Bedingung 1: Population 10 · Kreativität 5 % · Bonus 2 · Strenge 0,9 · 4 Durchgänge, "
            "3 erreicht · erster Treffer 1,8 / 2,5 / 3,2 · stabil 15,0 / 20,0 / 25,0 (Q1 / Median "
            "/ Q3 Klicks) · Ziel shape=square");
  EXPECT_NE(lines[1].find("· 1 Durchgang, 0 erreicht ·"), std::string::npos) << lines[1];
  EXPECT_TRUE(lines[1].ends_with("Ziel color=red")) << lines[1];
  // The run table's summary for vantrel-lab's output keeps the points of the CSV.
  EXPECT_NE(SummaryTable(plan, results).find("1.8 / 2.5 / 3.2"), std::string::npos);
}

ConditionResults StableAfter(std::vector<int> clicks) {
  ConditionResults result;
  result.runs = static_cast<int>(clicks.size());
  result.reached = result.runs;
  result.stable_clicks = std::move(clicks);
  return result;
}

TEST_F(LabLanguageTest, ComparisonsInDutchKeepSignsAndDecimalCommas) {
  VANTREL_SPEAK(Language::kDutch);
  BatchPlan plan;
  for (int i = 0; i < 3; ++i) {
    plan.conditions.push_back({ParseGoalList("shape=square").goal, {10 + i, 10, 1}, 1});
  }
  std::vector<int> first;
  std::vector<int> fewer;
  for (int i = 0; i < 30; ++i) {
    first.push_back(100 + (i * 37) % 101);
    fewer.push_back(10 + (i * 37) % 101);
  }
  const std::vector<std::string> lines =
      ComparisonLines(plan, {StableAfter(first), StableAfter(fewer), StableAfter({1, 2})});
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].rfind("Vergeleken met conditie 1", 0), 0u) << lines[0];
  EXPECT_EQ(lines[1].rfind("Conditie 2 tegen 1: mediaan 58,5 tegen 148,5 klikken", 0), 0u)
      << lines[1];
  EXPECT_NE(lines[1].find("verschil -90,0 (95%-interval -"), std::string::npos) << lines[1];
  EXPECT_NE(lines[1].find("p < 0,001"), std::string::npos) << lines[1];
  EXPECT_TRUE(lines[1].ends_with("Conditie 2 heeft minder klikken nodig.")) << lines[1];
  EXPECT_NE(lines[2].find("2 van 2 en 30 van 30 rondes werden stabiel"), std::string::npos)
      << lines[2];
}

TEST_F(LabLanguageTest, TheExportQuestionKeepsItsPattern) {
  VANTREL_SPEAK(Language::kGerman);
  const FileQuestion question = ExportRunsQuestion();
  EXPECT_EQ(question.title, "Durchgänge exportieren");
  EXPECT_EQ(question.filters, std::vector<std::string>{"CSV-Dateien (*.csv)"});
  EXPECT_EQ(question.suggested_name, "runs.csv");
}

}  // namespace
}  // namespace vantrel

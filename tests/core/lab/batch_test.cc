#include "lab/batch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "lab/goal_list.h"
#include "lab/lab_options.h"
#include "tests/core/lab/parse_args.h"

namespace vantrel {
namespace {

using testing::ParseArgs;

TEST(BatchTest, ARunDependsOnItsNumberAlone) {
  const ParsedLabOptions parsed =
      ParseArgs({"--population", "5", "--goal", "shape=square", "--strictness", "1,0.75", "--runs",
                 "3", "--seed", "7", "--max-clicks", "5000"});
  ASSERT_EQ(parsed.error, "");
  const BatchPlan plan = PlanOf(parsed.options);
  const std::optional<BatchRun> fifth = PlayBatchRun(plan, 5, nullptr);
  ASSERT_TRUE(fifth.has_value());
  EXPECT_EQ(fifth->run.number, 5);
  EXPECT_EQ(fifth->condition, 2);
  EXPECT_EQ(fifth->strictness, 0.75);
  EXPECT_EQ(fifth->seed, RunSeed(7, 5));
  EXPECT_EQ(BatchCsvLine(*PlayBatchRun(plan, 5, nullptr)), BatchCsvLine(*fifth));
  EXPECT_NE(BatchCsvLine(*PlayBatchRun(plan, 4, nullptr)), BatchCsvLine(*fifth));
  // The strictness, then the owner's columns, empty: vantrel-lab plays for no pupil.
  EXPECT_EQ(BatchCsvLine(*fifth).substr(BatchCsvLine(*fifth).size() - 9), ",0.75,,\r\n");

  const std::atomic<bool> stop{true};
  EXPECT_FALSE(PlayBatchRun(plan, 1, &stop).has_value());
}

TEST(BatchTest, ShardsSplitTheRunsEvenly) {
  std::vector<int> seen;
  for (int k = 1; k <= 3; ++k) {
    const std::vector<int> share = ShardRuns(10, k, 3);
    EXPECT_GE(share.size(), 3u);
    EXPECT_LE(share.size(), 4u);
    seen.insert(seen.end(), share.begin(), share.end());
  }
  std::sort(seen.begin(), seen.end());
  EXPECT_EQ(seen, ShardRuns(10, 1, 1));
}

TEST(BatchTest, QuartilesInterpolateBetweenRanks) {
  const Quartiles q = QuartilesOf({40, 10, 30, 20, 50});
  EXPECT_EQ(q.count, 5);
  EXPECT_DOUBLE_EQ(q.q1, 20);
  EXPECT_DOUBLE_EQ(q.median, 30);
  EXPECT_DOUBLE_EQ(q.q3, 40);
  EXPECT_DOUBLE_EQ(QuartilesOf({1, 2}).median, 1.5);
  EXPECT_EQ(QuartilesOf({}).count, 0);
}

TEST(BatchTest, SummaryLinesSayEachConditionsSettingsAndSpreadsInOneLine) {
  BatchPlan plan;
  plan.conditions = {{ParseGoalList("shape=square").goal, {10, 5, 2}, 0.9},
                     {ParseGoalList("color=red").goal, {30, 0, 1}, 1}};
  std::vector<ConditionResults> results(2);
  results[0] = {4, 3, {1, 2, 3, 4}, {10, 20, 30}};
  results[1] = {4, 0, {}, {}};
  const std::vector<std::string> lines = SummaryLines(plan, results);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0],
            "Condition 1: pop 10 · creativity 5% · bonus 2 · strictness 0.9 · 4 runs, 3 reached · "
            "first match 1.8 / 2.5 / 3.2 · stable 15.0 / 20.0 / 25.0 (q1 / median / q3 clicks) · "
            "goal shape=square");
  EXPECT_EQ(lines[1].find('\n'), std::string::npos);
  EXPECT_NE(lines[1].find("0 reached · first match - · stable -"), std::string::npos) << lines[1];
}

TEST(LabOptionsTest, ReadsTheDocumentedExample) {
  const ParsedLabOptions parsed = ParseArgs({"--population",
                                             "10,50",
                                             "--creativity",
                                             "10",
                                             "--bonus",
                                             "1",
                                             "--goal",
                                             "shape=square,spokes=yes",
                                             "--strictness=1,0.9",
                                             "--runs",
                                             "200",
                                             "--seed",
                                             "7",
                                             "--csv",
                                             "runs.csv",
                                             "--jobs",
                                             "2",
                                             "--shard",
                                             "2/3",
                                             "--warmup-goal",
                                             "color=green",
                                             "--warmup-clicks",
                                             "100"});
  ASSERT_EQ(parsed.error, "");
  const LabOptions& o = parsed.options;
  EXPECT_EQ(o.populations, (std::vector<int>{10, 50}));
  EXPECT_EQ(o.strictnesses, (std::vector<double>{1.0, 0.9}));
  EXPECT_EQ(o.runs, 200);
  EXPECT_EQ(o.seed, 7u);
  EXPECT_EQ(o.csv_path, "runs.csv");
  EXPECT_EQ(o.shard, 2);
  EXPECT_EQ(o.shards, 3);
  EXPECT_EQ(o.warmup_goal->text, "color=green");
  EXPECT_EQ(PlanOf(o).conditions.size(), 4u);
  EXPECT_TRUE(ParseArgs({"--help"}).options.help);

  // Whose runs: every run of the plan carries them into the CSV's last columns.
  const ParsedLabOptions owned =
      ParseArgs({"--goal", "shape=square", "--runs", "1", "--pupil", " Anna\t", "--lesson",
                 "0a1b2c3d", "--max-clicks", "50"});
  ASSERT_EQ(owned.error, "");
  const std::optional<BatchRun> run = PlayBatchRun(PlanOf(owned.options), 1, nullptr);
  ASSERT_TRUE(run.has_value());
  EXPECT_TRUE(BatchCsvLine(*run).ends_with(",Anna,0a1b2c3d\r\n")) << BatchCsvLine(*run);

  // --summarize takes the files up to the next option, and needs no goal.
  const ParsedLabOptions summarize = ParseArgs({"--summarize", "a.csv", "b.csv", "--lang", "de"});
  ASSERT_EQ(summarize.error, "");
  EXPECT_EQ(summarize.options.summarize_files, (std::vector<std::string>{"a.csv", "b.csv"}));
}

TEST(LabOptionsTest, AGoalMaySpellColourEitherWay) {
  for (const char* goal : {"colour=green", "color=green"}) {
    const ParsedLabOptions parsed = ParseArgs({"--goal", goal});
    ASSERT_EQ(parsed.error, "") << goal;
    ASSERT_EQ(parsed.options.goals.size(), 1u);
    EXPECT_EQ(parsed.options.goals[0][Aspect::kColour], kGreen) << goal;
    EXPECT_EQ(parsed.options.goals[0].text, "color=green");
  }
}

TEST(LabOptionsTest, BadOptionsNameTheOption) {
  const std::pair<std::vector<std::string_view>, const char*> cases[] = {
      {{"--goal", "colours=green"}, "--goal: unknown key 'colours'"},
      {{"--goal", "color=teal"}, "--goal: unknown color 'teal'"},
      {{"--goal", "color=black,intensity=pale"}, "--goal: no organism can meet"},
      {{"--goal", "shape=line", "--population", "1"}, "--population: '1'"},
      {{"--goal", "shape=line", "--population", "10,1001"}, "--population: '1001'"},
      {{"--goal", "shape=line", "--population", "10,"}, "--population: ''"},
      {{"--goal", "shape=line", "--strictness", "1.5"}, "--strictness: '1.5'"},
      {{"--goal", "shape=line", "--strictness", "nan"}, "--strictness: 'nan'"},
      {{"--goal", "shape=line", "--creativity", "100"}, "--creativity: '100'"},
      {{"--goal", "shape=line", "--runs", "0"}, "--runs: '0'"},
      {{"--goal", "shape=line", "--seed", "4294967296"}, "--seed:"},
      {{"--goal", "shape=line", "--shard", "3/2"}, "--shard: '3/2'"},
      {{"--goal", "shape=line", "--jobs"}, "--jobs: missing value"},
      {{"--goal", "shape=line", "--csv", ""}, "--csv: no file name"},
      {{"--goal", "shape=line", "--frobnicate", "1"}, "unknown option '--frobnicate'"},
      {{"--goal", "shape=line", "--warmup-clicks", "5"}, "--warmup-clicks: needs --warmup-goal"},
      {{"--goal", "shape=line", "--quiet=1"}, "--quiet: takes no value"},
      {{"--goal", "shape=line", "--lesson", "0A1B2C3D"}, "--lesson: '0A1B2C3D'"},
      {{"--goal", "shape=line", "--lesson", "0a1b2c3"}, "--lesson: '0a1b2c3'"},
      {{"--summarize"}, "--summarize: no file to summarize"},
      {{"--summarize", "--goal", "shape=line"}, "--summarize: no file to summarize"},
      {{"runs.csv"}, "unexpected argument 'runs.csv'"},
      {{"--population", "10"}, "--goal: missing"},
      {{"--goal", "shape=line", "--runs", "100000000", "--population", "10,20"}, "--runs:"},
      {{"--goal", "shape=line", "--learner", "-1"}, "--learner: '-1'"},
      {{"--goal", "shape=line", "--learner", "10,x"}, "--learner: 'x'"},
      {{"--goal", "shape=line", "--runs", "60000000", "--learner", "0,10"}, "--runs:"},
  };
  for (const auto& [args, error] : cases) {
    const std::string got = ParseLabOptions(args).error;
    EXPECT_EQ(got.rfind(error, 0), 0u) << got;
  }
}

}  // namespace
}  // namespace vantrel

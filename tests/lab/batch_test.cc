#include "lab/batch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>

#include "lab/lab_options.h"

namespace vantrel {
namespace {

ParsedLabOptions Parse(std::initializer_list<std::string_view> args) {
  const std::vector<std::string_view> list(args);
  return ParseLabOptions(list);
}

std::string Csv(const std::vector<BatchRun>& runs) {
  std::string csv = BatchCsvHeader();
  for (const BatchRun& run : runs) csv += BatchCsvLine(run);
  return csv;
}

TEST(BatchTest, SameCsvForAnyJobsAndForMergedShards) {
  const ParsedLabOptions parsed =
      Parse({"--population", "5,12", "--goal", "shape=square,spokes=yes", "--strictness", "1,0.9",
             "--runs", "6", "--seed", "7", "--max-clicks", "20000"});
  ASSERT_EQ(parsed.error, "");
  const BatchPlan plan = PlanOf(parsed.options);
  ASSERT_EQ(plan.TotalRuns(), 24);
  const std::vector<int> all = ShardRuns(plan.TotalRuns(), 1, 1);
  const std::vector<BatchRun> one = PlayBatch(plan, all, 1, nullptr, nullptr);
  int last_progress = -1;
  const std::vector<BatchRun> two =
      PlayBatch(plan, all, 2, nullptr, [&](int done) { last_progress = done; });
  EXPECT_EQ(last_progress, 24);
  ASSERT_EQ(one.size(), 24u);
  const std::string csv = Csv(one);
  EXPECT_EQ(Csv(two), csv);

  std::vector<BatchRun> merged = PlayBatch(plan, ShardRuns(24, 2, 2), 2, nullptr, nullptr);
  for (BatchRun& run : PlayBatch(plan, ShardRuns(24, 1, 2), 1, nullptr, nullptr)) {
    merged.push_back(std::move(run));
  }
  std::sort(merged.begin(), merged.end(),
            [](const BatchRun& a, const BatchRun& b) { return a.run.number < b.run.number; });
  EXPECT_EQ(Csv(merged), csv);

  // Conditions vary strictness fastest; seeds differ per run.
  EXPECT_EQ(one[6].condition, 2);
  EXPECT_EQ(one[6].strictness, 0.9);
  EXPECT_NE(one[0].seed, one[1].seed);
  EXPECT_NE(csv.find("\r\n1,judge,,5,10,1,\"shape=square,spokes=yes\","), std::string::npos);
}

TEST(BatchTest, StopKeepsTheFinishedRunsAsAFullSweepHasThem) {
  const ParsedLabOptions parsed = Parse({"--goal", "shape=square,spokes=yes,color=green,size=large",
                                         "--runs", "16", "--max-clicks", "100000"});
  ASSERT_EQ(parsed.error, "");
  const BatchPlan plan = PlanOf(parsed.options);
  const std::vector<int> all = ShardRuns(plan.TotalRuns(), 1, 1);
  std::atomic<bool> stop{false};
  const std::vector<BatchRun> partial = PlayBatch(plan, all, 2, &stop, [&](int done) {
    if (done >= 2) stop = true;
  });
  EXPECT_GE(partial.size(), 2u);
  EXPECT_LT(partial.size(), 16u);
  const std::vector<BatchRun> full = PlayBatch(plan, all, 2, nullptr, nullptr);
  for (const BatchRun& run : partial) {
    EXPECT_EQ(BatchCsvLine(run), BatchCsvLine(full[run.run.number - 1]));
  }
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

TEST(LabOptionsTest, ReadsTheDocumentedExample) {
  const ParsedLabOptions parsed = Parse({"--population",
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
  EXPECT_TRUE(Parse({"--help"}).options.help);
}

TEST(LabOptionsTest, BadOptionsNameTheOption) {
  const std::pair<std::vector<std::string_view>, const char*> cases[] = {
      {{"--goal", "colour=green"}, "--goal: unknown key 'colour'"},
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
      {{"runs.csv"}, "unexpected argument 'runs.csv'"},
      {{"--population", "10"}, "--goal: missing"},
      {{"--goal", "shape=line", "--runs", "100000000", "--population", "10,20"}, "--runs:"},
  };
  for (const auto& [args, error] : cases) {
    const std::string got = ParseLabOptions(args).error;
    EXPECT_EQ(got.rfind(error, 0), 0u) << got;
  }
}

}  // namespace
}  // namespace vantrel

#include "lab/batch_threads.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>

#include "lab/lab_options.h"
#include "tests/core/lab/parse_args.h"

namespace vantrel {
namespace {

using testing::ParseArgs;

std::string Csv(const std::vector<BatchRun>& runs) {
  std::string csv = BatchCsvHeader();
  for (const BatchRun& run : runs) csv += BatchCsvLine(run);
  return csv;
}

TEST(BatchTest, SameCsvForAnyJobsAndForMergedShards) {
  const ParsedLabOptions parsed =
      ParseArgs({"--population", "5,12", "--goal", "shape=square,spokes=yes", "--strictness",
                 "1,0.9", "--runs", "6", "--seed", "7", "--max-clicks", "20000"});
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
  const ParsedLabOptions parsed =
      ParseArgs({"--goal", "shape=square,spokes=yes,color=green,size=large", "--runs", "16",
                 "--max-clicks", "100000"});
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

}  // namespace
}  // namespace vantrel

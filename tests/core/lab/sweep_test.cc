#include "lab/sweep.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "lab/condition_comparison.h"

namespace vantrel {
namespace {

const std::vector<std::string> kSmallSweep = {"--goal",       "shape=square",
                                              "--population", "5,8",
                                              "--strictness", "1,0.9",
                                              "--runs",       "2",
                                              "--seed",       "7",
                                              "--max-clicks", "3000"};

std::vector<SweepRecord> PlayShard(const LabSweep& sweep, int shard, int shards) {
  std::vector<SweepRecord> records;
  for (int n : sweep.ShardRuns(shard, shards)) records.push_back(*sweep.PlayRun(n));
  return records;
}

TEST(LabSweepTest, SharesMergedInAnyOrderGiveTheCsvOfTheWholeSweep) {
  const LabSweep sweep(kSmallSweep);
  ASSERT_EQ(sweep.error(), "");
  ASSERT_EQ(sweep.plan().TotalRuns(), 8);
  const std::string whole = SweepCsv(PlayShard(sweep, 1, 1));

  std::vector<SweepRecord> merged = PlayShard(sweep, 3, 3);
  for (int shard : {1, 2}) {
    const std::vector<SweepRecord> share = PlayShard(sweep, shard, 3);
    merged.insert(merged.end(), share.rbegin(), share.rend());
  }
  EXPECT_EQ(SweepCsv(merged), whole);

  // Header first, then runs 1 to 8 in order, each line ending CR LF.
  std::vector<std::string> lines;
  for (std::size_t start = 0, end; (end = whole.find("\r\n", start)) != std::string::npos;
       start = end + 2) {
    lines.push_back(whole.substr(start, end - start));
  }
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_EQ(lines[0], BatchCsvHeader().substr(0, BatchCsvHeader().size() - 2));
  for (int run = 1; run <= 8; ++run) {
    EXPECT_EQ(lines[run].substr(0, lines[run].find(',')), std::to_string(run));
  }
  // The same sweep played again is the same, run for run.
  EXPECT_EQ(SweepCsv(PlayShard(LabSweep(kSmallSweep), 2, 2)), SweepCsv(PlayShard(sweep, 2, 2)));
}

TEST(LabSweepTest, EachLineIsTheCommandLinesLineWithItsConditionsStrictness) {
  const LabSweep sweep(kSmallSweep);
  for (int n = 1; n <= sweep.plan().TotalRuns(); ++n) {
    EXPECT_EQ(sweep.PlayRun(n)->csv_line, BatchCsvLine(*PlayBatchRun(sweep.plan(), n, nullptr)))
        << "run " << n;
  }
}

TEST(LabSweepTest, ARecordCarriesItsRunsConditionAndEvents) {
  const LabSweep sweep(kSmallSweep);
  const SweepRecord record = *sweep.PlayRun(6);  // population 8, strictness 1, second run
  EXPECT_EQ(record.run, 6);
  EXPECT_EQ(record.condition, 3);
  EXPECT_TRUE(record.csv_line.starts_with("6,judge,,8,"));
  EXPECT_TRUE(record.csv_line.ends_with(",3," + std::to_string(RunSeed(7, 6)) + ",1,,\r\n"));
  EXPECT_EQ(record.reached, record.stable_click.has_value());
  EXPECT_FALSE(sweep.PlayRun(0).has_value());
  EXPECT_FALSE(sweep.PlayRun(9).has_value());
  EXPECT_TRUE(sweep.ShardRuns(3, 2).empty());
  EXPECT_EQ(sweep.ShardRuns(2, 3), (std::vector<int>{2, 5, 8}));
}

TEST(LabSweepTest, RefusesWithTheCommandLinesWords) {
  const auto error = [](const std::vector<std::string>& arguments) {
    const LabSweep sweep(arguments);
    EXPECT_TRUE(sweep.ShardRuns(1, 1).empty());
    EXPECT_FALSE(sweep.PlayRun(1).has_value());
    return sweep.error();
  };
  EXPECT_EQ(error({"--goal", "shape=square", "--population", "1"}),
            "--population: '1' is not a whole number from 2 to 1000");
  EXPECT_EQ(error({"--population", "10"}),
            "--goal: missing (for example --goal shape=square,spokes=yes)");
  EXPECT_EQ(error({"--goal", "shape=square", "--strictness", "1.5"}),
            "--strictness: '1.5' is not a number from 0 to 1");
  // What only a machine's own process has is no option of the page.
  EXPECT_EQ(error({"--goal", "shape=square", "--csv", "runs.csv"}),
            "unknown option '--csv' (see --help)");
  EXPECT_EQ(error({"--goal", "shape=square", "--shard=1/2"}),
            "unknown option '--shard' (see --help)");
  EXPECT_EQ(error({"--goal", "shape=square", "--jobs", "2"}),
            "unknown option '--jobs' (see --help)");
}

TEST(LabSweepTest, BoxesSpanEachConditionsClicksToStable) {
  const LabSweep sweep(kSmallSweep);
  std::vector<SweepRecord> records;
  for (int clicks : {40, 10, 30, 20}) records.push_back({1, 2, 3, clicks, true, ""});
  records.push_back({2, 2, std::nullopt, std::nullopt, false, ""});
  records.push_back({3, 4, 5, std::nullopt, false, ""});
  records.push_back({4, 9, 5, 5, true, ""});  // no such condition
  const std::vector<StableBox> boxes = sweep.Boxes(records);
  ASSERT_EQ(boxes.size(), 4u);
  EXPECT_EQ(boxes[0].runs, 0);
  EXPECT_EQ(boxes[1].condition, 2);
  EXPECT_EQ(boxes[1].runs, 5);
  EXPECT_EQ(boxes[1].stable_runs, 4);
  EXPECT_EQ(boxes[1].low, 10);
  EXPECT_EQ(boxes[1].q1, 17.5);
  EXPECT_EQ(boxes[1].median, 25);
  EXPECT_EQ(boxes[1].q3, 32.5);
  EXPECT_EQ(boxes[1].high, 40);
  EXPECT_EQ(boxes[1].label, (std::vector<std::string>{"Condition 2", "4/5 stable"}));
  EXPECT_EQ(boxes[3].runs, 1);
  EXPECT_EQ(boxes[3].stable_runs, 0);
  EXPECT_EQ(boxes[3].high, 0);

  const std::vector<std::string> summary = sweep.Summary(records);
  ASSERT_EQ(summary.size(), 4u);
  EXPECT_NE(summary[1].find("5 runs, 4 reached"), std::string::npos) << summary[1];
}

// What the records of a sweep of learners say of the learners is what vantrel-lab's summary
// says of the same runs, played whole; a sweep without learners says nothing of them.
TEST(LabSweepTest, ALearnersSweepSaysWhatTheCommandLineSaysOfItsLearners) {
  std::vector<std::string> arguments = kSmallSweep;
  arguments.insert(arguments.end(), {"--learner", "0,10", "--runs", "6"});
  const LabSweep sweep(arguments);
  ASSERT_EQ(sweep.error(), "");
  std::vector<SweepRecord> records = PlayShard(sweep, 2, 2);
  const std::vector<SweepRecord> first = PlayShard(sweep, 1, 2);
  records.insert(records.end(), first.rbegin(), first.rend());
  std::vector<BatchRun> runs;
  for (int n = 1; n <= sweep.plan().TotalRuns(); ++n) {
    runs.push_back(*PlayBatchRun(sweep.plan(), n, nullptr));
  }
  for (const SweepRecord& record : records) {
    const std::string& line = record.csv_line;
    const std::string last = line.substr(line.rfind(',') + 1);
    EXPECT_EQ(std::to_string(record.judge_clicks) + "\r\n", last) << line;
  }

  const LearnerLines learners = sweep.Learners(records);
  const std::string report = LearnerReport(sweep.plan(), runs);
  EXPECT_EQ(report.substr(0, learners.heading.size() + 1), learners.heading + "\n");
  std::string brought;
  for (const std::string& line : learners.brought) brought += line + "\n";
  ASSERT_EQ(learners.brought.size(), 4u);  // the four conditions with a learner
  EXPECT_EQ(report.substr(report.size() - brought.size()), brought);
  ASSERT_FALSE(learners.comparison.empty());
  for (const std::string& line : learners.comparison) {
    EXPECT_NE(report.find(line + "\n"), std::string::npos) << line;
  }
  ASSERT_EQ(learners.summary.size(), 8u);
  // The learner's clicks are left out: a condition whose learner brought runs to stable
  // reads otherwise than in the summary of all clicks.
  EXPECT_NE(learners.summary, sweep.Summary(records));

  const LabSweep plain(kSmallSweep);
  const LearnerLines none = plain.Learners(PlayShard(plain, 1, 1));
  EXPECT_EQ(none.heading, "");
  EXPECT_TRUE(none.summary.empty() && none.comparison.empty() && none.brought.empty());
}

}  // namespace
}  // namespace vantrel

#include "lab/sweep.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "lab/condition_comparison.h"
#include "lab/decimal_text.h"
#include "lab/goal_list.h"
#include "language/catalogue.h"
#include "language/numbers.h"

namespace vantrel {

namespace {

// The context of the box plot's texts in the catalogues.
constexpr std::string_view kBoxes = "vantrel::StableDistributionView";

// Options of the command line that only make sense for one machine's processes and files.
bool PageRefuses(std::string_view argument) {
  for (std::string_view name : {"--csv", "--jobs", "--shard", "--quiet", "--help", "-h"}) {
    if (argument == name || (argument.starts_with(name) && argument.size() > name.size() &&
                             argument[name.size()] == '=')) {
      return true;
    }
  }
  return false;
}

}  // namespace

LabSweep::LabSweep(const std::vector<std::string>& arguments) {
  const std::vector<std::string_view> views(arguments.begin(), arguments.end());
  for (std::string_view argument : views) {
    if (PageRefuses(argument)) {
      // Worded as vantrel-lab words an option it does not know, in the same language.
      error_ = Arg(Tr("LabCli", "unknown option %1 (see --help)"),
                   {Quoted(argument.substr(0, argument.find('=')))});
      return;
    }
  }
  const ParsedLabOptions parsed = ParseLabOptions(views);
  error_ = parsed.error;
  if (!error_.empty()) return;
  plan_ = PlanOf(parsed.options);
  for (const Condition& condition : plan_.conditions) {
    strictness_texts_.push_back(ShortestDecimal(condition.strictness));
  }
}

std::vector<int> LabSweep::ShardRuns(int shard, int shards) const {
  if (!error_.empty() || shards < 1 || shard < 1 || shard > shards) return {};
  return vantrel::ShardRuns(plan_.TotalRuns(), shard, shards);
}

std::optional<SweepRecord> LabSweep::PlayRun(int run_number) const {
  if (!error_.empty() || run_number < 1 || run_number > plan_.TotalRuns()) return std::nullopt;
  std::optional<BatchRun> run = PlayBatchRun(plan_, run_number, nullptr);
  if (!run) return std::nullopt;
  return SweepRecord{run_number,
                     run->condition,
                     run->run.first_match_click,
                     run->run.stable_click,
                     run->run.reached(),
                     BatchCsvLine(*run, strictness_texts_[run->condition - 1]),
                     run->judge_clicks};
}

std::vector<ConditionResults> LabSweep::Results(const std::vector<SweepRecord>& records) const {
  std::vector<ConditionResults> results(plan_.conditions.size());
  for (const SweepRecord& record : records) {
    if (record.condition < 1 || record.condition > static_cast<int>(results.size())) continue;
    results[record.condition - 1].Add(record.first_match_click, record.stable_click,
                                      record.reached);
  }
  return results;
}

std::vector<StableBox> LabSweep::Boxes(const std::vector<SweepRecord>& records) const {
  return StableBoxes(Results(records));
}

std::vector<StableBox> StableBoxes(const std::vector<ConditionResults>& results) {
  std::vector<StableBox> boxes;
  int number = 0;
  for (const ConditionResults& result : results) {
    StableBox box;
    box.condition = ++number;
    box.runs = result.runs;
    const std::vector<int>& stable = result.stable_clicks;
    box.stable_runs = static_cast<int>(stable.size());
    if (!stable.empty()) {
      const Quartiles q = QuartilesOf(stable);
      const auto [low, high] = std::minmax_element(stable.begin(), stable.end());
      box.low = *low;
      box.q1 = q.q1;
      box.median = q.median;
      box.q3 = q.q3;
      box.high = *high;
    }
    box.label = {Arg(Tr(kBoxes, "Condition %1"), {LocalNumber(std::to_string(box.condition))}),
                 Arg(Tr(kBoxes, "%1/%2 stable"), {LocalNumber(std::to_string(box.stable_runs)),
                                                  LocalNumber(std::to_string(box.runs))})};
    boxes.push_back(box);
  }
  return boxes;
}

ValueAxis StableAxis(const std::vector<StableBox>& boxes) {
  int most = 0;
  for (const StableBox& box : boxes) {
    if (box.stable_runs > 0) most = std::max(most, static_cast<int>(box.high));
  }
  return RoundAxis(std::max(10, most + most / 10 + 1));
}

std::vector<std::string> LabSweep::Summary(const std::vector<SweepRecord>& records) const {
  return SummaryLines(plan_, Results(records));
}

std::vector<std::string> LabSweep::Comparison(const std::vector<SweepRecord>& records) const {
  return ComparisonLines(plan_, Results(records));
}

LearnerLines LabSweep::Learners(const std::vector<SweepRecord>& records) const {
  if (!plan_.learner) return {};
  // The runs as far as the learners' summary reads them.
  std::vector<BatchRun> runs;
  runs.reserve(records.size());
  for (const SweepRecord& record : records) {
    BatchRun run;
    run.condition = record.condition;
    run.judge_clicks = record.judge_clicks;
    run.run.first_match_click = record.first_match_click;
    run.run.stable_click = record.stable_click;
    run.run.reached_by = record.reached ? ReachedBy::kProgram : ReachedBy::kNone;
    runs.push_back(std::move(run));
  }
  LearnerSummary summary = SummarizeLearners(plan_, runs);
  return {std::move(summary.heading), SummaryLines(plan_, summary.judged),
          ComparisonLines(plan_, summary.judged), std::move(summary.brought)};
}

std::string SweepCsv(std::vector<SweepRecord> records, bool learner_columns) {
  std::sort(records.begin(), records.end(),
            [](const SweepRecord& a, const SweepRecord& b) { return a.run < b.run; });
  std::string csv = BatchCsvHeader(learner_columns);
  for (const SweepRecord& record : records) csv += record.csv_line;
  return csv;
}

}  // namespace vantrel

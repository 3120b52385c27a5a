#include "lab/batch.h"

#include <algorithm>
#include <cstdio>

#include "lab/decimal_text.h"
#include "lab/judge.h"
#include "lab/run_csv.h"
#include "language/catalogue.h"
#include "language/numbers.h"

namespace vantrel {

namespace {

// SplitMix64's finaliser: neighbouring inputs give unrelated outputs.
std::uint64_t Mix(std::uint64_t x) {
  x += 0x9E3779B97F4A7C15ULL;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
  return x ^ (x >> 31);
}

std::uint32_t SeedOf(std::uint32_t base_seed, int run_number, std::uint64_t stream) {
  const std::uint64_t key =
      (static_cast<std::uint64_t>(base_seed) << 32) | static_cast<std::uint32_t>(run_number);
  return static_cast<std::uint32_t>(Mix(Mix(key) ^ stream) >> 32);
}

std::string FormatQuartile(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", value);
  return text;
}

JudgeSettings SettingsOf(const BatchPlan& plan, const Condition& condition) {
  JudgeSettings settings;
  settings.goal = condition.goal;
  settings.parameters = condition.parameters;
  settings.strictness = condition.strictness;
  settings.max_clicks = plan.max_clicks;
  settings.warmup_goal = plan.warmup_goal;
  settings.warmup_clicks = plan.warmup_clicks;
  return settings;
}

}  // namespace

std::uint32_t RunSeed(std::uint32_t base_seed, int run_number) {
  return SeedOf(base_seed, run_number, 0);
}

std::uint32_t CoinSeed(std::uint32_t base_seed, int run_number) {
  return SeedOf(base_seed, run_number, 0xC011);
}

std::uint32_t ComparisonSeed(std::uint32_t base_seed, int condition) {
  return SeedOf(base_seed, condition, 0xB0075);
}

std::vector<int> ShardRuns(int total_runs, int shard, int shards) {
  std::vector<int> numbers;
  for (int n = shard; n <= total_runs; n += shards) numbers.push_back(n);
  return numbers;
}

std::optional<BatchRun> PlayBatchRun(const BatchPlan& plan, int run_number,
                                     const std::atomic<bool>* stop) {
  const int condition = plan.ConditionOf(run_number);
  const Condition& c = plan.conditions[condition];
  const std::uint32_t seed = RunSeed(plan.base_seed, run_number);
  std::optional<Run> run =
      PlayJudgedRun(SettingsOf(plan, c), seed, CoinSeed(plan.base_seed, run_number), stop);
  if (!run) return std::nullopt;
  run->number = run_number;
  return BatchRun{std::move(*run), condition + 1, seed, c.strictness};
}

std::string BatchCsvHeader() {
  return std::string(kRunCsvHeader) + ",condition,seed,strictness" + std::string(kCsvLineEnd);
}

std::string BatchCsvLine(const BatchRun& run) {
  return RunCsvCells(run.run) + "," + std::to_string(run.condition) + "," +
         std::to_string(run.seed) + "," + ShortestDecimal(run.strictness) +
         std::string(kCsvLineEnd);
}

Quartiles QuartilesOf(std::vector<int> values) {
  Quartiles q;
  q.count = static_cast<int>(values.size());
  if (values.empty()) return q;
  std::sort(values.begin(), values.end());
  // Linear interpolation between the closest ranks.
  const auto at = [&values](double fraction) {
    const double position = fraction * static_cast<double>(values.size() - 1);
    const auto below = static_cast<std::size_t>(position);
    const std::size_t above = std::min(below + 1, values.size() - 1);
    return values[below] +
           (position - static_cast<double>(below)) * (values[above] - values[below]);
  };
  q.q1 = at(0.25);
  q.median = at(0.5);
  q.q3 = at(0.75);
  return q;
}

std::vector<ConditionResults> ResultsByCondition(const BatchPlan& plan,
                                                 const std::vector<BatchRun>& runs) {
  std::vector<ConditionResults> results(plan.conditions.size());
  for (const BatchRun& run : runs) {
    if (run.condition < 1 || run.condition > static_cast<int>(results.size())) continue;
    ConditionResults& result = results[run.condition - 1];
    ++result.runs;
    if (run.run.reached()) ++result.reached;
    if (run.run.first_match_click) result.first_match_clicks.push_back(*run.run.first_match_click);
    if (run.run.stable_click) result.stable_clicks.push_back(*run.run.stable_click);
  }
  return results;
}

std::string SummaryTable(const BatchPlan& plan, const std::vector<BatchRun>& runs) {
  return SummaryTable(plan, ResultsByCondition(plan, runs));
}

namespace {

// A quartile spread as "q1 / median / q3", or "-" without values; `shown` writes it as
// the current language writes decimals.
std::string Spread(const std::vector<int>& values, bool shown = false) {
  const Quartiles q = QuartilesOf(values);
  if (q.count == 0) return "-";
  const auto quartile = [shown](double value) {
    return shown ? LocalNumber(FormatQuartile(value)) : FormatQuartile(value);
  };
  return quartile(q.q1) + " / " + quartile(q.median) + " / " + quartile(q.q3);
}

}  // namespace

std::vector<std::string> SummaryLines(const BatchPlan& plan,
                                      const std::vector<ConditionResults>& results) {
  std::vector<std::string> lines;
  for (std::size_t c = 0; c < plan.conditions.size() && c < results.size(); ++c) {
    const Condition& condition = plan.conditions[c];
    const ConditionResults& result = results[c];
    // Nine places at most: the runs and how many reached their goal count as one.
    const std::string runs =
        Arg(TrN("Lab", "%n runs, %1 reached", result.runs), {std::to_string(result.reached)});
    lines.push_back(
        Arg(Tr("Lab",
               "Condition %1: pop %2 · creativity %3% · bonus %4 · strictness %5 · %6 "
               "· first match %7 · stable %8 (q1 / median / q3 clicks) · goal %9"),
            {std::to_string(c + 1), std::to_string(condition.parameters.start_organisms),
             std::to_string(condition.parameters.creativity),
             std::to_string(condition.parameters.bonus),
             LocalNumber(ShortestDecimal(condition.strictness)), runs,
             Spread(result.first_match_clicks, true), Spread(result.stable_clicks, true),
             condition.goal.text}));
  }
  return lines;
}

std::string SummaryTable(const BatchPlan& plan, const std::vector<ConditionResults>& results) {
  std::string table;
  char line[512];
  std::snprintf(line, sizeof line, "%-4s %4s %5s %5s %6s %5s %7s  %-28s  %-28s  %s\n", "cond",
                "pop", "creat", "bonus", "strict", "runs", "reached", "first match q1/med/q3",
                "stable q1/med/q3", "goal");
  table += line;
  for (int c = 0; c < static_cast<int>(plan.conditions.size()); ++c) {
    const Condition& condition = plan.conditions[c];
    const ConditionResults& result = results[c];
    std::snprintf(line, sizeof line, "%-4d %4d %5d %5d %6s %5d %7d  %-28s  %-28s  %s\n", c + 1,
                  condition.parameters.start_organisms, condition.parameters.creativity,
                  condition.parameters.bonus, ShortestDecimal(condition.strictness).c_str(),
                  result.runs, result.reached, Spread(result.first_match_clicks).c_str(),
                  Spread(result.stable_clicks).c_str(), condition.goal.text.c_str());
    table += line;
  }
  return table;
}

}  // namespace vantrel

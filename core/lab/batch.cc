#include "lab/batch.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

#include "lab/decimal_text.h"
#include "lab/judge.h"
#include "lab/run_csv.h"
#include "language/catalogue.h"
#include "language/numbers.h"
#include "language/text_width.h"

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
  settings.learner_after = condition.learner;
  return settings;
}

}  // namespace

std::uint32_t RunSeed(std::uint32_t base_seed, int run_number) {
  return SeedOf(base_seed, run_number, 0);
}

std::uint32_t CoinSeed(std::uint32_t base_seed, int run_number) {
  return SeedOf(base_seed, run_number, 0xC011);
}

std::uint32_t ComparisonSeed(const std::vector<int>& first, const std::vector<int>& other) {
  std::uint64_t state = 0xB0075;
  for (const std::vector<int>* values : {&first, &other}) {
    std::vector<int> sorted = *values;
    std::sort(sorted.begin(), sorted.end());
    state = Mix(state ^ sorted.size());
    for (const int value : sorted) state = Mix(state ^ static_cast<std::uint32_t>(value));
  }
  return static_cast<std::uint32_t>(state >> 32);
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
  int judge_clicks = 0;
  std::optional<Run> run = PlayJudgedRun(SettingsOf(plan, c), seed,
                                         CoinSeed(plan.base_seed, run_number), stop, &judge_clicks);
  if (!run) return std::nullopt;
  run->number = run_number;
  run->pupil = plan.pupil;
  run->lesson = plan.lesson;
  return BatchRun{std::move(*run), condition + 1, seed,        c.strictness,
                  plan.learner,    c.learner,     judge_clicks};
}

std::string BatchCsvHeader(bool learner_columns) {
  return std::string(kRunMeasureColumns) + ",condition,seed,strictness," +
         std::string(kRunOwnerColumns) + (learner_columns ? ",learner,judge_clicks" : "") +
         std::string(kCsvLineEnd);
}

std::string BatchCsvLine(const BatchRun& run) {
  return BatchCsvLine(run, ShortestDecimal(run.strictness));
}

std::string BatchCsvLine(const BatchRun& run, std::string_view strictness_text) {
  return RunMeasureCsvCells(run.run) + "," + std::to_string(run.condition) + "," +
         std::to_string(run.seed) + "," + std::string(strictness_text) + "," +
         RunOwnerCsvCells(run.run) +
         (run.learner_columns
              ? "," + std::to_string(run.learner) + "," + std::to_string(run.judge_clicks)
              : std::string()) +
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
    results[run.condition - 1].Add(run.run.first_match_click, run.run.stable_click,
                                   run.run.reached());
  }
  return results;
}

void ConditionResults::Add(const std::optional<int>& first_match_click,
                           const std::optional<int>& stable_click, bool was_reached) {
  ++runs;
  if (was_reached) ++reached;
  if (first_match_click) first_match_clicks.push_back(*first_match_click);
  if (stable_click) stable_clicks.push_back(*stable_click);
}

std::string SummaryTable(const BatchPlan& plan, const std::vector<BatchRun>& runs) {
  return SummaryTable(plan, ResultsByCondition(plan, runs));
}

namespace {

constexpr std::string_view kContext = "LabSummary";

// A number of the summary as the language writes it (plain in English).
std::string Shown(long long number) { return LocalNumber(std::to_string(number)); }

// A quartile spread as "q1 / median / q3", or "-" without values.
std::string Spread(const std::vector<int>& values) {
  const Quartiles q = QuartilesOf(values);
  if (q.count == 0) return "-";
  return LocalNumber(FormatQuartile(q.q1)) + " / " + LocalNumber(FormatQuartile(q.median)) + " / " +
         LocalNumber(FormatQuartile(q.q3));
}

}  // namespace

std::vector<std::string> SummaryLines(const BatchPlan& plan,
                                      const std::vector<ConditionResults>& results) {
  std::vector<std::string> lines;
  for (std::size_t c = 0; c < plan.conditions.size() && c < results.size(); ++c) {
    const Condition& condition = plan.conditions[c];
    const ConditionResults& result = results[c];
    const std::string settings =
        Arg(Tr(kContext, "Condition %1: pop %2 · creativity %3% · bonus %4 · strictness %5"),
            {Shown(static_cast<long long>(c) + 1), Shown(condition.parameters.start_organisms),
             Shown(condition.parameters.creativity), Shown(condition.parameters.bonus),
             LocalNumber(ShortestDecimal(condition.strictness))});
    const std::string counts = Arg(TrN(kContext, "%1 runs, %2 reached", result.runs),
                                   {Shown(result.runs), Shown(result.reached)});
    const std::string spreads =
        Arg(Tr(kContext, "first match %1 · stable %2 (q1 / median / q3 clicks) · goal %3"),
            {Spread(result.first_match_clicks), Spread(result.stable_clicks), condition.goal.text});
    std::string line = settings;
    line.append(" · ").append(counts).append(" · ").append(spreads);
    lines.push_back(std::move(line));
  }
  return lines;
}

namespace {

// The summary table's columns: the heading, the narrowest width and the side the text keeps.
struct Column {
  std::string_view heading;
  int width;
  bool left;
};

constexpr std::array<Column, 10> kColumns = {{
    {"cond", 4, true},
    {"pop", 4, false},
    {"creat", 5, false},
    {"bonus", 5, false},
    {"strict", 6, false},
    {"runs", 5, false},
    {"reached", 7, false},
    {"first match q1/med/q3", 28, true},
    {"stable q1/med/q3", 28, true},
    {"goal", 0, true},
}};

// One line of the table: cells padded to the columns' widths, wider cells pushing on as
// printf's would; two spaces before the spreads and the goal.
std::string TableLine(const std::array<std::string, 10>& cells, const std::array<int, 10>& widths) {
  std::string line;
  for (std::size_t k = 0; k < cells.size(); ++k) {
    if (k > 0) line += k >= 7 ? "  " : " ";
    const bool last = k + 1 == cells.size();
    line += last               ? cells[k]
            : kColumns[k].left ? PadRight(cells[k], widths[k])
                               : PadLeft(cells[k], widths[k]);
  }
  return line + "\n";
}

}  // namespace

std::string SummaryTable(const BatchPlan& plan, const std::vector<ConditionResults>& results) {
  // A translated heading may be wider than its column: the column grows to fit it.
  std::array<std::string, 10> headings;
  std::array<int, 10> widths{};
  for (std::size_t k = 0; k < kColumns.size(); ++k) {
    headings[k] = Tr(kContext, kColumns[k].heading);
    widths[k] = std::max(kColumns[k].width, DisplayWidth(headings[k]));
  }
  std::string table = TableLine(headings, widths);
  for (std::size_t c = 0; c < plan.conditions.size(); ++c) {
    const Condition& condition = plan.conditions[c];
    const ConditionResults& result = results[c];
    table += TableLine(
        {Shown(static_cast<long long>(c) + 1), Shown(condition.parameters.start_organisms),
         Shown(condition.parameters.creativity), Shown(condition.parameters.bonus),
         LocalNumber(ShortestDecimal(condition.strictness)), Shown(result.runs),
         Shown(result.reached), Spread(result.first_match_clicks), Spread(result.stable_clicks),
         condition.goal.text},
        widths);
  }
  return table;
}

}  // namespace vantrel

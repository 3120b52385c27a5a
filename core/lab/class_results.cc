#include "lab/class_results.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <map>
#include <set>
#include <tuple>
#include <utility>

#include "lab/condition_comparison.h"
#include "lab/decimal_text.h"
#include "lab/goal_list.h"
#include "lab/run_csv.h"
#include "language/catalogue.h"
#include "language/numbers.h"

namespace vantrel {

namespace {

constexpr std::string_view kContext = "ClassResults";
constexpr std::size_t kMeasures = 13;

std::string Count(long long number) { return LocalNumber(std::to_string(number)); }

// A whole number from `low` to `high`, all of `text`.
std::optional<long long> Whole(std::string_view text, long long low, long long high) {
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < low ||
      value > high) {
    return std::nullopt;
  }
  return value;
}

constexpr long long kIntMax = std::numeric_limits<int>::max();

// An optional click: empty, or a whole number of clicks.
bool ReadClick(const std::string& cell, std::optional<int>& click) {
  click.reset();
  if (cell.empty()) return true;
  const std::optional<long long> value = Whole(cell, 0, kIntMax);
  if (value) click = static_cast<int>(*value);
  return value.has_value();
}

// Where the columns a run may carry beyond the measures sit in a file's header.
struct Columns {
  std::size_t count = 0;
  std::optional<std::size_t> condition, seed, strictness, pupil, lesson;
};

// The header's columns, or nothing when the file is not a runs file: the measures first, in
// their order, then only known columns.
std::optional<Columns> HeaderColumns(const std::vector<std::string>& header) {
  std::vector<std::string_view> measures;
  for (std::size_t start = 0; start <= kRunMeasureColumns.size();) {
    const std::size_t comma =
        std::min(kRunMeasureColumns.find(',', start), kRunMeasureColumns.size());
    measures.push_back(kRunMeasureColumns.substr(start, comma - start));
    start = comma + 1;
  }
  if (header.size() < kMeasures || header.size() > kMeasures + 5) return std::nullopt;
  for (std::size_t k = 0; k < kMeasures; ++k) {
    if (header[k] != measures[k]) return std::nullopt;
  }
  Columns columns;
  columns.count = header.size();
  for (std::size_t k = kMeasures; k < header.size(); ++k) {
    std::optional<std::size_t>* slot = header[k] == "condition"    ? &columns.condition
                                       : header[k] == "seed"       ? &columns.seed
                                       : header[k] == "strictness" ? &columns.strictness
                                       : header[k] == "pupil"      ? &columns.pupil
                                       : header[k] == "lesson"     ? &columns.lesson
                                                                   : nullptr;
    if (slot == nullptr || slot->has_value()) return std::nullopt;
    *slot = k;
  }
  return columns;
}

// A run read from its cells, with the file's condition number (0: none); nothing when a cell
// holds what the program never writes there.
struct ReadRun {
  PooledRun pooled;
  int file_condition = 0;
  std::string start_key;  // the start time's or the seed's text
};

std::optional<ReadRun> RunOfCells(const std::vector<std::string>& cells, const Columns& columns) {
  if (cells.size() != columns.count) return std::nullopt;
  ReadRun read;
  Run& run = read.pooled.run;
  const std::optional<long long> number = Whole(cells[0], 1, kIntMax);
  if (!number || (cells[1] != "hand" && cells[1] != "judge")) return std::nullopt;
  run.number = static_cast<int>(*number);
  run.mode = cells[1] == "judge" ? RunMode::kJudge : RunMode::kHand;
  if (!cells[2].empty()) {
    run.started_utc = ParseUtc(cells[2]);
    if (!run.started_utc || FormatUtc(*run.started_utc) != cells[2]) return std::nullopt;
  }
  const auto population = Whole(cells[3], kMinStartOrganisms, kMaxStartOrganisms);
  const auto creativity = Whole(cells[4], std::numeric_limits<int>::min(), kIntMax);
  const auto bonus = Whole(cells[5], std::numeric_limits<int>::min(), kIntMax);
  const auto feeds = Whole(cells[7], 0, kIntMax);
  const auto shots = Whole(cells[8], 0, kIntMax);
  const auto clicks = Whole(cells[9], 0, kIntMax);
  if (!population || !creativity || !bonus || !feeds || !shots || !clicks ||
      *clicks != *feeds + *shots) {
    return std::nullopt;
  }
  run.start = {static_cast<int>(*population), static_cast<int>(*creativity),
               static_cast<int>(*bonus)};
  run.goal = cells[6];
  run.feeds = static_cast<int>(*feeds);
  run.shots = static_cast<int>(*shots);
  if (!ReadClick(cells[10], run.first_match_click) || !ReadClick(cells[11], run.stable_click)) {
    return std::nullopt;
  }
  if (cells[12] == "program") {
    run.reached_by = ReachedBy::kProgram;
  } else if (cells[12] == "user") {
    run.reached_by = ReachedBy::kUser;
  } else if (!cells[12].empty()) {
    return std::nullopt;
  }
  read.start_key = cells[2];
  if (columns.condition) {
    const auto condition = Whole(cells[*columns.condition], 1, kIntMax);
    if (!condition) return std::nullopt;
    read.file_condition = static_cast<int>(*condition);
  }
  if (columns.seed && !cells[*columns.seed].empty()) {
    const auto seed = Whole(cells[*columns.seed], 0, std::numeric_limits<std::uint32_t>::max());
    if (!seed) return std::nullopt;
    read.pooled.seed = static_cast<std::uint32_t>(*seed);
    read.start_key = "seed " + cells[*columns.seed];
  }
  if (columns.strictness) {
    const std::optional<double> strictness = ParseDecimal(cells[*columns.strictness]);
    if (!strictness || !(*strictness >= 0.0 && *strictness <= 1.0)) return std::nullopt;
    read.pooled.strictness = *strictness;
  }
  if (columns.pupil) run.pupil = cells[*columns.pupil];
  if (columns.lesson) run.lesson = cells[*columns.lesson];
  return read;
}

// What makes runs one condition.
using ConditionKey = std::tuple<int, std::string, int, int, int, double>;

ConditionKey KeyOf(const PooledRun& pooled) {
  const Run& run = pooled.run;
  return {run.mode == RunMode::kJudge ? 1 : 0,
          run.goal,
          run.start.start_organisms,
          run.start.creativity,
          run.start.bonus,
          pooled.strictness};
}

// The goal a condition compares by: its text as the runs carry it (a key=value list or an
// idea's sentence); a key=value list is read for its words.
Goal GoalOfText(const std::string& text) {
  ParsedGoal parsed = ParseGoalList(text);
  if (parsed.error.empty() && FormatGoalList(parsed.goal) == text) return parsed.goal;
  Goal goal;
  goal.text = text;
  return goal;
}

// Gathers the runs read into groups by lesson, with their conditions numbered.
struct Pool {
  struct Found {
    int first_file_condition;
    std::size_t first_seen;
  };
  struct Building {
    ClassGroup group;
    std::vector<ReadRun> runs;
  };
  std::vector<Building> groups;
  std::map<std::string, std::size_t> by_lesson;

  void Add(ReadRun run) {
    const auto [at, added] = by_lesson.emplace(run.pooled.run.lesson, groups.size());
    if (added) {
      groups.emplace_back();
      groups.back().group.lesson = run.pooled.run.lesson;
    }
    groups[at->second].runs.push_back(std::move(run));
  }

  std::vector<ClassGroup> Finish() {
    std::vector<ClassGroup> finished;
    for (Building& building : groups) {
      ClassGroup& group = building.group;
      std::map<ConditionKey, Found> found;
      for (std::size_t i = 0; i < building.runs.size(); ++i) {
        const ReadRun& run = building.runs[i];
        const int order = run.file_condition > 0 ? run.file_condition : kIntMax;
        const auto [at, added] = found.emplace(KeyOf(run.pooled), Found{order, i});
        if (!added)
          at->second.first_file_condition = std::min(at->second.first_file_condition, order);
      }
      std::vector<std::pair<ConditionKey, Found>> ordered(found.begin(), found.end());
      std::sort(ordered.begin(), ordered.end(), [](const auto& a, const auto& b) {
        return std::tie(a.second.first_file_condition, a.second.first_seen) <
               std::tie(b.second.first_file_condition, b.second.first_seen);
      });
      std::map<ConditionKey, int> number;
      for (const auto& [key, first] : ordered) {
        number[key] = static_cast<int>(group.plan.conditions.size()) + 1;
        Condition condition;
        condition.goal = GoalOfText(std::get<1>(key));
        condition.parameters = {std::get<2>(key), std::get<3>(key), std::get<4>(key)};
        condition.strictness = std::get<5>(key);
        group.plan.conditions.push_back(std::move(condition));
        group.modes.push_back(std::get<0>(key) == 1 ? RunMode::kJudge : RunMode::kHand);
      }
      for (ReadRun& run : building.runs) {
        run.pooled.condition = number[KeyOf(run.pooled)];
        if (std::find(group.pupils.begin(), group.pupils.end(), run.pooled.run.pupil) ==
            group.pupils.end()) {
          group.pupils.push_back(run.pooled.run.pupil);
        }
        group.runs.push_back(std::move(run.pooled));
      }
      finished.push_back(std::move(group));
    }
    return finished;
  }
};

}  // namespace

ClassResults PoolRunsFiles(std::span<const RunsFile> files) {
  ClassResults results;
  Pool pool;
  std::set<std::tuple<std::string, std::string, int, std::string>> seen;
  std::size_t pooled = 0;
  for (const RunsFile& file : files) {
    if (file.text.size() > kMaxRunsFileBytes) {
      results.skipped.push_back(Arg(Tr(kContext, "%1: larger than %2 MB, skipped."),
                                    {file.name, Count(kMaxRunsFileBytes >> 20)}));
      continue;
    }
    const std::vector<std::vector<std::string>> rows = ParseCsv(file.text);
    const std::optional<Columns> columns =
        rows.empty() ? std::nullopt : HeaderColumns(rows.front());
    if (!columns) {
      results.skipped.push_back(Arg(Tr(kContext, "%1: not a runs file, skipped."), {file.name}));
      continue;
    }
    ++results.files_read;
    for (std::size_t i = 1; i < rows.size(); ++i) {
      const std::vector<std::string>& cells = rows[i];
      if (cells.size() == 1 && cells.front().empty()) continue;  // an empty line
      const std::string line = Count(static_cast<long long>(i) + 1);
      std::optional<ReadRun> run = RunOfCells(cells, *columns);
      if (!run) {
        results.skipped.push_back(
            Arg(Tr(kContext, "%1, line %2: damaged, skipped."), {file.name, line}));
        continue;
      }
      const Run& r = run->pooled.run;
      if (!seen.emplace(r.pupil, r.lesson, r.number, run->start_key).second) {
        results.skipped.push_back(Arg(Tr(kContext, "%1, line %2: run %3 was read before, skipped."),
                                      {file.name, line, Count(r.number)}));
        continue;
      }
      if (pooled == kMaxPooledRuns) {
        results.skipped.push_back(
            Arg(Tr(kContext, "%1, line %2: more than %3 runs in all, the rest skipped."),
                {file.name, line, Count(static_cast<long long>(kMaxPooledRuns))}));
        break;
      }
      ++pooled;
      pool.Add(std::move(*run));
    }
  }
  results.groups = pool.Finish();
  return results;
}

std::vector<ConditionResults> GroupResults(const ClassGroup& group,
                                           const std::optional<std::string>& pupil) {
  std::vector<ConditionResults> results(group.plan.conditions.size());
  for (const PooledRun& pooled : group.runs) {
    if (pupil && pooled.run.pupil != *pupil) continue;
    ConditionResults& result = results[pooled.condition - 1];
    ++result.runs;
    if (pooled.run.reached()) ++result.reached;
    if (pooled.run.first_match_click) {
      result.first_match_clicks.push_back(*pooled.run.first_match_click);
    }
    if (pooled.run.stable_click) result.stable_clicks.push_back(*pooled.run.stable_click);
  }
  return results;
}

std::string ClassSummary(const ClassResults& results) {
  if (results.groups.empty()) return Tr(kContext, "No runs to summarize.") + "\n";
  std::string text;
  for (std::size_t g = 0; g < results.groups.size(); ++g) {
    const ClassGroup& group = results.groups[g];
    if (g > 0) {
      text += "\n";
      text += group.lesson.empty()
                  ? Tr(kContext, "Runs of no lesson, kept apart:")
                  : Arg(Tr(kContext, "Runs of another lesson (%1), kept apart:"), {group.lesson});
      text += "\n";
    }
    text += SummaryReport(group.plan, GroupResults(group));
    if (group.pupils.size() < 2) continue;
    for (const std::string& pupil : group.pupils) {
      text += "\n";
      text += pupil.empty() ? Tr(kContext, "Runs without a name:")
                            : Arg(Tr(kContext, "Pupil %1:"), {pupil});
      text += "\n";
      text += SummaryReport(group.plan, GroupResults(group, pupil));
    }
  }
  return text;
}

namespace {

std::vector<std::string> PooledCells(const PooledRun& pooled) {
  std::vector<std::string> cells = RunCells(pooled.run);
  // RunCells ends with the owner's cells; vantrel-lab's columns go before them.
  cells.insert(
      cells.begin() + kMeasures,
      {std::to_string(pooled.condition), pooled.seed ? std::to_string(*pooled.seed) : std::string(),
       ShortestDecimal(pooled.strictness)});
  return cells;
}

}  // namespace

std::string PooledRunsCsv(const ClassResults& results) {
  std::string csv = BatchCsvHeader();
  for (const ClassGroup& group : results.groups) {
    for (const PooledRun& pooled : group.runs) {
      const std::vector<std::string> cells = PooledCells(pooled);
      for (std::size_t k = 0; k < cells.size(); ++k) {
        if (k > 0) csv += ',';
        csv += CsvField(cells[k]);
      }
      csv += kCsvLineEnd;
    }
  }
  return csv;
}

Workbook PooledRunsWorkbook(const ClassResults& results) {
  const std::string header = BatchCsvHeader();
  std::vector<std::vector<std::string>> rows = ParseCsv(header);
  for (const ClassGroup& group : results.groups) {
    for (const PooledRun& pooled : group.runs) rows.push_back(PooledCells(pooled));
  }
  constexpr CellType kText = CellType::kText;
  constexpr CellType kNumber = CellType::kNumber;
  // run, mode, started_utc, population, creativity, bonus, goal, feeds, shots, clicks,
  // first_match_click, stable_click, reached_by, condition, seed, strictness, pupil, lesson.
  Workbook workbook;
  workbook.sheets.push_back(
      MakeSheet(kRunsSheetName, rows,
                {kNumber, kText, kText, kNumber, kNumber, kNumber, kText, kNumber, kNumber, kNumber,
                 kNumber, kNumber, kText, kNumber, kNumber, kNumber, kText, kText}));
  return workbook;
}

}  // namespace vantrel

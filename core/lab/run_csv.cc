#include "lab/run_csv.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include "language/catalogue.h"

namespace vantrel {

namespace {

std::string Optional(const std::optional<int>& value) {
  return value ? std::to_string(*value) : std::string();
}

std::string_view ReachedByText(ReachedBy by) {
  switch (by) {
    case ReachedBy::kProgram:
      return "program";
    case ReachedBy::kUser:
      return "user";
    case ReachedBy::kNone:
      break;
  }
  return {};
}

// Days since 1970-01-01 to a civil date (proleptic Gregorian calendar).
void CivilFromDays(std::int64_t days, std::int64_t& year, int& month, int& day) {
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const auto doe = static_cast<int>(days - era * 146097);
  const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int mp = (5 * doy + 2) / 153;
  day = doy - (153 * mp + 2) / 5 + 1;
  month = mp < 10 ? mp + 3 : mp - 9;
  year = yoe + era * 400 + (month <= 2 ? 1 : 0);
}

}  // namespace

std::string CsvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  quoted += '"';
  return quoted;
}

std::string FormatUtc(std::int64_t seconds) {
  constexpr std::int64_t kDay = 86400;
  std::int64_t days = seconds / kDay;
  std::int64_t rest = seconds % kDay;
  if (rest < 0) {
    rest += kDay;
    --days;
  }
  std::int64_t year = 0;
  int month = 0;
  int day = 0;
  CivilFromDays(days, year, month, day);
  char text[48];
  std::snprintf(text, sizeof text, "%04lld-%02d-%02dT%02d:%02d:%02dZ", static_cast<long long>(year),
                month, day, static_cast<int>(rest / 3600), static_cast<int>(rest / 60 % 60),
                static_cast<int>(rest % 60));
  return text;
}

std::vector<std::string> RunCells(const Run& run) {
  return {std::to_string(run.number),
          run.mode == RunMode::kHand ? "hand" : "judge",
          run.started_utc ? FormatUtc(*run.started_utc) : std::string(),
          std::to_string(run.start.start_organisms),
          std::to_string(run.start.creativity),
          std::to_string(run.start.bonus),
          run.goal,
          std::to_string(run.feeds),
          std::to_string(run.shots),
          std::to_string(run.clicks()),
          Optional(run.first_match_click),
          Optional(run.stable_click),
          std::string(ReachedByText(run.reached_by)),
          run.pupil,
          run.lesson};
}

namespace {

constexpr std::size_t kMeasureCount = 13;

std::string JoinCsv(const std::vector<std::string>& cells, std::size_t from, std::size_t to) {
  std::string line;
  for (std::size_t i = from; i < to; ++i) {
    if (i > from) line += ',';
    line += CsvField(cells[i]);
  }
  return line;
}

}  // namespace

std::string RunCsvCells(const Run& run) {
  const std::vector<std::string> cells = RunCells(run);
  return JoinCsv(cells, 0, cells.size());
}

std::string RunMeasureCsvCells(const Run& run) { return JoinCsv(RunCells(run), 0, kMeasureCount); }

std::string RunOwnerCsvCells(const Run& run) {
  return CsvField(run.pupil) + "," + CsvField(run.lesson);
}

std::string RunsCsv(std::span<const Run> runs) {
  std::string text(kRunCsvHeader);
  text += kCsvLineEnd;
  for (const Run& run : runs) {
    text += RunCsvCells(run);
    text += kCsvLineEnd;
  }
  return text;
}

std::vector<std::vector<std::string>> ParseCsv(std::string_view text) {
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> row;
  std::string cell;
  bool quoted = false;
  bool row_open = false;  // something of the current row has been read
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c != '"') {
        cell += c;
      } else if (i + 1 < text.size() && text[i + 1] == '"') {
        cell += '"';
        ++i;
      } else {
        quoted = false;
      }
      continue;
    }
    row_open = true;
    if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      row.push_back(std::move(cell));
      cell.clear();
    } else if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      row.push_back(std::move(cell));
      cell.clear();
      rows.push_back(std::move(row));
      row.clear();
      row_open = false;
    } else {
      cell += c;
    }
  }
  if (row_open || quoted) {
    row.push_back(std::move(cell));
    rows.push_back(std::move(row));
  }
  return rows;
}

namespace {

std::optional<int> OptionalInt(const std::string& cell) {
  if (cell.empty()) return std::nullopt;
  return std::atoi(cell.c_str());
}

}  // namespace

std::optional<std::int64_t> ParseUtc(const std::string& text) {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
  if (std::sscanf(text.c_str(), "%d-%d-%dT%d:%d:%dZ", &year, &month, &day, &hour, &minute,
                  &second) != 6) {
    return std::nullopt;
  }
  // Days from the civil date (proleptic Gregorian), the inverse of the formatter's.
  const int y = year - (month <= 2 ? 1 : 0);
  const int era = (y >= 0 ? y : y - 399) / 400;
  const int year_of_era = y - era * 400;
  const int day_of_year = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  const std::int64_t days = static_cast<std::int64_t>(era) * 146097 + day_of_era - 719468;
  return days * 86400 + std::int64_t{hour} * 3600 + std::int64_t{minute} * 60 + second;
}

std::vector<Run> ParseRunsCsv(std::string_view csv) {
  constexpr std::size_t kColumns = kMeasureCount;
  std::vector<Run> runs;
  const std::vector<std::vector<std::string>> rows = ParseCsv(csv);
  // The owner's columns by their names: vantrel-lab's CSV has its own before them.
  std::optional<std::size_t> pupil_column;
  std::optional<std::size_t> lesson_column;
  if (!rows.empty()) {
    for (std::size_t k = 0; k < rows[0].size(); ++k) {
      if (rows[0][k] == "pupil") pupil_column = k;
      if (rows[0][k] == "lesson") lesson_column = k;
    }
  }
  for (std::size_t i = 1; i < rows.size(); ++i) {
    const std::vector<std::string>& cells = rows[i];
    if (cells.size() < kColumns) continue;
    Run run;
    run.number = std::atoi(cells[0].c_str());
    run.mode = cells[1] == "judge" ? RunMode::kJudge : RunMode::kHand;
    run.started_utc = ParseUtc(cells[2]);
    run.start = {std::atoi(cells[3].c_str()), std::atoi(cells[4].c_str()),
                 std::atoi(cells[5].c_str())};
    run.goal = cells[6];
    run.feeds = std::atoi(cells[7].c_str());
    run.shots = std::atoi(cells[8].c_str());
    run.first_match_click = OptionalInt(cells[10]);
    run.stable_click = OptionalInt(cells[11]);
    run.reached_by = cells[12] == "program" ? ReachedBy::kProgram
                     : cells[12] == "user"  ? ReachedBy::kUser
                                            : ReachedBy::kNone;
    if (pupil_column && *pupil_column < cells.size()) run.pupil = cells[*pupil_column];
    if (lesson_column && *lesson_column < cells.size()) run.lesson = cells[*lesson_column];
    runs.push_back(std::move(run));
  }
  return runs;
}

Sheet RunsSheet(std::span<const Run> runs) {
  std::vector<std::vector<std::string>> rows(1);
  for (std::size_t start = 0; start <= kRunCsvHeader.size();) {
    const std::size_t comma = std::min(kRunCsvHeader.find(',', start), kRunCsvHeader.size());
    rows.front().emplace_back(kRunCsvHeader.substr(start, comma - start));
    start = comma + 1;
  }
  for (const Run& run : runs) rows.push_back(RunCells(run));
  // In the header's order: run, mode, started_utc, population, creativity, bonus, goal,
  // feeds, shots, clicks, first_match_click, stable_click, reached_by, pupil, lesson.
  constexpr CellType kText = CellType::kText;
  constexpr CellType kNumber = CellType::kNumber;
  return MakeSheet(kRunsSheetName, rows,
                   {kNumber, kText, kText, kNumber, kNumber, kNumber, kText, kNumber, kNumber,
                    kNumber, kNumber, kNumber, kText, kText, kText});
}

std::string RunsFileName(std::string_view pupil) {
  constexpr std::size_t kMaxNameBytes = 64;
  std::string name;
  for (const char c : pupil) {
    const auto byte = static_cast<unsigned char>(c);
    const bool unsafe = byte < 0x20 || byte == 0x7F ||
                        std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos;
    name += unsafe ? '_' : c;
  }
  const std::size_t first = name.find_first_not_of(" .");
  name = first == std::string::npos ? std::string() : name.substr(first);
  if (name.size() > kMaxNameBytes) {
    std::size_t end = kMaxNameBytes;
    // Not inside a character: back to the first byte of the one cut.
    while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) --end;
    name.resize(end);
  }
  while (!name.empty() && (name.back() == ' ' || name.back() == '.')) name.pop_back();
  return name.empty() ? "runs.csv" : "runs-" + name + ".csv";
}

FileQuestion ExportRunsQuestion(std::string_view pupil) {
  FileQuestion question;
  question.mode = FileQuestion::Mode::kSave;
  question.title = Tr("Lab", "Export runs");
  question.filters = {Arg(Tr("Lab", "CSV files (%1)"), {"*.csv"})};
  question.suffix = "csv";
  question.suggested_name = RunsFileName(pupil);
  return question;
}

}  // namespace vantrel

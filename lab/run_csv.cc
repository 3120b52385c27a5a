#include "lab/run_csv.h"

#include <cstdio>

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

std::string RunCsvCells(const Run& run) {
  std::string line = std::to_string(run.number);
  const auto add = [&line](std::string_view cell) {
    line += ',';
    line += CsvField(cell);
  };
  add(run.mode == RunMode::kHand ? "hand" : "judge");
  add(run.started_utc ? FormatUtc(*run.started_utc) : std::string());
  add(std::to_string(run.start.population));
  add(std::to_string(run.start.creativity));
  add(std::to_string(run.start.bonus));
  add(run.goal);
  add(std::to_string(run.feeds));
  add(std::to_string(run.shots));
  add(std::to_string(run.clicks()));
  add(Optional(run.first_match_click));
  add(Optional(run.stable_click));
  add(ReachedByText(run.reached_by));
  return line;
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

}  // namespace vantrel

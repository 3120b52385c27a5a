#ifndef VANTREL_LAB_RUN_CSV_H_
#define VANTREL_LAB_RUN_CSV_H_

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "lab/run.h"
#include "storage/file_name_dialog.h"
#include "storage/workbook.h"

namespace vantrel {

// The run table as CSV (RFC 4180: CR LF line ends, one header line, UTF-8 as given): the
// measures of each run, then whose it is. vantrel-lab's CSV puts its own columns between
// the two.
inline constexpr std::string_view kRunMeasureColumns =
    "run,mode,started_utc,population,creativity,bonus,goal,feeds,shots,clicks,"
    "first_match_click,stable_click,reached_by";
inline constexpr std::string_view kRunOwnerColumns = "pupil,lesson";
inline constexpr std::string_view kRunCsvHeader =
    "run,mode,started_utc,population,creativity,bonus,goal,feeds,shots,clicks,"
    "first_match_click,stable_click,reached_by,pupil,lesson";
inline constexpr std::string_view kCsvLineEnd = "\r\n";

// A cell as CSV: quoted, with its quotes doubled, when it holds a comma, a quote or a line
// break; as it is otherwise.
std::string CsvField(std::string_view text);

// 2026-12-08T21:36:32Z for a time in seconds since 1970-01-01 00:00 UTC.
std::string FormatUtc(std::int64_t seconds);
// The seconds back from such a text; nothing for other text.
std::optional<std::int64_t> ParseUtc(const std::string& text);

// The cells of one run in the header's order. Events that did not happen leave their cell
// empty.
std::vector<std::string> RunCells(const Run& run);
// The same as CSV, joined by commas, without a line end.
std::string RunCsvCells(const Run& run);
// Only the measures' cells (kRunMeasureColumns), or only the owner's (kRunOwnerColumns), as
// CSV.
std::string RunMeasureCsvCells(const Run& run);
std::string RunOwnerCsvCells(const Run& run);

// Header and one line per run.
std::string RunsCsv(std::span<const Run> runs);

// The rows of RFC 4180 text, each a list of cells: quoted cells may hold commas, doubled
// quotes and line breaks; CR LF, CR and LF end a row.
std::vector<std::vector<std::string>> ParseCsv(std::string_view text);

// The runs of a table written by RunsCsv, read back (the parameter changes within a run are
// not in the table and are not restored). Lines with too few cells are passed over; a table
// from before the owner's columns reads with no pupil and no lesson.
std::vector<Run> ParseRunsCsv(std::string_view csv);

// The name of the run table's sheet.
inline constexpr char kRunsSheetName[] = "Runs";

// The run table as "To spreadsheet" shows it: the header's names, then each run's cells as
// the CSV has them; the counts and the starting parameters are numbers, the rest text.
Sheet RunsSheet(std::span<const Run> runs);

// What the export dialog of the run table asks: a CSV file to save, titled "Export runs",
// named after the pupil where there is one (RunsFileName).
FileQuestion ExportRunsQuestion(std::string_view pupil = {});

// "runs.csv", or "runs-<pupil>.csv" with the name made safe for every file system: the
// characters / \ : * ? " < > | and control characters become '_', leading and trailing
// spaces and dots go, and at most 64 bytes of the name are kept (whole UTF-8 characters).
std::string RunsFileName(std::string_view pupil);

}  // namespace vantrel

#endif  // VANTREL_LAB_RUN_CSV_H_

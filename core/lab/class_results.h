#ifndef VANTREL_LAB_CLASS_RESULTS_H_
#define VANTREL_LAB_CLASS_RESULTS_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "lab/batch.h"
#include "lab/run.h"
#include "storage/workbook.h"

namespace vantrel {

// A class's results: many runs files pooled (the notebook's exports, old ones without the
// owner's columns too, and vantrel-lab's CSV), the runs of each condition per pupil and in
// total, with the summary every face shows and vantrel-lab --summarize prints.

// One file as read: its name (for the messages) and its bytes.
struct RunsFile {
  std::string name;
  std::string text;
};

// A run as pooled, with what vantrel-lab's CSV adds to it.
struct PooledRun {
  Run run;
  int condition = 0;                  // the pooled condition, from 1
  std::optional<std::uint32_t> seed;  // vantrel-lab's runs only
  double strictness = 1.0;
};

// The runs of one lesson (or of none): conditions in the order of the files' condition
// numbers, then of their first run; a condition is the goal, the parameters at the start,
// the strictness and whether runs were played by hand or by the judge.
struct ClassGroup {
  std::string lesson;               // LessonId, empty: runs of no lesson
  BatchPlan plan;                   // the conditions; nothing else of it is used
  std::vector<RunMode> modes;       // per condition
  std::vector<std::string> pupils;  // in order of their first run; "" for runs without a name
  std::vector<PooledRun> runs;      // in the order read
};

struct ClassResults {
  // The class's lesson first (the lesson of the first run read), then the runs of every other
  // lesson, each apart.
  std::vector<ClassGroup> groups;
  // What was named and skipped, one line each in the current language: a file that is not a
  // runs file or is too large, a damaged line, a duplicate run.
  std::vector<std::string> skipped;
  int files_read = 0;
};

// The limits: a larger file, or runs past the total, are skipped and said.
inline constexpr std::size_t kMaxRunsFileBytes = 32u << 20;
inline constexpr std::size_t kMaxPooledRuns = 1'000'000;

// Reads and pools the files. A run is a duplicate of one read before when its pupil, lesson,
// run number and start (the start time, or for vantrel-lab's runs the seed) are the same.
ClassResults PoolRunsFiles(std::span<const RunsFile> files);

// The runs of `group` per condition: all of them, or only `pupil`'s.
std::vector<ConditionResults> GroupResults(const ClassGroup& group,
                                           const std::optional<std::string>& pupil = {});

// The class's summary as text, the one every face shows and saves: for the class's lesson
// the summary of all runs (SummaryReport, exactly vantrel-lab's for its own CSV files); with
// more than one pupil each pupil's after it; then each other lesson's apart.
std::string ClassSummary(const ClassResults& results);

// The pooled runs as one CSV in vantrel-lab's layout (the measures, the pooled condition,
// seed and strictness, then pupil and lesson), every group's runs; PoolRunsFiles reads it back
// as the same runs.
std::string PooledRunsCsv(const ClassResults& results);
// The same as a workbook of one sheet, counts and parameters as numbers.
Workbook PooledRunsWorkbook(const ClassResults& results);

}  // namespace vantrel

#endif  // VANTREL_LAB_CLASS_RESULTS_H_

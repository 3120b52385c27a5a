#ifndef VANTREL_LAB_LAB_OPTIONS_H_
#define VANTREL_LAB_LAB_OPTIONS_H_

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "lab/batch.h"
#include "lab/goal.h"
#include "language/language.h"

namespace vantrel {

// The command line of vantrel-lab, checked.
struct LabOptions {
  std::vector<Goal> goals;
  std::vector<int> populations{10};
  std::vector<int> creativities{10};
  std::vector<int> bonuses{1};
  std::vector<double> strictnesses{1.0};
  // --learner: the judge's clicks before the learner plays on alone, a condition each
  // (0: no learner); empty without the option.
  std::vector<int> learners;
  int runs = 100;
  std::uint32_t seed = 1;
  int max_clicks = 1'000'000;
  std::optional<Goal> warmup_goal;
  int warmup_clicks = 100;
  std::string csv_path;  // empty: no CSV
  std::string pupil;     // --pupil, for the CSV's pupil column
  std::string lesson;    // --lesson, 8 hex digits for the CSV's lesson column
  int jobs = 0;          // 0: one per core
  int shard = 1;         // this share, from 1
  int shards = 1;        // of so many
  bool help = false;
  bool quiet = false;  // no progress bar
  // --summarize FILE...: summarize these runs files (PoolRunsFiles) and play nothing.
  bool summarize = false;
  std::vector<std::string> summarize_files;
  std::optional<Language> language;  // --lang; without it the environment's
};

// The runs per condition the "Run automatically" panel of either face offers first: fewer than
// vantrel-lab's, so that a first try is over soon. Its other first values are LabOptions'.
inline constexpr int kPanelRuns = 20;

struct ParsedLabOptions {
  LabOptions options;
  std::string error;  // one line naming the option, empty when the line is good
};

// Reads the arguments after the program name. Checks every value but the CSV file's
// writability (which needs the file system). Its messages are in the current language.
ParsedLabOptions ParseLabOptions(std::span<const std::string_view> args);

// The language the last good --lang names, read before anything prints so that even the
// message about a bad option is in it; every other argument is skipped as the parser
// would skip it.
std::optional<Language> LanguageArgument(std::span<const std::string_view> args);

// The grid of conditions: every goal with every population, creativity, bonus,
// strictness and learner (the last varying fastest).
BatchPlan PlanOf(const LabOptions& options);

// The text of --help.
std::string LabUsage();

}  // namespace vantrel

#endif  // VANTREL_LAB_LAB_OPTIONS_H_

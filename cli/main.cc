// vantrel-lab: plays the experiments automatically from the command line. Reads the options,
// checks them all (and that the CSV can be written) before any work, plays the runs on
// threads, then writes the CSV and prints the summary with each condition compared with
// the first of its goal; or, with --summarize, prints the summary of runs files.
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "lab/batch_threads.h"
#include "lab/class_results.h"
#include "lab/condition_comparison.h"
#include "lab/lab_options.h"
#include "language/catalogue.h"
#include "language/language_choice.h"
#include "language/numbers.h"
#include "storage/atomic_file.h"

namespace {

std::atomic<bool> stop_requested{false};

extern "C" void OnInterrupt(int /*signal*/) { stop_requested.store(true); }

// A count as the language writes it; in English as plain as ever.
std::string Count(long long number) { return vantrel::LocalNumber(std::to_string(number)); }

void DrawProgress(int done, int total) {
  constexpr int kWidth = 40;
  const int filled = total > 0 ? done * kWidth / total : kWidth;
  std::string bar(static_cast<std::size_t>(filled), '#');
  bar.resize(kWidth, '.');
  const std::string count =
      vantrel::Arg(vantrel::TrN("LabCli", "%1/%2 runs", total), {Count(done), Count(total)});
  std::fprintf(stderr, "\r[%s] %s", bar.c_str(), count.c_str());
  std::fflush(stderr);
}

// --summarize: pools the files' runs and prints their summary; what was skipped goes to
// standard error. Status 1 when a file could not be read.
int Summarize(const std::vector<std::string>& paths) {
  std::vector<vantrel::RunsFile> files;
  int status = 0;
  for (const std::string& path : paths) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
      const std::string error = vantrel::Arg(vantrel::Tr("LabCli", "%1: cannot be read"), {path});
      std::fprintf(stderr, "vantrel-lab: %s\n", error.c_str());
      status = 1;
      continue;
    }
    // One byte past the limit is enough to know the file is too large.
    std::string text(vantrel::kMaxRunsFileBytes + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    files.push_back({path, std::move(text)});
  }
  const vantrel::ClassResults results = vantrel::PoolRunsFiles(files);
  for (const std::string& skipped : results.skipped) {
    std::fprintf(stderr, "vantrel-lab: %s\n", skipped.c_str());
  }
  std::fputs(vantrel::ClassSummary(results).c_str(), stdout);
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  using vantrel::LabOptions;
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  // Every text from here on, the first error message too, speaks the chosen language.
  vantrel::SetLanguage(
      vantrel::LanguageArgument(args).value_or(vantrel::LanguageFromEnvironment()));
  const vantrel::ParsedLabOptions parsed = vantrel::ParseLabOptions(args);
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "vantrel-lab: %s\n", parsed.error.c_str());
    return 2;
  }
  const LabOptions& options = parsed.options;
  if (options.help) {
    std::fputs(vantrel::LabUsage().c_str(), stdout);
    return 0;
  }
  if (options.summarize) return Summarize(options.summarize_files);
  if (!options.csv_path.empty()) {
    const std::string error = vantrel::CheckWritable(options.csv_path);
    if (!error.empty()) {
      std::fprintf(stderr, "vantrel-lab: --csv: %s\n", error.c_str());
      return 2;
    }
  }

  const vantrel::BatchPlan plan = vantrel::PlanOf(options);
  const std::vector<int> numbers =
      vantrel::ShardRuns(plan.TotalRuns(), options.shard, options.shards);
  const int jobs = options.jobs > 0 ? options.jobs : vantrel::DefaultJobs();

  struct sigaction action {};
  action.sa_handler = OnInterrupt;
  action.sa_flags = SA_RESETHAND;  // a second Ctrl+C ends the program at once
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);

  const bool show_progress = !options.quiet && isatty(STDERR_FILENO) != 0;
  const int total = static_cast<int>(numbers.size());
  std::function<void(int)> progress;
  if (show_progress) progress = [total](int done) { DrawProgress(done, total); };
  const std::vector<vantrel::BatchRun> runs =
      vantrel::PlayBatch(plan, numbers, jobs, &stop_requested, progress);
  if (show_progress) std::fputc('\n', stderr);

  int status = 0;
  if (!options.csv_path.empty()) {
    std::string csv = vantrel::BatchCsvHeader(plan.learner);
    for (const vantrel::BatchRun& run : runs) csv += vantrel::BatchCsvLine(run);
    const std::string error = vantrel::WriteFileAtomically(options.csv_path, csv);
    if (!error.empty()) {
      std::fprintf(stderr, "vantrel-lab: %s\n", error.c_str());
      status = 1;
    }
  }
  std::fputs(vantrel::SummaryReport(plan, runs).c_str(), stdout);
  if (stop_requested.load()) {
    const std::string stopped =
        vantrel::Arg(vantrel::TrN("LabCli", "stopped; %1 of %2 runs finished", total),
                     {Count(static_cast<long long>(runs.size())), Count(total)});
    std::fprintf(stderr, "vantrel-lab: %s\n", stopped.c_str());
    return 130;
  }
  return status;
}

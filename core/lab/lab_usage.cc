#include <string_view>

#include "lab/lab_options.h"
#include "language/catalogue.h"
#include "language/text_width.h"

namespace vantrel {

namespace {

constexpr std::string_view kContext = "LabCli";

// The option's name with its placeholder, and what it does in lines of their own; the help
// indents the lines under each other. Option names and goal words stay in every language.
struct OptionHelp {
  std::string_view names;
  std::string_view text;
};

constexpr OptionHelp kOptions[] = {
    {"--goal G",
     "the goal; repeat the option for several goals (a condition each).\n"
     "Keys and words: color (red blue brown green black purple yellow\n"
     "orange gray bordeaux), intensity (pale light medium dark), shape\n"
     "(line triangle square polygon circle), size (tiny small medium large\n"
     "giant), thickness (fine thin medium fat thick), linestyle (broken thin\n"
     "medium bold heavy), spokes (yes no).\n"
     "Example: --goal color=green,shape=square,spokes=yes"},
    {"--population LIST",
     "start population box, 2 to 1000 (default 10; the table then holds\n"
     "one organism fewer). Example: --population 10,50"},
    {"--creativity LIST",
     "chance of a mutation in percent, 0 to 99 (default 10).\n"
     "Example: --creativity 5,20,50"},
    {"--bonus LIST", "survival bonus of a feed (default 1). Example: --bonus 1"},
    {"--strictness LIST",
     "0 to 1 (default 1): with probability 1 - strictness the judge errs on\n"
     "purpose, shooting a hit or feeding a miss. Example: --strictness 1,0.9"},
    {"--learner LIST",
     "the judge clicks K times, then a learner trained on those clicks\n"
     "plays on alone until stable or --max-clicks; a condition per K,\n"
     "0 for none. Adds the CSV columns learner,judge_clicks and the\n"
     "judge's clicks to the summary. Example: --learner 0,10,30,100"},
    {"--runs N", "runs per condition (default 100). Example: --runs 200"},
    {"--seed S", "base seed, 0 to 4294967295 (default 1). Example: --seed 7"},
    {"--max-clicks N",
     "a run that is not stable after N clicks ends as not reached\n"
     "(default 1000000). Example: --max-clicks 50000"},
    {"--warmup-goal G",
     "judge by G for the first --warmup-clicks clicks (same strictness),\n"
     "then switch to --goal and count from there.\n"
     "Example: --warmup-goal color=green --warmup-clicks 100"},
    {"--warmup-clicks N", "length of the warm-up (default 100). Example: --warmup-clicks 100"},
    {"--csv FILE",
     "write one line per run: run,mode,started_utc,population,creativity,\n"
     "bonus,goal,feeds,shots,clicks,first_match_click,stable_click,\n"
     "reached_by,condition,seed,strictness,pupil,lesson (the last two as\n"
     "--pupil and --lesson give them). Written atomically at the end, also\n"
     "after Ctrl+C (with the runs finished so far).\n"
     "Example: --csv runs.csv"},
    {"--pupil NAME",
     "the name in the CSV's pupil column (default: none).\n"
     "Example: --pupil Anna"},
    {"--lesson ID",
     "the lesson's 8 hex digits in the CSV's lesson column (default: none).\n"
     "Example: --lesson 0a1b2c3d"},
    {"--jobs N", "threads (default: the number of cores). Example: --jobs 2"},
    {"--shard K/N",
     "play only the K-th of N equal shares of the runs (every N-th run\n"
     "from run K), to spread one sweep over several machines. The shards'\n"
     "CSV lines, merged and sorted by run, equal the single-machine CSV.\n"
     "Example with GNU parallel over two hosts:\n"
     "  parallel -S host1,host2 --return shard{}.csv --cleanup \\\n"
     "    vantrel-lab --goal shape=square --runs 200 --seed 7 \\\n"
     "    --shard {}/4 --csv shard{}.csv ::: 1 2 3 4\n"
     "  { head -n 1 shard1.csv; tail -q -n +2 shard*.csv | sort -t, -k1,1n; } \\\n"
     "    > runs.csv"},
    {"--summarize FILES",
     "play nothing: pool the runs of these CSV files (vantrel-lab's and the\n"
     "notebook's exports) and print their summary, per pupil where the\n"
     "files name several. The shards of a sweep give the whole sweep's.\n"
     "Example: --summarize shard1.csv shard2.csv"},
    {"--quiet",
     "no progress bar (it is drawn on standard error only when that is a\n"
     "terminal)."},
    {"--lang CODE",
     "the language of this help, the messages and the summary: en, nl or de\n"
     "(default: from LANGUAGE, LC_ALL, LC_MESSAGES or LANG). The CSV is the\n"
     "same in every language. Example: --lang de"},
    {"-h, --help", "this text."},
};

// Where the description column starts.
constexpr int kColumn = 23;

std::string OptionLines(const OptionHelp& option) {
  std::string text = "  " + PadRight(Tr(kContext, option.names), kColumn - 3) + " ";
  const std::string description = Tr(kContext, option.text);
  for (const char c : description) {
    text += c;
    if (c == '\n') text.append(kColumn, ' ');
  }
  return text + "\n";
}

}  // namespace

std::string LabUsage() {
  std::string usage =
      Tr(kContext, "Usage: vantrel-lab --goal KEY=WORD[,KEY=WORD...] [options]") + "\n\n" +
      Tr(kContext,
         "Plays the Vantrel experiments automatically: a judge feeds the shown organism when "
         "it meets\n"
         "the goal and shoots it otherwise, exactly as a user's clicks would, until every "
         "organism\n"
         "meets the goal (stable) or the click limit. Each run has its own population and "
         "random\n"
         "source, seeded from --seed and the run's number, so the output is the same on every "
         "machine\n"
         "and for every --jobs.") +
      "\n\n" +
      Tr(kContext,
         "A LIST is comma-separated values; every combination of the lists (and every --goal) "
         "is one\n"
         "condition, and each condition is played --runs times.") +
      "\n\n" + Tr(kContext, "Options:") + "\n";
  for (const OptionHelp& option : kOptions) usage += OptionLines(option);
  usage += "\n" +
           Tr(kContext,
              "Prints a summary per condition on standard output: runs, reached, and the first "
              "quartile,\n"
              "median and third quartile of the clicks to the first match and to stable (over the "
              "runs in\n"
              "which that happened). Then each condition is compared with the first condition of "
              "the same\n"
              "goal by the clicks to stable of its runs that became stable: the difference of the "
              "medians\n"
              "with a 95% bootstrap interval (seeded from the clicks compared), the Mann-Whitney "
              "test's\n"
              "two-sided p-value (adjusted by Holm's method when there are several comparisons), "
              "and\n"
              "\"No clear difference\" when the interval holds 0. The CSV holds none of this.") +
           "\n\n" +
           Tr(kContext,
              "Exit status: 0 done, 1 the CSV could not be written, 2 bad options (before any "
              "work),\n"
              "130 stopped by Ctrl+C (finished runs are still written).") +
           "\n\n" + Tr(kContext, "Example:") + "\n";
  usage +=
      "  vantrel-lab --population 10,50 --creativity 10 --bonus 1 --goal "
      "shape=square,spokes=yes \\\n"
      "    --strictness 1,0.9 --runs 200 --seed 7 --csv runs.csv\n";
  return usage;
}

}  // namespace vantrel

#include "lab/lab_options.h"

namespace vantrel {

std::string LabUsage() {
  return R"(Usage: vantrel-lab --goal KEY=WORD[,KEY=WORD...] [options]

Plays the Vantrel experiments automatically: a judge feeds the shown organism when it meets
the goal and shoots it otherwise, exactly as a user's clicks would, until every organism
meets the goal (stable) or the click limit. Each run has its own population and random
source, seeded from --seed and the run's number, so the output is the same on every machine
and for every --jobs.

A LIST is comma-separated values; every combination of the lists (and every --goal) is one
condition, and each condition is played --runs times.

Options:
  --goal G             the goal; repeat the option for several goals (a condition each).
                       Keys and words: color (red blue brown green black purple yellow
                       orange gray bordeaux), intensity (pale light medium dark), shape
                       (line triangle square polygon circle), size (tiny small medium large
                       giant), thickness (fine thin medium fat thick), linestyle (broken thin
                       medium bold heavy), spokes (yes no).
                       Example: --goal color=green,shape=square,spokes=yes
  --population LIST    start population box, 2 to 1000 (default 10; the table then holds
                       one organism fewer). Example: --population 10,50
  --creativity LIST    chance of a mutation in percent, 0 to 99 (default 10).
                       Example: --creativity 5,20,50
  --bonus LIST         survival bonus of a feed (default 1). Example: --bonus 1
  --strictness LIST    0 to 1 (default 1): with probability 1 - strictness the judge errs on
                       purpose, shooting a hit or feeding a miss. Example: --strictness 1,0.9
  --runs N             runs per condition (default 100). Example: --runs 200
  --seed S             base seed, 0 to 4294967295 (default 1). Example: --seed 7
  --max-clicks N       a run that is not stable after N clicks ends as not reached
                       (default 1000000). Example: --max-clicks 50000
  --warmup-goal G      judge by G for the first --warmup-clicks clicks (same strictness),
                       then switch to --goal and count from there.
                       Example: --warmup-goal color=green --warmup-clicks 100
  --warmup-clicks N    length of the warm-up (default 100). Example: --warmup-clicks 100
  --csv FILE           write one line per run: run,mode,started_utc,population,creativity,
                       bonus,goal,feeds,shots,clicks,first_match_click,stable_click,
                       reached_by,condition,seed,strictness. Written atomically at the end,
                       also after Ctrl+C (with the runs finished so far).
                       Example: --csv runs.csv
  --jobs N             threads (default: the number of cores). Example: --jobs 2
  --shard K/N          play only the K-th of N equal shares of the runs (every N-th run
                       from run K), to spread one sweep over several machines. The shards'
                       CSV lines, merged and sorted by run, equal the single-machine CSV.
                       Example with GNU parallel over two hosts:
                         parallel -S host1,host2 --return shard{}.csv --cleanup \
                           vantrel-lab --goal shape=square --runs 200 --seed 7 \
                           --shard {}/4 --csv shard{}.csv ::: 1 2 3 4
                         { head -n 1 shard1.csv; tail -q -n +2 shard*.csv | sort -t, -k1,1n; } \
                           > runs.csv
  --quiet              no progress bar (it is drawn on standard error only when that is a
                       terminal).
  -h, --help           this text.

Prints a summary per condition on standard output: runs, reached, and the first quartile,
median and third quartile of the clicks to the first match and to stable (over the runs in
which that happened). Then, with two conditions or more, each is compared with the first by
the clicks to stable of its runs that became stable: the difference of the medians with a
95% bootstrap interval (seeded from --seed), the Mann-Whitney test's two-sided p-value, and
"No clear difference" when the interval holds 0. The CSV holds none of this.

Exit status: 0 done, 1 the CSV could not be written, 2 bad options (before any work),
130 stopped by Ctrl+C (finished runs are still written).

Example:
  vantrel-lab --population 10,50 --creativity 10 --bonus 1 --goal shape=square,spokes=yes \
    --strictness 1,0.9 --runs 200 --seed 7 --csv runs.csv
)";
}

}  // namespace vantrel

// Times one click of the automatic judge (look at the shown organism, feed or shoot it,
// keep the goal counts) at 100 organisms: the same program built natively and as
// WebAssembly (run by Node), as shot_timing.cc does for the shot, so the two medians
// compare the two builds of the judge the page's workers run. Prints the median time of
// one click in nanoseconds. The goal is never met, so the run never ends: strictness 0.9
// makes the judge feed and shoot alike.
//
//   judged_click_timing [SAMPLES [CLICKS_PER_SAMPLE]]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "lab/goal_list.h"
#include "lab/goal_tracker.h"
#include "lab/judge.h"
#include "population/population.h"
#include "population/random_source.h"
#include "population/string_grid.h"

int main(int argc, char** argv) {
  const int samples = argc > 1 ? std::max(1, std::atoi(argv[1])) : 101;
  const int clicks = argc > 2 ? std::max(1, std::atoi(argv[2])) : 1000;

  vantrel::StringGrid grid(vantrel::kOrganismColumnCount, 2);
  vantrel::LcgRandom random(7);
  vantrel::LcgRandom coin(8);
  vantrel::Population population(grid, random);
  population.SetUpColumns();
  vantrel::GoalTracker tracker(grid, vantrel::ParseGoalList("shape=square,spokes=yes").goal);
  population.NewGenePool(101);
  vantrel::Judge judge(population, tracker, coin, 0.9);
  // Warm up the caches and the allocator and, for Node, its optimising compiler: Node first
  // runs WebAssembly from a quick baseline compile and replaces a function by optimised
  // code only after it has run for a while (here some 400,000 clicks). The same count in
  // both builds, so both time the same population.
  for (int i = 0; i < 2'000'000; ++i) judge.ClickOnce(10, 1);

  using Clock = std::chrono::steady_clock;
  std::vector<double> per_click;
  int feeds = 0;
  for (int sample = 0; sample < samples; ++sample) {
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < clicks; ++i) {
      feeds += judge.ClickOnce(10, 1) == vantrel::Click::kFeed ? 1 : 0;
    }
    const std::chrono::duration<double, std::nano> took = Clock::now() - start;
    per_click.push_back(took.count() / clicks);
  }
  std::sort(per_click.begin(), per_click.end());
  std::printf("organisms %d, %d samples of %d clicks, %d feeds\n", tracker.organisms(), samples,
              clicks, feeds);
  std::printf("median_ns %.1f\n", per_click[per_click.size() / 2]);
  std::printf("min_ns %.1f max_ns %.1f\n", per_click.front(), per_click.back());
  return 0;
}

// Times the engine's shot at 1,000 organisms: the same program built natively and as
// WebAssembly (run by Node), so the two medians compare the two builds of one engine.
// Prints the median time of one shot in nanoseconds and the figures it came from;
// scripts/time-shot.sh builds both and prints their ratio. Many short samples, because
// the median of those stays put when other programs take the processor now and then;
// wall time, because Node offers the WebAssembly build no processor time.
//
//   shot_timing [SAMPLES [SHOTS_PER_SAMPLE]]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "population/parameters.h"
#include "web/pinned_clock.h"
#include "web/session.h"

int main(int argc, char** argv) {
  const int samples = argc > 1 ? std::max(1, std::atoi(argv[1])) : 101;
  const int shots = argc > 2 ? std::max(1, std::atoi(argv[2])) : 100;

  // A fixed seed and the largest gene pool (999 founders below the title row), with one
  // more organism loaded in: 1,000, which each shot keeps.
  vantrel::WebSession session(std::make_unique<vantrel::PinnedClock>(43'200'000.0));
  session.SetParameters({vantrel::kMaxStartOrganisms, 10, 1});
  session.NewGenePool();
  if (!session.LoadTable(session.TableBytes() + " 0 # 0 # 0123456789012 # 0 #\r\n", "1000.str")
           .ok) {
    std::fputs("shot_timing: the table of 1,000 organisms did not load\n", stderr);
    return 1;
  }
  // Warm up the caches, the allocator and Node's optimising compiler, as the judged click's
  // harness does: the same count in both builds.
  for (int i = 0; i < 200'000; ++i) session.Shoot();

  using Clock = std::chrono::steady_clock;
  std::vector<double> per_shot;
  for (int sample = 0; sample < samples; ++sample) {
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < shots; ++i) session.Shoot();
    const std::chrono::duration<double, std::nano> took = Clock::now() - start;
    per_shot.push_back(took.count() / shots);
  }
  std::vector<double> sorted = per_shot;
  std::sort(sorted.begin(), sorted.end());
  std::printf("organisms %d, %d samples of %d shots\n", session.RowCount(), samples, shots);
  std::printf("median_ns %.1f\n", sorted[sorted.size() / 2]);
  std::printf("min_ns %.1f max_ns %.1f\n", sorted.front(), sorted.back());
  return 0;
}

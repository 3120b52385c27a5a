#include "lab/batch_threads.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace vantrel {

int DefaultJobs() { return static_cast<int>(std::max(1u, std::thread::hardware_concurrency())); }

std::vector<BatchRun> PlayBatch(const BatchPlan& plan, const std::vector<int>& run_numbers,
                                int jobs, const std::atomic<bool>* stop,
                                const std::function<void(int done)>& progress) {
  const int total = static_cast<int>(run_numbers.size());
  std::vector<std::optional<BatchRun>> results(run_numbers.size());
  std::atomic<int> next{0};
  std::mutex mutex;
  std::condition_variable finished;
  int done = 0;

  const auto work = [&] {
    for (int i = next++; i < total; i = next++) {
      results[i] = PlayBatchRun(plan, run_numbers[i], stop);
      if (!results[i]) return;
      const std::lock_guard lock(mutex);
      ++done;
      finished.notify_one();
    }
  };

  // Without progress to report, the calling thread plays too.
  const int threads = std::clamp(jobs, 1, std::max(1, total));
  std::vector<std::thread> workers;
  for (int t = progress ? 0 : 1; t < threads; ++t) workers.emplace_back(work);
  int reported = -1;
  if (progress) {
    std::unique_lock lock(mutex);
    while (done < total && !(stop != nullptr && stop->load())) {
      finished.wait_for(lock, std::chrono::milliseconds(100));
      if (done != reported) progress(reported = done);
    }
  } else {
    work();
  }
  for (std::thread& worker : workers) worker.join();
  if (progress && done != reported) progress(done);

  std::vector<BatchRun> runs;
  for (std::optional<BatchRun>& result : results) {
    if (result) runs.push_back(std::move(*result));
  }
  return runs;
}

}  // namespace vantrel

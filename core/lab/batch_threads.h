#ifndef VANTREL_LAB_BATCH_THREADS_H_
#define VANTREL_LAB_BATCH_THREADS_H_

#include <atomic>
#include <functional>
#include <vector>

#include "lab/batch.h"

namespace vantrel {

// Sweeps on threads. Kept apart from the rest of the batch so that the core builds where
// there are no threads (the browser).

// One thread for each processor core, at least one.
int DefaultJobs();

// Plays the given runs on `jobs` threads; each run is self-contained, so the results do not
// depend on `jobs`. `progress` (if set) is called on the calling thread with the number of
// finished runs from time to time. When `stop` is set the runs under way are dropped and
// the finished ones returned. The result is in run order.
std::vector<BatchRun> PlayBatch(const BatchPlan& plan, const std::vector<int>& run_numbers,
                                int jobs, const std::atomic<bool>* stop,
                                const std::function<void(int done)>& progress);

}  // namespace vantrel

#endif  // VANTREL_LAB_BATCH_THREADS_H_

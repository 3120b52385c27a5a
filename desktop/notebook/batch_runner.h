#ifndef VANTREL_DESKTOP_NOTEBOOK_BATCH_RUNNER_H_
#define VANTREL_DESKTOP_NOTEBOOK_BATCH_RUNNER_H_

#include <QObject>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "lab/batch_threads.h"

namespace vantrel {

// Plays a sweep of automatic runs on a worker thread, so the window stays live. Each run
// owns its population and random sources (see PlayBatch), so the results depend on the
// plan alone, never on the threads. Progress and the end arrive as signals on the thread
// that owns the runner.
class BatchRunner final : public QObject {
  Q_OBJECT

 public:
  explicit BatchRunner(QObject* parent = nullptr);
  // Stops a sweep under way and waits for its thread.
  ~BatchRunner() override;

  BatchRunner(const BatchRunner&) = delete;
  BatchRunner& operator=(const BatchRunner&) = delete;

  bool running() const { return running_; }
  // Starts playing every run of `plan` on `jobs` threads; refused (false) while a sweep
  // runs or when the plan has no runs.
  bool Start(BatchPlan plan, int jobs);
  // Asks the sweep to stop; the runs finished so far still arrive with finished().
  void Cancel();

  // The plan of the last sweep started, and its runs once finished() has come (in run
  // order; fewer than planned after Cancel).
  const BatchPlan& plan() const { return plan_; }
  const std::vector<BatchRun>& results() const { return results_; }
  // The finished runs' conditions compared with the first (ComparisonLines), worked out on
  // the worker too: the bootstrap takes a while for thousands of runs.
  const std::vector<std::string>& comparison() const { return comparison_; }

 signals:
  void progressed(int done, int total);
  void finished(bool cancelled);

 private:
  void Finish(std::vector<BatchRun> results, std::vector<std::string> comparison);

  BatchPlan plan_;
  std::vector<BatchRun> results_;
  std::vector<std::string> comparison_;
  std::atomic<bool> stop_{false};
  bool running_ = false;
  std::thread worker_;
};

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_NOTEBOOK_BATCH_RUNNER_H_

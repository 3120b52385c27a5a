#include "desktop/notebook/batch_runner.h"

#include <QMetaObject>
#include <memory>
#include <numeric>
#include <utility>

#include "lab/condition_comparison.h"

namespace vantrel {

BatchRunner::BatchRunner(QObject* parent) : QObject(parent) {}

BatchRunner::~BatchRunner() {
  stop_ = true;
  // The thread only posts to this object; calls still queued die with it.
  if (worker_.joinable()) worker_.join();
}

bool BatchRunner::Start(BatchPlan plan, int jobs) {
  if (running_ || plan.TotalRuns() <= 0) return false;
  if (worker_.joinable()) worker_.join();
  plan_ = std::move(plan);
  results_.clear();
  comparison_.clear();
  stop_ = false;
  running_ = true;
  std::vector<int> numbers(static_cast<std::size_t>(plan_.TotalRuns()));
  std::iota(numbers.begin(), numbers.end(), 1);
  const int total = plan_.TotalRuns();
  emit progressed(0, total);
  // The thread plays its own copy of the plan; it shares nothing with the window but the
  // stop flag.
  worker_ = std::thread([this, plan = plan_, numbers = std::move(numbers), jobs, total] {
    auto results = std::make_shared<std::vector<BatchRun>>(
        PlayBatch(plan, numbers, jobs, &stop_, [this, total](int done) {
          QMetaObject::invokeMethod(
              this, [this, done, total] { emit progressed(done, total); }, Qt::QueuedConnection);
        }));
    auto comparison = std::make_shared<std::vector<std::string>>(
        ComparisonLines(plan, ResultsByCondition(plan, *results)));
    QMetaObject::invokeMethod(
        this, [this, results, comparison] { Finish(std::move(*results), std::move(*comparison)); },
        Qt::QueuedConnection);
  });
  return true;
}

void BatchRunner::Cancel() {
  if (running_) stop_ = true;
}

void BatchRunner::Finish(std::vector<BatchRun> results, std::vector<std::string> comparison) {
  if (worker_.joinable()) worker_.join();
  results_ = std::move(results);
  comparison_ = std::move(comparison);
  running_ = false;
  emit finished(static_cast<int>(results_.size()) < plan_.TotalRuns());
}

}  // namespace vantrel

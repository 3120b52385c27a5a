#include "engine/run_timeline.h"

namespace vantrel {

RunTimeline::Moment RunTimeline::Capture(const LabNotebook& notebook, bool started_run) {
  Moment moment;
  if (const Run* run = notebook.current_run()) {
    moment.run = *run;
    moment.has_run = true;
  }
  moment.started_run = started_run;
  return moment;
}

void RunTimeline::Record(std::size_t position, const LabNotebook& notebook, bool started_run) {
  moments_.resize(position);
  moments_.push_back(Capture(notebook, started_run));
}

void RunTimeline::Record(std::size_t position, const Run& run, bool started_run) {
  moments_.resize(position);
  moments_.push_back({run, started_run, true});
}

void RunTimeline::Update(std::size_t position, const LabNotebook& notebook) {
  if (position >= moments_.size()) return;
  const bool started = moments_[position].started_run;
  moments_[position] = Capture(notebook, started);
}

void RunTimeline::Move(std::size_t from, std::size_t to, LabNotebook& notebook) const {
  if (from >= moments_.size() || to >= moments_.size()) return;
  const Moment& target = moments_[to];
  if (target.has_run) notebook.PutBackRun(target.run);
  // Undoing the step that started the run of `from` takes that run out of the table.
  const Moment& left = moments_[from];
  if (to < from && left.started_run && left.has_run &&
      (!target.has_run || target.run.id != left.run.id)) {
    notebook.WithdrawRun(left.run.id);
  }
  if (to > from) notebook.CatchUpSample();
}

}  // namespace vantrel

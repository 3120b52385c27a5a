#include "lab/notebook.h"

#include <utility>

#include "population/population.h"

namespace vantrel {

LabNotebook::LabNotebook(StringGrid& grid) : grid_(grid), tracker_(grid, Goal{}), stats_(grid) {}

void LabNotebook::StartRun(const Parameters& parameters, std::int64_t now_utc) {
  SetAsideCurrent();
  BeginRun(parameters, now_utc);
}

void LabNotebook::BeginRun(const Parameters& parameters, std::int64_t now_utc) {
  samples_.clear();
  Run& run = runs_.Start(RunMode::kHand, parameters, goal().text, now_utc);
  run.pupil = pupil_;
  run.lesson = lesson_;
  RecordRunStart(run, tracker_.counts());
  TakeSample(0);
}

void LabNotebook::StartRun(Goal goal, const Parameters& parameters, std::int64_t now_utc) {
  SetAsideCurrent();
  tracker_.SetGoal(std::move(goal));
  BeginRun(parameters, now_utc);
}

void LabNotebook::SetAsideCurrent() {
  const Run* current = runs_.Current();
  if (current == nullptr) return;
  set_aside_[current->id] = {tracker_.goal(), samples_};
}

void LabNotebook::AfterClick(Click click) {
  if (runs_.Current() == nullptr) return;
  RecordClick(*runs_.Current(), click, tracker_.counts());
  TakeSample(runs_.Current()->clicks());
}

bool LabNotebook::DeclareReached() {
  Run* run = runs_.Current();
  if (run == nullptr || run->reached() || goal().text.empty()) return false;
  vantrel::DeclareReached(*run);
  return true;
}

void LabNotebook::ParameterChanged(Parameter parameter, int value) {
  if (runs_.Current() != nullptr) RecordParameterChange(*runs_.Current(), parameter, value);
}

void LabNotebook::PutBackRun(const Run& run) {
  const Run* current = runs_.Current();
  if (current == nullptr || current->id != run.id) {
    SetAsideCurrent();
    const auto context = set_aside_.find(run.id);
    if (context != set_aside_.end()) {
      tracker_.SetGoal(context->second.goal);
      samples_ = context->second.samples;
      set_aside_.erase(context);
    }
  }
  runs_.PutBackCurrent(run);
  while (!samples_.empty() && samples_.back().click > run.clicks()) samples_.pop_back();
}

void LabNotebook::CatchUpSample() {
  const Run* current = runs_.Current();
  if (current == nullptr) return;
  if (samples_.empty() || samples_.back().click < current->clicks()) TakeSample(current->clicks());
}

void LabNotebook::WithdrawRun(std::uint32_t id) {
  const Run* current = runs_.Current();
  if (current != nullptr && current->id == id) SetAsideCurrent();
  runs_.Withdraw(id);
}

void LabNotebook::AddRuns(std::vector<Run> runs) {
  for (Run& run : runs) runs_.Add(std::move(run));
}

void LabNotebook::SetOwner(std::string pupil, std::string lesson) {
  pupil_ = std::move(pupil);
  lesson_ = std::move(lesson);
  if (Run* current = runs_.Current()) {
    current->pupil = pupil_;
    current->lesson = lesson_;
  }
}

const Run* LabNotebook::current_run() const { return runs_.Current(); }

std::string LabNotebook::DescribeSelected() const {
  return DescribeOrganism(WordsOfDna(grid_.Cell(kDnaColumn, grid_.SelectedRow())));
}

std::vector<WordVerdict> LabNotebook::SelectedVerdicts() const {
  return JudgeWords(goal(), WordsOfDna(grid_.Cell(kDnaColumn, grid_.SelectedRow())));
}

void LabNotebook::TakeSample(int click) {
  const int organisms = tracker_.organisms();
  samples_.push_back({click,
                      organisms > 0 ? static_cast<double>(tracker_.matching()) / organisms : 0.0,
                      stats_.DistinctDna(), stats_.MeanEntropyBits()});
}

}  // namespace vantrel

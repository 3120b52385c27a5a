#include "lab/notebook.h"

#include <utility>

#include "population/population.h"

namespace vantrel {

LabNotebook::LabNotebook(StringGrid& grid) : grid_(grid), tracker_(grid, Goal{}), stats_(grid) {}

void LabNotebook::StartRun(const RunParameters& parameters, std::int64_t now_utc) {
  samples_.clear();
  Run& run = runs_.Start(RunMode::kHand, parameters, goal().text, now_utc);
  RecordRunStart(run, tracker_.counts());
  TakeSample(0);
}

void LabNotebook::StartRun(Goal goal, const RunParameters& parameters, std::int64_t now_utc) {
  tracker_.SetGoal(std::move(goal));
  StartRun(parameters, now_utc);
}

void LabNotebook::AfterClick(Click click) {
  if (runs_.Current() == nullptr) return;
  RecordClick(*runs_.Current(), click, tracker_.counts());
  TakeSample(runs_.Current()->clicks());
}

void LabNotebook::DeclareReached() {
  if (runs_.Current() != nullptr) vantrel::DeclareReached(*runs_.Current());
}

void LabNotebook::ParameterChanged(Parameter parameter, int value) {
  if (runs_.Current() != nullptr) RecordParameterChange(*runs_.Current(), parameter, value);
}

void LabNotebook::RestoreCurrentRun(const Run& run) {
  Run* current = runs_.Current();
  if (current == nullptr || current->number != run.number) return;
  *current = run;
  while (!samples_.empty() && samples_.back().click > run.clicks()) samples_.pop_back();
}

void LabNotebook::AddRuns(std::vector<Run> runs) {
  for (Run& run : runs) runs_.Add(std::move(run));
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

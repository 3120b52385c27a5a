#include "lab/goal_tracker.h"

#include <utility>

#include "population/population.h"

namespace vantrel {

GoalTracker::GoalTracker(StringGrid& grid, Goal goal)
    : GridObserver({.column = kDnaColumn, .selection = false}),
      grid_(grid),
      goal_(std::move(goal)) {
  grid_.AddObserver(this);
  GridReset();
}

GoalTracker::~GoalTracker() { grid_.RemoveObserver(this); }

void GoalTracker::SetGoal(Goal goal) {
  goal_ = std::move(goal);
  GridReset();
}

bool GoalTracker::Judge(int row) const {
  return MeetsGoal(goal_, WordsOfDna(grid_.Cell(kDnaColumn, row)));
}

void GoalTracker::GridCellChanged(int /*col*/, int row) {
  if (row < 1 || row > organisms()) return;  // only DNA cells reach it
  const char now = Judge(row) ? 1 : 0;
  char& was = matches_[row - 1];
  matching_ += now - was;
  was = now;
}

void GoalTracker::GridReset() {
  matches_.assign(static_cast<std::size_t>(grid_.RowCount() - 1), 0);
  matching_ = 0;
  if (!goal_.HasJudgedWords()) return;
  for (int row = 1; row < grid_.RowCount(); ++row) {
    matches_[row - 1] = Judge(row) ? 1 : 0;
    matching_ += matches_[row - 1];
  }
}

}  // namespace vantrel

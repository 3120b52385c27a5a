#ifndef VANTREL_LAB_GOAL_TRACKER_H_
#define VANTREL_LAB_GOAL_TRACKER_H_

#include <vector>

#include "lab/goal.h"
#include "lab/run.h"
#include "population/string_grid.h"

namespace vantrel {

// How many organisms meet a goal, kept up to date as the table changes: a changed DNA cell
// re-judges one row, a reset (new gene pool, load, resize) re-judges them all.
class GoalTracker final : public GridObserver {
 public:
  GoalTracker(StringGrid& grid, Goal goal);
  ~GoalTracker() override;

  GoalTracker(const GoalTracker&) = delete;
  GoalTracker& operator=(const GoalTracker&) = delete;

  const Goal& goal() const { return goal_; }
  // Judges every organism against a new goal.
  void SetGoal(Goal goal);

  int organisms() const { return static_cast<int>(matches_.size()); }
  int matching() const { return matching_; }
  GoalCounts counts() const { return {organisms(), matching_}; }
  // True when the goal has judged words and every organism (at least one) meets them.
  bool AllMatch() const { return matching_ > 0 && matching_ == organisms(); }
  // Whether the organism in `row` (from 1) meets the goal.
  bool RowMatches(int row) const {
    return row >= 1 && row <= organisms() && matches_[row - 1] != 0;
  }

  void GridCellChanged(int col, int row) override;
  void GridReset() override;

 private:
  bool Judge(int row) const;

  StringGrid& grid_;
  Goal goal_;
  std::vector<char> matches_;  // one per organism row
  int matching_ = 0;
};

}  // namespace vantrel

#endif  // VANTREL_LAB_GOAL_TRACKER_H_

#ifndef VANTREL_LAB_GOAL_LIST_H_
#define VANTREL_LAB_GOAL_LIST_H_

#include <string>
#include <string_view>

#include "lab/goal.h"

namespace vantrel {

// A goal written as comma-separated key=value pairs with the idea's own words as values,
// for example "color=green,shape=square,spokes=yes". Keys: color (or colour), intensity,
// shape, size, thickness, linestyle, spokes (yes/no, or with/without); the colour gray may
// be written grey. Each key at most once.
struct ParsedGoal {
  Goal goal;          // its text is the canonical key=value list
  std::string error;  // empty on success, else one line saying what is wrong
};

ParsedGoal ParseGoalList(std::string_view list);

// `text` in single quotes, as an error message shows what it refuses.
std::string Quoted(std::string_view text);

// The canonical key=value list of a goal's judged words, keys in the order above.
std::string FormatGoalList(const Goal& goal);

}  // namespace vantrel

#endif  // VANTREL_LAB_GOAL_LIST_H_

#ifndef VANTREL_LAB_GOAL_SENTENCE_H_
#define VANTREL_LAB_GOAL_SENTENCE_H_

#include <string>

#include "lab/goal.h"

namespace vantrel {

// A goal as the user reads it, in the current language. An idea's goal is its sentence
// (ShownGoalText); a goal of chosen words (a lesson's, or vantrel-lab's --goal, whose text
// is the key=value list) is the organism those words describe: "a red square", "eine blasse
// Linie mit Speichen", "an organism with thick lines" when no shape is chosen. Only the
// chosen words are said. Empty for no goal. In English when a translation is missing.
std::string GoalSentence(const Goal& goal);

}  // namespace vantrel

#endif  // VANTREL_LAB_GOAL_SENTENCE_H_

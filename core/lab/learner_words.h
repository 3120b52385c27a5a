#ifndef VANTREL_LAB_LEARNER_WORDS_H_
#define VANTREL_LAB_LEARNER_WORDS_H_

#include <string>
#include <vector>

#include "lab/learner.h"

namespace vantrel {

// How many traits the notebook names under "What you select for", and the least strength
// it names.
inline constexpr int kShownTraits = 4;
inline constexpr int kShownTraitMinStrength = 10;

// What the notebook says under "What you select for", in the current language: the
// strongest traits, one a line ("keeps red, strength 64%"), or one line saying that
// nothing was learned yet or that no trait stands out yet.
std::vector<std::string> SelectedForLines(const Learner& learner);
// "Your clicks: 12 · by Judge like me: 30", from the run's clicks and the learner's own.
std::string JudgedClicksText(int run_clicks, int learner_clicks);
// The learner's reset button: "Forget what was learned".
std::string ForgetLearnedText();
// A chance of being kept, 0 to 1, as a whole percentage: "64%" ("64 %" in German).
std::string ChancePercentText(double chance);
// The same with its meaning, for the big picture and screen readers: "Chance kept: 64%".
std::string ChanceKeptText(double chance);
// The check that shows every organism's chance of being kept: "Show chance kept".
std::string ShowChanceKeptText();

// "Judge like me" played at a pace: how many clicks and how fast, with their limits.
inline constexpr int kJudgeDefaultClicks = 20;
inline constexpr int kJudgeMaxClicks = 1000;
inline constexpr int kJudgeDefaultPace = 4;  // clicks per second
inline constexpr int kJudgeMaxPace = 50;
// Its words: "Clicks", "Clicks per second", "Play", "Cancel", and "Click 3 of 20" while it
// plays.
std::string JudgeClicksLabel();
std::string JudgePaceLabel();
std::string JudgePlayText();
std::string JudgeCancelText();
std::string JudgeProgressText(int done, int total);

}  // namespace vantrel

#endif  // VANTREL_LAB_LEARNER_WORDS_H_

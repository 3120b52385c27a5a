#ifndef VANTREL_LAB_LEARNER_TEXTS_H_
#define VANTREL_LAB_LEARNER_TEXTS_H_

#include <string>

namespace vantrel {

// The learner's controls as the faces show them, beside "What you select for" and "Judge
// like me" (learner.h), in the current language, with the limits of "Judge like me".

// The most clicks one "Judge like me" makes, and the number a face offers first.
inline constexpr int kMostJudgedClicks = 10000;
inline constexpr int kFirstJudgedClicks = 20;
// The pace of "Judge like me" in clicks per second: at most, and first offered.
inline constexpr int kFastestJudgingPace = 100;
inline constexpr int kFirstJudgingPace = 5;

std::string ResetLearnerText();    // "Forget what it learned"
std::string ShowChancesText();     // "Chance kept": shows each organism's chance of being kept
std::string JudgedClicksText();    // "Clicks": how many "Judge like me" makes
std::string JudgingPaceText();     // "Clicks per second"
std::string CancelJudgingText();   // "Cancel"
std::string NothingLearnedText();  // what "What you select for" says before the first click

// `chance` (0 to 1) of being kept, in whole percent: "64% kept".
std::string ChanceKeptText(double chance);
// "Judged 3 of 20 clicks": how far a "Judge like me" of `clicks` has come.
std::string JudgingProgressText(int made, int clicks);
// The current run's clicks, the user's apart from the learner's: "Your clicks: 12",
// "Clicks of the learner: 40".
std::string UserClicksText(int clicks);
std::string LearnerClicksText(int clicks);
// The user's own clicks in a run of `run_clicks` of which the learner made `learner_clicks`
// (never below 0: a restored learner may have judged more than the run kept).
int UserClicks(int run_clicks, int learner_clicks);
// Both for a run of `run_clicks` of which the learner made `learner_clicks`, as one line:
// "Your clicks: 12 · Clicks of the learner: 40".
std::string RunClicksText(int run_clicks, int learner_clicks);

}  // namespace vantrel

#endif  // VANTREL_LAB_LEARNER_TEXTS_H_

#include "lab/learner_texts.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "language/catalogue.h"
#include "language/numbers.h"

namespace vantrel {

namespace {

constexpr std::string_view kContext = "Learner";

}  // namespace

std::string ResetLearnerText() { return Tr(kContext, "Forget what it learned"); }

std::string ShowChancesText() { return Tr(kContext, "Chance kept"); }

std::string JudgedClicksText() { return Tr(kContext, "Clicks"); }

std::string JudgingPaceText() { return Tr(kContext, "Clicks per second"); }

std::string CancelJudgingText() { return Tr(kContext, "Cancel"); }

std::string NothingLearnedText() {
  return Tr(kContext, "Feed and kill organisms: it learns what you select for from your clicks.");
}

std::string ChanceKeptText(double chance) {
  const double percent = std::isfinite(chance) ? 100 * chance : 0;
  const long whole = std::lround(percent < 0 ? 0 : (percent > 100 ? 100 : percent));
  return Arg(Tr(kContext, "%1% kept"), {GroupedNumber(whole)});
}

std::string JudgingProgressText(int made, int clicks) {
  return Arg(TrN(kContext, "Judged %1 of %n click", "Judged %1 of %n clicks", clicks),
             {GroupedNumber(made)});
}

std::string UserClicksText(int clicks) {
  return Arg(Tr(kContext, "Your clicks: %1"), {GroupedNumber(clicks)});
}

std::string LearnerClicksText(int clicks) {
  return Arg(Tr(kContext, "Clicks of the learner: %1"), {GroupedNumber(clicks)});
}

int UserClicks(int run_clicks, int learner_clicks) {
  return std::max(0, run_clicks - learner_clicks);
}

std::string RunClicksText(int run_clicks, int learner_clicks) {
  return UserClicksText(UserClicks(run_clicks, learner_clicks)) + " · " +
         LearnerClicksText(learner_clicks);
}

}  // namespace vantrel

#include "lab/learner_words.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "language/catalogue.h"
#include "language/numbers.h"

namespace vantrel {

namespace {

constexpr std::string_view kContext = "Learner";

}  // namespace

std::vector<std::string> SelectedForLines(const Learner& learner) {
  if (learner.clicks() == 0) {
    return {Tr(kContext, "Nothing learned yet: every feed and every shot teaches it.")};
  }
  std::vector<std::string> lines;
  for (LearnedTrait& trait : learner.Strongest(kShownTraits, kShownTraitMinStrength)) {
    lines.push_back(std::move(trait.text));
  }
  if (lines.empty()) lines.push_back(Tr(kContext, "No trait stands out yet."));
  return lines;
}

std::string JudgedClicksText(int run_clicks, int learner_clicks) {
  const int own = std::max(0, run_clicks - learner_clicks);
  return Arg(Tr(kContext, "Your clicks: %1 · by Judge like me: %2"),
             {GroupedNumber(own), GroupedNumber(learner_clicks)});
}

std::string ForgetLearnedText() { return Tr(kContext, "Forget what was learned"); }

std::string ChancePercentText(double chance) {
  const long percent = std::lround(std::clamp(chance, 0.0, 1.0) * 100);
  return Arg(Tr(kContext, "%1%"), {GroupedNumber(percent)});
}

std::string ChanceKeptText(double chance) {
  return Arg(Tr(kContext, "Chance kept: %1"), {ChancePercentText(chance)});
}

std::string ShowChanceKeptText() { return Tr(kContext, "Show chance kept"); }

std::string JudgeClicksLabel() { return Tr(kContext, "Clicks"); }

std::string JudgePaceLabel() { return Tr(kContext, "Clicks per second"); }

std::string JudgePlayText() { return Tr(kContext, "Play"); }

std::string JudgeCancelText() { return Tr(kContext, "Cancel"); }

std::string JudgeProgressText(int done, int total) {
  return Arg(Tr(kContext, "Click %1 of %2"), {GroupedNumber(done), GroupedNumber(total)});
}

}  // namespace vantrel

#include "lab/goal_spec.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(GoalSpecTest, ReadsEveryKeyAndWritesThemBackInKeyOrder) {
  const ParsedGoal parsed = ParseGoalSpec(
      "spokes=no,linestyle=broken,thickness=fine,size=giant,shape=circle,intensity=dark,"
      "color=bordeaux");
  ASSERT_EQ(parsed.error, "");
  EXPECT_EQ(parsed.goal.JudgedWordCount(), 7);
  EXPECT_EQ(parsed.goal[Aspect::kColour], kBordeaux);
  EXPECT_EQ(parsed.goal[Aspect::kSpokes], kWithoutSpokes);
  EXPECT_EQ(parsed.goal.text,
            "color=bordeaux,intensity=dark,shape=circle,size=giant,thickness=fine,"
            "linestyle=broken,spokes=no");
  EXPECT_EQ(ParseGoalSpec("spokes=with").goal[Aspect::kSpokes], kWithSpokes);
  EXPECT_EQ(ParseGoalSpec(parsed.goal.text).goal.word, parsed.goal.word);
}

TEST(GoalSpecTest, BadSpecsSayWhatIsWrong) {
  const std::pair<const char*, const char*> cases[] = {
      {"", "empty goal"},
      {"colour=green", "unknown key 'colour'"},
      {"color=teal", "unknown color 'teal'"},
      {"intensity=", "unknown intensity ''"},
      {"shape=square,shape=line", "key 'shape' given twice"},
      {"shape=square,", "'' is not key=value"},
      {"spokes", "'spokes' is not key=value"},
      {"color=green=x", "unknown color 'green=x'"},
  };
  for (const auto& [spec, error] : cases) {
    EXPECT_NE(ParseGoalSpec(spec).error.find(error), std::string::npos)
        << spec << ": " << ParseGoalSpec(spec).error;
  }
}

}  // namespace
}  // namespace vantrel

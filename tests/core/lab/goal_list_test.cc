#include "lab/goal_list.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(GoalListTest, ReadsEveryKeyAndWritesThemBackInKeyOrder) {
  const ParsedGoal parsed = ParseGoalList(
      "spokes=no,linestyle=broken,thickness=fine,size=giant,shape=circle,intensity=dark,"
      "color=bordeaux");
  ASSERT_EQ(parsed.error, "");
  EXPECT_EQ(parsed.goal.JudgedWordCount(), 7);
  EXPECT_EQ(parsed.goal[Aspect::kColour], kBordeaux);
  EXPECT_EQ(parsed.goal[Aspect::kSpokes], kWithoutSpokes);
  EXPECT_EQ(parsed.goal.text,
            "color=bordeaux,intensity=dark,shape=circle,size=giant,thickness=fine,"
            "linestyle=broken,spokes=no");
  EXPECT_EQ(ParseGoalList("spokes=with").goal[Aspect::kSpokes], kWithSpokes);
  EXPECT_EQ(ParseGoalList(parsed.goal.text).goal.word, parsed.goal.word);
}

// The British spellings of the key and of gray mean the same goal.
TEST(GoalListTest, ColourAndGreyAreReadAsColorAndGray) {
  const ParsedGoal british = ParseGoalList("colour=grey,shape=square");
  ASSERT_EQ(british.error, "");
  EXPECT_EQ(british.goal.word, ParseGoalList("color=gray,shape=square").goal.word);
  EXPECT_EQ(british.goal.text, "color=gray,shape=square");
  EXPECT_EQ(ParseGoalList("colour=green").goal[Aspect::kColour], kGreen);
  EXPECT_NE(ParseGoalList("colour=green,color=red").error.find("given twice"), std::string::npos);
}

TEST(GoalListTest, BadSpecsSayWhatIsWrong) {
  const std::pair<const char*, const char*> cases[] = {
      {"", "empty goal"},
      {"colours=green", "unknown key 'colours'"},
      {"color=teal", "unknown color 'teal'"},
      {"intensity=", "unknown intensity ''"},
      {"shape=square,shape=line", "key 'shape' given twice"},
      {"shape=square,", "'' is not key=value"},
      {"spokes", "'spokes' is not key=value"},
      {"color=green=x", "unknown color 'green=x'"},
  };
  for (const auto& [list, error] : cases) {
    EXPECT_NE(ParseGoalList(list).error.find(error), std::string::npos)
        << list << ": " << ParseGoalList(list).error;
  }
}

}  // namespace
}  // namespace vantrel

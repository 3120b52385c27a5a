#include "lab/goal_sentence.h"

#include <gtest/gtest.h>

#include "lab/goal_list.h"
#include "tests/core/lab/language_fixture.h"

namespace vantrel {
namespace {

class GoalSentenceTest : public testing::InLanguageTest {};

// A goal of chosen words reads as the organism they describe, only those words said, in
// the pupil's language.
TEST_F(GoalSentenceTest, ChosenWordsReadAsTheOrganismTheyDescribe) {
  struct Case {
    Language language;
    const char* list;
    const char* sentence;
  };
  const Case cases[] = {
      {Language::kEnglish, "color=red,shape=square", "a red square"},
      {Language::kEnglish, "color=orange", "an orange organism"},
      // Size and intensity both "medium": the size says it is one.
      {Language::kEnglish, "size=medium,intensity=medium,color=green",
       "a medium-sized medium green organism"},
      {Language::kEnglish, "shape=circle,spokes=yes,thickness=thick,linestyle=broken",
       "a circle with spokes and thick broken lines"},
      // A word that thickness and line style share is said once.
      {Language::kEnglish, "spokes=no,thickness=thin,linestyle=thin",
       "an organism without spokes, with thin lines"},
      {Language::kEnglish, "spokes=no", "an organism without spokes"},
      {Language::kGerman, "color=red,shape=square", "ein rotes Quadrat"},
      {Language::kGerman, "intensity=pale,shape=line,spokes=yes", "eine blasse Linie mit Speichen"},
      {Language::kGerman, "color=green", "ein grüner Organismus"},
      {Language::kGerman, "size=large,thickness=thick", "ein großer Organismus mit dicken Linien"},
      {Language::kDutch, "color=red,shape=square", "een rood vierkant"},
      {Language::kDutch, "color=green,shape=circle", "een groene cirkel"},
      {Language::kDutch, "spokes=no", "een organisme zonder spaken"},
  };
  for (const Case& c : cases) {
    SetLanguage(c.language);
    const ParsedGoal parsed = ParseGoalList(c.list);
    ASSERT_EQ(parsed.error, "") << c.list;
    EXPECT_EQ(GoalSentence(parsed.goal), c.sentence) << c.list;
  }
}

TEST_F(GoalSentenceTest, AnIdeasGoalKeepsItsSentenceAndNoGoalSaysNothing) {
  Goal idea = ParseGoalList("size=small,shape=square").goal;
  idea.text = "is a small square without spokes with fine lines.";
  EXPECT_EQ(GoalSentence(idea), idea.text);
  EXPECT_EQ(GoalSentence(Goal{}), "");
}

}  // namespace
}  // namespace vantrel

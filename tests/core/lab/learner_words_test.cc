#include "lab/learner_words.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lab/goal.h"
#include "tests/core/lab/language_fixture.h"

namespace vantrel {
namespace {

class LearnerWordsTextTest : public testing::InLanguageTest {};

// What both faces show around the learner, in each language, with the chance rounded to a
// whole percentage and held between 0 and 100.
TEST_F(LearnerWordsTextTest, ChancesClicksAndLinesInEachLanguage) {
  struct Case {
    Language language;
    double chance;
    std::string percent;
    std::string kept;
    std::string clicks;  // of 42 run clicks, 30 of them the learner's
    std::string nothing_yet;
  };
  const Case cases[] = {
      {Language::kEnglish, 0.644, "64%", "Chance kept: 64%",
       "Your clicks: 12 · by Judge like me: 30", "Nothing learned yet"},
      {Language::kEnglish, 0.995, "100%", "Chance kept: 100%",
       "Your clicks: 12 · by Judge like me: 30", "Nothing learned yet"},
      {Language::kEnglish, -0.25, "0%", "Chance kept: 0%", "Your clicks: 12 · by Judge like me: 30",
       "Nothing learned yet"},
      {Language::kEnglish, 1.5, "100%", "Chance kept: 100%",
       "Your clicks: 12 · by Judge like me: 30", "Nothing learned yet"},
      {Language::kDutch, 0.005, "1%", "Kans dat je houdt: 1%",
       "Jouw klikken: 12 · door Oordeel zoals ik: 30", "Nog niets geleerd"},
      {Language::kGerman, 0.644, "64 %", "Chance, dass du behältst: 64 %",
       "Deine Klicks: 12 · von Urteile wie ich: 30", "Noch nichts gelernt"},
  };
  for (const Case& c : cases) {
    SetLanguage(c.language);
    EXPECT_EQ(ChancePercentText(c.chance), c.percent) << c.chance;
    EXPECT_EQ(ChanceKeptText(c.chance), c.kept) << c.chance;
    EXPECT_EQ(JudgedClicksText(42, 30), c.clicks);
    const std::vector<std::string> lines = SelectedForLines(Learner());
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].rfind(c.nothing_yet, 0), 0u) << lines[0];
  }
  SetLanguage(Language::kEnglish);
  EXPECT_EQ(JudgeProgressText(3, 1200), "Click 3 of 1,200");
  // More learner clicks than the run's, as after an undo of the user's: none of the user's.
  EXPECT_EQ(JudgedClicksText(5, 9), "Your clicks: 0 · by Judge like me: 9");
}

// The lines name the strongest traits, at most four; clicks that taught no trait yet say
// so instead of naming nothing.
TEST_F(LearnerWordsTextTest, LinesNameTheStrongestTraitsOrSayNoneStandsOut) {
  OrganismWords words;
  words.visible = true;
  words.word = {kRed, kDark, kSquare, kLarge, kMediumPen, kMediumLine, kWithSpokes};
  // An invisible organism teaches only the bias: a click, and no trait.
  Learner once;
  once.Learn(OrganismWords{}, true);
  ASSERT_EQ(once.clicks(), 1);
  EXPECT_EQ(SelectedForLines(once), std::vector<std::string>{"No trait stands out yet."});

  Learner taught;
  for (int i = 0; i < 60; ++i) taught.Learn(words, true);
  const std::vector<std::string> lines = SelectedForLines(taught);
  ASSERT_EQ(lines.size(), static_cast<std::size_t>(kShownTraits));
  for (const std::string& line : lines) EXPECT_EQ(line.rfind("keeps ", 0), 0u) << line;
}

}  // namespace
}  // namespace vantrel

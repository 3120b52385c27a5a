#include "lab/learner_texts.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "tests/core/lab/language_fixture.h"

namespace vantrel {
namespace {

class LearnerTextsTest : public testing::InLanguageTest {};

// A chance in whole percent, rounded, kept within 0 and 100 in every language's way of
// writing a percentage; what is no number says 0.
TEST_F(LearnerTextsTest, WritesAChanceInWholePercentInEachLanguage) {
  struct Case {
    Language language;
    double chance;
    std::string text;
  };
  const Case cases[] = {
      {Language::kEnglish, 0.644, "64% kept"},
      {Language::kEnglish, 0.645, "65% kept"},
      {Language::kEnglish, 0.0049, "0% kept"},
      {Language::kEnglish, 1, "100% kept"},
      {Language::kEnglish, 1.7, "100% kept"},
      {Language::kEnglish, -0.2, "0% kept"},
      {Language::kEnglish, std::numeric_limits<double>::quiet_NaN(), "0% kept"},
      {Language::kDutch, 0.5, "50% gehouden"},
      {Language::kGerman, 0.5, "50 % behalten"},
  };
  for (const Case& c : cases) {
    SetLanguage(c.language);
    EXPECT_EQ(ChanceKeptText(c.chance), c.text) << c.chance;
  }
}

// The progress of "Judge like me" and the clicks by whom: plural forms by the count, the
// numbers grouped as the language groups them.
TEST_F(LearnerTextsTest, CountsTheClicksInEachLanguage) {
  struct Case {
    Language language;
    int made;
    int clicks;
    std::string progress;
    std::string learner;
  };
  const Case cases[] = {
      {Language::kEnglish, 0, 1, "Judged 0 of 1 click", "Clicks of the learner: 1"},
      {Language::kEnglish, 1200, 5000, "Judged 1,200 of 5,000 clicks",
       "Clicks of the learner: 5,000"},
      {Language::kDutch, 3, 1, "3 van 1 klik beoordeeld", "Klikken van het leermodel: 1"},
      {Language::kGerman, 1200, 5000, "1.200 von 5.000 Klicks beurteilt",
       "Klicks des Lernmodells: 5.000"},
  };
  for (const Case& c : cases) {
    SetLanguage(c.language);
    EXPECT_EQ(JudgingProgressText(c.made, c.clicks), c.progress);
    EXPECT_EQ(LearnerClicksText(c.clicks), c.learner);
  }
}

// The run's clicks split by whom: the user's are the run's less the learner's, and never
// fewer than none when a restored learner judged more than the run has kept.
TEST_F(LearnerTextsTest, SplitsTheRunsClicksByWhom) {
  EXPECT_EQ(UserClicks(12, 4), 8);
  EXPECT_EQ(UserClicks(3, 40), 0);
  EXPECT_EQ(RunClicksText(1212, 12), "Your clicks: 1,200 · Clicks of the learner: 12");
  EXPECT_EQ(RunClicksText(3, 40), "Your clicks: 0 · Clicks of the learner: 40");
}

}  // namespace
}  // namespace vantrel

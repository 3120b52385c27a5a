#include "messages/worksheet.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "language/catalogue.h"

namespace vantrel {
namespace {

// Every experiment's sheet has a few steps and three or four questions, each a sentence of
// its own, in every language the program speaks: a text left untranslated would print in
// English on a Dutch or German pupil's sheet.
TEST(WorksheetTest, EachExperimentHasStepsAndQuestionsInEveryLanguage) {
  for (std::string_view code : {"de", "nl"}) {
    if (BuiltInCatalogue(code).empty()) GTEST_SKIP() << "no catalogue built in for " << code;
  }
  std::set<std::string> english;
  for (int experiment = 1; experiment <= 5; ++experiment) {
    SetLanguage(Language::kEnglish);
    const Worksheet source = ExperimentWorksheet(experiment);
    SCOPED_TRACE(experiment);
    EXPECT_GE(source.steps.size(), 3u);
    EXPECT_LE(source.steps.size(), 5u);
    EXPECT_GE(source.questions.size(), 3u);
    EXPECT_LE(source.questions.size(), 4u);
    for (const std::string& question : source.questions) {
      EXPECT_EQ(question.back(), '?') << question;
      EXPECT_TRUE(english.insert(question).second) << "asked twice: " << question;
    }
    for (const Language language : {Language::kGerman, Language::kDutch}) {
      SetLanguage(language);
      const Worksheet shown = ExperimentWorksheet(experiment);
      ASSERT_EQ(shown.steps.size(), source.steps.size());
      ASSERT_EQ(shown.questions.size(), source.questions.size());
      for (std::size_t i = 0; i < shown.steps.size(); ++i) {
        EXPECT_NE(shown.steps[i], source.steps[i]);
      }
      for (std::size_t i = 0; i < shown.questions.size(); ++i) {
        EXPECT_NE(shown.questions[i], source.questions[i]);
      }
      EXPECT_NE(shown.counts_heading, source.counts_heading);
    }
  }
  SetLanguage(Language::kEnglish);
}

TEST(WorksheetTest, NoExperimentHasNoStepsButStillItsTable) {
  for (const int experiment : {0, 6, -1}) {
    const Worksheet sheet = ExperimentWorksheet(experiment);
    EXPECT_TRUE(sheet.steps.empty()) << experiment;
    EXPECT_TRUE(sheet.questions.empty()) << experiment;
    EXPECT_EQ(sheet.count_columns.size(), 5u) << experiment;
  }
}

}  // namespace
}  // namespace vantrel

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lab/run_csv.h"
#include "tests/support/spoken_language.h"

namespace vantrel {
namespace {

using ExportQuestionLanguageTest = testing::SpokenLanguageTest;

// The question's words follow the language; the file pattern and the name it suggests
// never do.
TEST_F(ExportQuestionLanguageTest, TheExportQuestionKeepsItsPattern) {
  VANTREL_SPEAK(Language::kGerman);
  const FileQuestion question = ExportRunsQuestion();
  EXPECT_EQ(question.title, "Durchgänge exportieren");
  EXPECT_EQ(question.filters, std::vector<std::string>{"CSV-Dateien (*.csv)"});
  EXPECT_EQ(question.suggested_name, "runs.csv");
}

}  // namespace
}  // namespace vantrel

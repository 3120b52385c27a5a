// vantrel-lab in Dutch and German: the help, the messages and the summary change with the
// language; option names, goal words and the values to type never do (the CSV neither:
// tests/cli/check_languages.sh compares it).
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "lab/batch.h"
#include "lab/condition_comparison.h"
#include "lab/goal_list.h"
#include "lab/lab_options.h"
#include "language/catalogue.h"
#include "language/text_width.h"

namespace vantrel {
namespace {

class LabLanguageTest : public ::testing::Test {
 protected:
  void SetUp() override {
#ifdef __EMSCRIPTEN__
    GTEST_SKIP() << "the WebAssembly build holds no catalogue: the page hands one over";
#endif
  }
  ~LabLanguageTest() override { SetLanguage(Language::kEnglish); }
};

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

ParsedLabOptions Parse(std::vector<std::string_view> args) { return ParseLabOptions(args); }

TEST_F(LabLanguageTest, TheTranslatedHelpKeepsEveryOptionNameGoalWordAndWidth) {
  const std::string english = LabUsage();
  std::set<std::string> kept;  // option names, key=word examples
  const std::regex token("--[a-z-]+|[a-z]+=[a-z,=]+");
  for (auto it = std::sregex_iterator(english.begin(), english.end(), token);
       it != std::sregex_iterator(); ++it) {
    kept.insert(it->str());
  }
  ASSERT_GT(kept.size(), 20U);
  int widest = 0;
  for (const std::string& line : Lines(english)) widest = std::max(widest, DisplayWidth(line));

  for (const auto& [language, heading] :
       {std::pair{Language::kGerman, "Optionen:"}, std::pair{Language::kDutch, "Opties:"}}) {
    SetLanguage(language);
    const std::string help = LabUsage();
    EXPECT_NE(help.find(std::string("\n") + heading + "\n"), std::string::npos) << help;
    for (const std::string& name : kept) EXPECT_NE(help.find(name), std::string::npos) << name;
    for (const std::string& line : Lines(help)) {
      EXPECT_LE(DisplayWidth(line), widest) << line;
    }
  }
}

TEST_F(LabLanguageTest, LangIsFoundBeforeParsingAndSkipsOtherOptionsValues) {
  using Args = std::vector<std::string_view>;
  EXPECT_EQ(LanguageArgument(Args{"--goal", "shape=square", "--lang", "de"}), Language::kGerman);
  EXPECT_EQ(LanguageArgument(Args{"--lang=nl_BE", "--runs", "x"}), Language::kDutch);
  EXPECT_EQ(LanguageArgument(Args{"--lang", "nl", "--lang", "fr"}), Language::kDutch);
  // "--lang" here is the CSV file's name, and a bad argument before it stops nothing.
  EXPECT_EQ(LanguageArgument(Args{"--csv", "--lang", "de"}), std::nullopt);
  EXPECT_EQ(LanguageArgument(Args{"stray", "-h", "--quiet", "--lang", "de"}), Language::kGerman);
  EXPECT_EQ(LanguageArgument(Args{"--lang"}), std::nullopt);
}

TEST_F(LabLanguageTest, MessagesAreTranslatedButOptionsAndTheValuesToTypeStayPlain) {
  const ParsedLabOptions good = Parse({"--goal", "shape=square", "--lang", "nl"});
  ASSERT_EQ(good.error, "");
  EXPECT_EQ(good.options.language, Language::kDutch);
  const std::string bad = Parse({"--goal", "shape=square", "--lang=fr"}).error;
  EXPECT_EQ(bad.rfind("--lang: 'fr' ", 0), 0U) << bad;

  const std::string english = Parse({"--goal", "shape=square", "--runs", "x"}).error;
  SetLanguage(Language::kGerman);
  const std::string german = Parse({"--goal", "shape=square", "--runs", "x"}).error;
  EXPECT_NE(german, english);
  EXPECT_EQ(german.rfind("--runs: 'x' ", 0), 0U) << german;
  EXPECT_NE(german.find("100000000"), std::string::npos) << german;
}

// Two conditions whose numbers need grouping and a decimal separator.
BatchPlan TwoConditions() {
  BatchPlan plan;
  plan.conditions = {{ParseGoalList("shape=square").goal, {10, 5, 2}, 0.9},
                     {ParseGoalList("color=red").goal, {10, 5, 2}, 1}};
  return plan;
}

std::vector<ConditionResults> ManyClicks() {
  std::vector<int> slow;
  std::vector<int> fast;
  for (int i = 0; i < 30; ++i) {
    slow.push_back(1000 + 50 * i);
    fast.push_back(10 + i);
  }
  return {{1200, 1100, {1000, 2000, 3000}, slow}, {1, 1, fast, fast}};
}

TEST_F(LabLanguageTest, TheGermanSummaryWritesNumbersTheGermanWayInAlignedColumns) {
  const BatchPlan plan = TwoConditions();
  const std::vector<ConditionResults> results = ManyClicks();
  const std::string english = SummaryTable(plan, results);
  EXPECT_NE(english.find("   0.9  1200    1100  1500.0 / 2000.0 / 2500.0"), std::string::npos)
      << english;

  SetLanguage(Language::kGerman);
  const std::vector<std::string> table = Lines(SummaryTable(plan, results));
  ASSERT_EQ(table.size(), 3U);
  const std::string& row = table[1];
  EXPECT_NE(row.find(" 0,9 "), std::string::npos) << row;
  EXPECT_NE(row.find(" 1.200 "), std::string::npos) << row;
  EXPECT_NE(row.find("1.500,0 / 2.000,0 / 2.500,0"), std::string::npos) << row;
  EXPECT_NE(row.find("shape=square"), std::string::npos) << row;
  // The spreads start in the column of their heading, counted in characters.
  const std::string& heading = table[0];
  EXPECT_EQ(DisplayWidth(heading.substr(0, heading.find("erster Treffer"))),
            DisplayWidth(row.substr(0, row.find("1.500,0"))))
      << heading << "\n"
      << row;

  const std::vector<std::string> lines = SummaryLines(plan, results);
  EXPECT_NE(lines[0].find("1.200 Durchgänge, 1.100 erreicht"), std::string::npos) << lines[0];
  EXPECT_NE(lines[1].find("1 Durchgang, 1 erreicht"), std::string::npos) << lines[1];
}

TEST_F(LabLanguageTest, TheComparisonKeepsItsSignsAndUsesDecimalCommas) {
  BatchPlan plan = TwoConditions();
  plan.conditions[1].goal = plan.conditions[0].goal;  // only like is compared with like
  const std::vector<ConditionResults> results = ManyClicks();
  SetLanguage(Language::kDutch);
  const std::string text = CompareLikeWithLike(plan, results).at(0).text;
  EXPECT_TRUE(std::regex_search(text, std::regex("^Conditie 2 tegen 1: mediaan 24,5 tegen "
                                                 "1\\.725,0 klikken tot stabiel")))
      << text;
  EXPECT_TRUE(std::regex_search(text, std::regex("verschil -1\\.700,5 \\(95%-interval "
                                                 "-[0-9.]+,[0-9] tot -[0-9.]+,[0-9]\\)")))
      << text;
  EXPECT_NE(text.find("p < 0,001"), std::string::npos) << text;
  EXPECT_NE(text.find("Conditie 2 heeft minder klikken nodig."), std::string::npos) << text;
}

}  // namespace
}  // namespace vantrel

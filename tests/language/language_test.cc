#include "language/language.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "language/catalogue.h"
#include "language/numbers.h"

namespace vantrel {
namespace {

TEST(LanguageTest, CodesAreUnderstoodWhateverTheirRegionOrEncoding) {
  EXPECT_EQ(LanguageFromCode("de"), Language::kGerman);
  EXPECT_EQ(LanguageFromCode("de-AT"), Language::kGerman);
  EXPECT_EQ(LanguageFromCode("de_DE.UTF-8"), Language::kGerman);
  EXPECT_EQ(LanguageFromCode("NL-be"), Language::kDutch);
  EXPECT_EQ(LanguageFromCode("en_GB@euro"), Language::kEnglish);
  EXPECT_EQ(LanguageFromCode("pseudo"), Language::kPseudo);
  EXPECT_EQ(LanguageFromCode("fr"), std::nullopt);
  EXPECT_EQ(LanguageFromCode(""), std::nullopt);
  EXPECT_EQ(LanguageFromCode("deu"), std::nullopt);
}

TEST(LanguageTest, TheFirstSpokenPreferenceWinsAndEnglishOtherwise) {
  EXPECT_EQ(PreferredLanguage(std::vector<std::string>{"fr-FR", "nl", "de"}), Language::kDutch);
  EXPECT_EQ(PreferredLanguage(std::vector<std::string>{"en-US", "de"}), Language::kEnglish);
  EXPECT_EQ(PreferredLanguage(std::vector<std::string>{"fr", "it"}), Language::kEnglish);
  EXPECT_EQ(PreferredLanguage(std::vector<std::string>{}), Language::kEnglish);
  // The pseudo-language is only for tests that ask for it by name.
  EXPECT_EQ(PreferredLanguage(std::vector<std::string>{"pseudo", "de"}), Language::kGerman);
}

TEST(NumbersTest, DutchAndGermanWriteDecimalCommasAndGroupWithPoints) {
  SetLanguage(Language::kEnglish, "");
  EXPECT_EQ(GroupedNumber(1234567), "1,234,567");
  EXPECT_EQ(LocalNumber("1234.5"), "1234.5");
  for (const Language language : {Language::kGerman, Language::kDutch}) {
    SetLanguage(language, "");
    EXPECT_EQ(GroupedNumber(1234567), "1.234.567");
    EXPECT_EQ(GroupedNumber(-1000), "-1.000");
    EXPECT_EQ(GroupedNumber(999), "999");
    EXPECT_EQ(LocalNumber("1234.5"), "1.234,5");
    EXPECT_EQ(LocalNumber("-0.25"), "-0,25");
    EXPECT_EQ(LocalNumber("12"), "12");
    // What is not a plain number is left alone.
    EXPECT_EQ(LocalNumber("n/a"), "n/a");
    EXPECT_EQ(LocalNumber("1."), "1.");
    EXPECT_EQ(LocalNumber("-"), "-");
  }
  SetLanguage(Language::kEnglish);
}

}  // namespace
}  // namespace vantrel

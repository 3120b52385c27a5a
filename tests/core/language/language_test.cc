#include "language/language.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "language/catalogue.h"
#include "language/dates.h"
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

TEST(NumbersTest, DecimalsRoundTiesAwayFromZeroAndTakeTheLanguagesMarks) {
  struct Case {
    double number;
    int decimals;  // -1: the shortest form
    const char* english;
    const char* german;
  };
  const Case cases[] = {
      {1234, -1, "1234", "1.234"},
      {2.5, -1, "2.5", "2,5"},
      {0.1, -1, "0.1", "0,1"},
      {-1234.5, -1, "-1234.5", "-1.234,5"},
      {1e-7, -1, "0.0000001", "0,0000001"},
      {0, -1, "0", "0"},
      // printf would round these ties to even.
      {2.25, 1, "2.3", "2,3"},
      {0.25, 1, "0.3", "0,3"},
      {-2.25, 1, "-2.3", "-2,3"},
      {0.125, 2, "0.13", "0,13"},
      // Not a tie: 2.35 is a little below as a double.
      {2.35, 1, "2.4", "2,4"},
      {1.005, 2, "1.00", "1,00"},
      {9.96, 1, "10.0", "10,0"},
      {999.5, 0, "1000", "1.000"},
      {0, 1, "0.0", "0,0"},
  };
  for (const Language language : {Language::kEnglish, Language::kGerman}) {
    SetLanguage(language, "");
    for (const Case& c : cases) {
      const std::string shown =
          c.decimals < 0 ? LocalDecimal(c.number) : LocalDecimal(c.number, c.decimals);
      EXPECT_EQ(shown, language == Language::kGerman ? c.german : c.english)
          << c.number << " with " << c.decimals;
    }
  }
  SetLanguage(Language::kEnglish);
}

// Both faces write a moment in the machine's local time, each language its own way.
TEST(DatesTest, EachLanguageWritesTheLocalDateAndTime) {
  const char* zone = std::getenv("TZ");
  const std::string earlier_zone = zone != nullptr ? zone : "";
  setenv("TZ", "CET-1", 1);  // an hour ahead of UTC, all year round
  tzset();
  // 2026-12-08 21:36:32.5 UTC, and a moment before 1970.
  constexpr std::int64_t kEvening = 1'796'765'792'500;
  constexpr std::int64_t kBefore1970 = -500;
  const struct {
    Language language;
    std::string evening;
    std::string before_1970;
  } cases[] = {
      {Language::kEnglish, "2026-12-08 22:36:32", "1970-01-01 00:59:59"},
      {Language::kDutch, "08-12-2026 22:36:32", "01-01-1970 00:59:59"},
      {Language::kGerman, "08.12.2026 22:36:32", "01.01.1970 00:59:59"},
      {Language::kPseudo, "2026-12-08 22:36:32", "1970-01-01 00:59:59"},
  };
  for (const auto& c : cases) {
    SetLanguage(c.language, "");
    EXPECT_EQ(LocalDateTime(kEvening), c.evening) << LanguageCode(c.language);
    EXPECT_EQ(LocalDateTime(kBefore1970), c.before_1970) << LanguageCode(c.language);
  }
  SetLanguage(Language::kEnglish);
  if (zone != nullptr) {
    setenv("TZ", earlier_zone.c_str(), 1);
  } else {
    unsetenv("TZ");
  }
  tzset();
}

}  // namespace
}  // namespace vantrel

#include "app/language_argument.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantrel {
namespace {

// The arguments as main() hands them over, and what is left of them.
struct Arguments {
  explicit Arguments(std::vector<std::string> texts) : texts(std::move(texts)) {
    for (std::string& text : this->texts) pointers.push_back(text.data());
  }
  std::vector<std::string> Left() const { return {pointers.begin(), pointers.end()}; }

  std::vector<std::string> texts;
  std::vector<char*> pointers;
};

TEST(LanguageArgumentTest, TakesTheOptionInBothFormsAndLeavesTheRestInOrder) {
  Arguments spaced({"vantrel", "-style", "fusion", "--lang", "de", "--version"});
  EXPECT_EQ(TakeLanguageArgument(spaced.pointers).language, Language::kGerman);
  EXPECT_EQ(spaced.Left(), (std::vector<std::string>{"vantrel", "-style", "fusion", "--version"}));

  Arguments joined({"vantrel", "--lang=NL-be"});
  EXPECT_EQ(TakeLanguageArgument(joined.pointers).language, Language::kDutch);
  EXPECT_EQ(joined.Left(), std::vector<std::string>{"vantrel"});

  Arguments pseudo({"vantrel", "--lang", "pseudo"});
  EXPECT_EQ(TakeLanguageArgument(pseudo.pointers).language, Language::kPseudo);
}

TEST(LanguageArgumentTest, WithoutTheOptionNothingIsChosenAndNothingTaken) {
  // The program's own name is never read as an option, nor is an option that only
  // begins like it.
  Arguments arguments({"--lang", "--language", "de"});
  const LanguageArgument result = TakeLanguageArgument(arguments.pointers);
  EXPECT_FALSE(result.language.has_value());
  EXPECT_FALSE(result.refused.has_value());
  EXPECT_EQ(arguments.Left(), (std::vector<std::string>{"--lang", "--language", "de"}));
}

TEST(LanguageArgumentTest, AnUnknownOrMissingCodeIsRefusedAndTheLastOptionDecides) {
  Arguments unknown({"vantrel", "--lang", "fr"});
  LanguageArgument result = TakeLanguageArgument(unknown.pointers);
  EXPECT_FALSE(result.language.has_value());
  EXPECT_EQ(result.refused, "fr");
  EXPECT_EQ(unknown.Left(), std::vector<std::string>{"vantrel"});

  Arguments missing({"vantrel", "--lang"});
  result = TakeLanguageArgument(missing.pointers);
  EXPECT_FALSE(result.language.has_value());
  EXPECT_EQ(result.refused, "");

  Arguments empty({"vantrel", "--lang="});
  EXPECT_EQ(TakeLanguageArgument(empty.pointers).refused, "");

  // A later good code puts an earlier bad one right, and the other way round.
  Arguments corrected({"vantrel", "--lang=xx", "--lang", "de"});
  result = TakeLanguageArgument(corrected.pointers);
  EXPECT_EQ(result.language, Language::kGerman);
  EXPECT_FALSE(result.refused.has_value());
  Arguments spoiled({"vantrel", "--lang", "de", "--lang=xx"});
  result = TakeLanguageArgument(spoiled.pointers);
  EXPECT_FALSE(result.language.has_value());
  EXPECT_EQ(result.refused, "xx");
}

}  // namespace
}  // namespace vantrel

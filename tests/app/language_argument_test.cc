#include "app/language_argument.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantrel {
namespace {

// Runs the arguments (argv[0] first) through TakeLanguageArgument; `left` gets the rest.
LanguageArgument Take(std::vector<std::string> texts, std::vector<std::string>* left = nullptr) {
  std::vector<char*> arguments;
  arguments.reserve(texts.size());
  for (std::string& text : texts) arguments.push_back(text.data());
  LanguageArgument result = TakeLanguageArgument(arguments);
  if (left != nullptr) left->assign(arguments.begin(), arguments.end());
  return result;
}

TEST(LanguageArgumentTest, TakesTheOptionInBothFormsAndLeavesTheRestInOrder) {
  std::vector<std::string> left;
  EXPECT_EQ(Take({"vantrel", "-style", "fusion", "--lang", "de", "--version"}, &left).language,
            Language::kGerman);
  EXPECT_EQ(left, (std::vector<std::string>{"vantrel", "-style", "fusion", "--version"}));
  EXPECT_EQ(Take({"vantrel", "--lang=NL-be"}).language, Language::kDutch);
  // The program's own name is never read as an option, nor one that only begins like it.
  const LanguageArgument none = Take({"--lang", "--language", "de"}, &left);
  EXPECT_FALSE(none.language || none.refused);
  EXPECT_EQ(left, (std::vector<std::string>{"--lang", "--language", "de"}));
}

TEST(LanguageArgumentTest, AnUnknownOrMissingCodeIsRefusedAndTheLastOptionDecides) {
  std::vector<std::string> left;
  const LanguageArgument unknown = Take({"vantrel", "--lang", "fr"}, &left);
  EXPECT_FALSE(unknown.language.has_value());
  EXPECT_EQ(unknown.refused, "fr");
  EXPECT_EQ(left, std::vector<std::string>{"vantrel"});
  EXPECT_EQ(Take({"vantrel", "--lang"}).refused, "");
  EXPECT_EQ(Take({"vantrel", "--lang="}).refused, "");

  const LanguageArgument corrected = Take({"vantrel", "--lang=xx", "--lang", "de"});
  EXPECT_EQ(corrected.language, Language::kGerman);
  EXPECT_FALSE(corrected.refused.has_value());
  const LanguageArgument spoiled = Take({"vantrel", "--lang", "de", "--lang=xx"});
  EXPECT_FALSE(spoiled.language.has_value());
  EXPECT_EQ(spoiled.refused, "xx");
}

}  // namespace
}  // namespace vantrel

#include "lab/word_grammar.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(WordGrammarTest, ANounsArticleGivesItsGenderAndADamagedOneNone) {
  const Grammar& german = *GrammarOf(Language::kGerman);
  const Grammar& dutch = *GrammarOf(Language::kDutch);
  EXPECT_EQ(GrammarOf(Language::kEnglish), nullptr);
  const std::optional<Noun> wheel = ParseNoun(german, " das  Rad ");
  ASSERT_TRUE(wheel);
  EXPECT_EQ(wheel->gender, Gender::kNeuter);
  EXPECT_EQ(wheel->text, "Rad");
  EXPECT_EQ(ParseNoun(dutch, "het wiel")->gender, Gender::kNeuter);
  EXPECT_EQ(ParseNoun(dutch, "de aardbei")->gender, Gender::kMasculine);
  // An article glued on, another word that starts like one, none, or nothing after it.
  EXPECT_FALSE(ParseNoun(german, "dieErdbeere"));
  EXPECT_FALSE(ParseNoun(dutch, "den aardbei"));
  EXPECT_FALSE(ParseNoun(german, "Erdbeere"));
  EXPECT_FALSE(ParseNoun(german, "die "));
  // The pseudo-language's nouns carry no article: the whole text is the noun.
  EXPECT_EQ(ParseNoun(*GrammarOf(Language::kPseudo), "[wheel ~~]")->text, "[wheel ~~]");
}

TEST(WordGrammarTest, AnAdjectiveHasOneFormOrTwo) {
  const std::optional<Adjective> red = ParseAdjective("rood/rode");
  ASSERT_TRUE(red);
  EXPECT_EQ(red->alone, "rood");
  EXPECT_EQ(red->inflecting, "rode");
  EXPECT_EQ(ParseAdjective("klein")->inflecting, "klein");
  EXPECT_FALSE(ParseAdjective("rood/"));
  EXPECT_FALSE(ParseAdjective(""));
  // A compound keeps both forms: the intensity goes in front of each.
  const Adjective light_red =
      Compound(*GrammarOf(Language::kDutch), *ParseAdjective("licht"), *red);
  EXPECT_EQ(light_red.alone, "lichtrood");
  EXPECT_EQ(light_red.inflecting, "lichtrode");
}

}  // namespace
}  // namespace vantrel

#include "lab/ideas.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/core/lab/idea_draws.h"
#include "tests/support/fakes.h"

namespace vantrel {
namespace {

using testing::IdeaDraws;
using testing::RandomFor;
using testing::ScriptedRandom;

std::string GeneratedIdea(const IdeaDraws& d) {
  ScriptedRandom random = RandomFor(d);
  std::string idea = GenerateIdea(random);
  EXPECT_EQ(random.remaining(), 0u);
  return idea;
}

// The sentence after the opening, for checks that do not care which opening was drawn.
std::string SentenceFor(const IdeaDraws& d) {
  return GeneratedIdea(d).substr(kIdeaIntros[d.intro].size());
}

TEST(IdeaGeneratorTest, WorkedExamples) {
  EXPECT_EQ(GeneratedIdea({.intro = 3, .sentence = 0, .intensity = 4, .color = 5, .lookalike = 4}),
            "Use your divine powers to make a being that looks like a purple windmill.");
  EXPECT_EQ(
      GeneratedIdea({.intro = 1, .sentence = 3, .spoke = 1, .size = 0, .thickness = 3, .shape = 1}),
      "Create an organism that is a tiny triangle without spokes with fat lines.");
  EXPECT_EQ(GeneratedIdea({.intro = 4, .sentence = 4, .lookalike = 2}),
            "The world needs an organism that will be called \"cube on its side\".");
}

TEST(IdeaGeneratorTest, EdgeCasesOfTheTemplates) {
  // Empty intensity: one blank between words, none before the full stop.
  EXPECT_EQ(SentenceFor({.sentence = 0, .intensity = 4, .color = 0, .lookalike = 0}),
            "looks like a red strawberry.");
  EXPECT_EQ(SentenceFor({.sentence = 2, .intensity = 4, .color = 0, .spoke = 0}),
            "is red with spokes.");
  // "without spokes" has no blank of its own before the full stop.
  EXPECT_EQ(SentenceFor({.sentence = 2, .intensity = 3, .color = 3, .spoke = 1}),
            "is dark green without spokes.");
  // The article is never adapted.
  EXPECT_EQ(SentenceFor({.sentence = 0, .intensity = 4, .color = 7, .lookalike = 3}),
            "looks like a orange marble.");
  // Template 1 uses only colour and line style.
  EXPECT_EQ(SentenceFor({.sentence = 1,
                         .intensity = 2,
                         .color = 9,
                         .lookalike = 1,
                         .linestyle = 4,
                         .spoke = 0,
                         .size = 4,
                         .thickness = 4,
                         .shape = 4}),
            "looks bordeaux with heavy lines.");
}

TEST(IdeaGeneratorTest, EveryClickDrawsTenTimesWithEachTablesSize) {
  const std::vector<int> expected_bounds = {5, 5, 5, 10, 5, 5, 2, 5, 5, 5};
  // Whatever the template, all ten draws are made, in the fixed order.
  for (int sentence = 0; sentence < 5; ++sentence) {
    ScriptedRandom random({4, sentence, 4, 9, 4, 4, 1, 4, 4, 4});
    GenerateIdea(random);
    EXPECT_EQ(random.requests(), expected_bounds) << "template " << sentence;
    EXPECT_EQ(random.remaining(), 0u);
  }
}

TEST(IdeaGeneratorTest, AnyDrawsGiveATidySentenceAfterAnOpening) {
  LcgRandom random(4242);
  for (int i = 0; i < 200; ++i) {
    const std::string idea = GenerateIdea(random);
    int openings = 0;
    for (std::string_view intro : kIdeaIntros) openings += idea.starts_with(intro) ? 1 : 0;
    EXPECT_EQ(openings, 1) << idea;
    EXPECT_EQ(idea.find("  "), std::string::npos) << idea;
    EXPECT_EQ(idea.find(" ."), std::string::npos) << idea;
    EXPECT_TRUE(idea.ends_with('.')) << idea;
  }
}

TEST(IdeaCleanUpTest, CollapsePassDoesNotLookBackAtWhatItPutIn) {
  EXPECT_EQ(CollapseDoubleBlanks("a   b"), "a  b");
  EXPECT_EQ(CollapseDoubleBlanks("a    b"), "a  b");
  EXPECT_EQ(CollapseDoubleBlanks("   "), "  ");
  EXPECT_EQ(CollapseDoubleBlanks(" "), " ");
  EXPECT_EQ(CollapseDoubleBlanks(""), "");
  // Two passes bring three and four blanks down to one, five to two.
  EXPECT_EQ(CleanUpIdeaSpacing("a   b"), "a b");
  EXPECT_EQ(CleanUpIdeaSpacing("a    b"), "a b");
  EXPECT_EQ(CleanUpIdeaSpacing("a     b"), "a  b");
}

TEST(IdeaCleanUpTest, OnlyTheFirstBlankBeforeAFullStopOrClosingQuoteGoes) {
  EXPECT_EQ(CleanUpIdeaSpacing("a . b ."), "a. b .");
  EXPECT_EQ(CleanUpIdeaSpacing("\"x \". \"y \"."), "\"x\". \"y \".");
  // Three blanks before the full stop leave one after the passes; that one goes.
  EXPECT_EQ(CleanUpIdeaSpacing("x   ."), "x.");
  // A blank before a quote not followed by a full stop stays.
  EXPECT_EQ(CleanUpIdeaSpacing("say \"hi\" now."), "say \"hi\" now.");
  // The full-stop rule runs first: in ' ".' there is no blank directly before the stop.
  EXPECT_EQ(CleanUpIdeaSpacing("a \". b ."), "a\". b.");
}

TEST(IdeaFillTest, ReplacesOnlyTheFirstOccurrenceOfEachPlaceholder) {
  IdeaWords words{.sentence = "@color and @color @shape@size.",
                  .color = "red ",
                  .size = "tiny ",
                  .shape = "line "};
  EXPECT_EQ(FillIdeaTemplate(words), "red  and @color line tiny .");
  // A template without placeholders passes through unchanged; the search is case-sensitive.
  words.sentence = "@Color stays.";
  EXPECT_EQ(FillIdeaTemplate(words), "@Color stays.");
}

TEST(PickRandomTest, OneDrawBelowTheTableSizeChoosesTheEntry) {
  ScriptedRandom random({0, 4, 1});
  EXPECT_EQ(PickRandom(kIdeaIntensities, random), "pale ");
  EXPECT_EQ(PickRandom(kIdeaIntensities, random), "");
  EXPECT_EQ(PickRandom(kIdeaSpokes, random), "without spokes");
  EXPECT_EQ(random.requests(), (std::vector<int>{5, 5, 2}));
  // An empty table gives the empty text and draws nothing.
  EXPECT_EQ(PickRandom(WordTable{}, random), "");
  EXPECT_EQ(random.requests().size(), 3u);
}

TEST(IdeaTablesTest, WordsEndInOneBlankExceptTheTwoListedOnes) {
  const std::vector<WordTable> word_tables = {kIdeaIntensities, kIdeaColors, kIdeaLookalikes,
                                              kIdeaLineStyles,  kIdeaSpokes, kIdeaSizes,
                                              kIdeaThicknesses, kIdeaShapes};
  int exceptions = 0;
  for (WordTable table : word_tables) {
    for (std::string_view word : table) {
      if (word.empty() || word == "without spokes") {
        ++exceptions;
        continue;
      }
      EXPECT_TRUE(word.ends_with(' ') && !word.ends_with("  ")) << "[" << word << "]";
    }
  }
  EXPECT_EQ(exceptions, 2);
  for (std::string_view intro : kIdeaIntros) {
    EXPECT_TRUE(intro.ends_with(' ') && !intro.ends_with("  ")) << intro;
  }
  for (std::string_view sentence : kIdeaTemplates) EXPECT_FALSE(sentence.ends_with(' '));
}

}  // namespace
}  // namespace vantrel

#include "lab/idea_wording.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lab/goal.h"
#include "tests/core/lab/idea_draws.h"
#include "tests/core/lab/language_fixture.h"
#include "tests/support/fakes.h"

namespace vantrel {
namespace {

using testing::IdeaDraws;
using testing::RandomFor;
using testing::ScriptedRandom;

IdeaWords WordsFor(const IdeaDraws& d) {
  ScriptedRandom random = RandomFor(d);
  return DrawIdeaWords(random);
}

std::string IdeaFor(const IdeaDraws& d) { return IdeaText(WordsFor(d)); }

// Replaces one record of a catalogue's bytes, as a damaged file would have it.
std::string Replaced(std::string_view bytes, const std::string& from, const std::string& to) {
  std::string text(bytes);
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

class IdeaWordingTest : public testing::InLanguageTest {};

TEST_F(IdeaWordingTest, GermanArticlesAndEndingsFollowTheNounAndTheVerbComesLast) {
  SetLanguage(Language::kGerman);
  EXPECT_EQ(IdeaFor({.intro = 1, .sentence = 0, .intensity = 0, .color = 0, .lookalike = 0}),
            "Erschaffe einen Organismus, der wie eine blassrote Erdbeere aussieht.");
  EXPECT_EQ(IdeaFor({.intro = 4, .sentence = 0, .intensity = 4, .color = 3, .lookalike = 1}),
            "Die Welt braucht einen Organismus, der wie ein grünes Rad aussieht.");
  EXPECT_EQ(IdeaFor({.intro = 2, .sentence = 0, .intensity = 3, .color = 1, .lookalike = 2}),
            "Mach einen Organismus, der wie ein dunkelblauer Würfel auf der Seite aussieht.");
  // A colour with a form of its own before a noun.
  EXPECT_EQ(IdeaFor({.intro = 1, .sentence = 0, .intensity = 4, .color = 7, .lookalike = 3}),
            "Erschaffe einen Organismus, der wie eine orangefarbene Murmel aussieht.");
  EXPECT_EQ(IdeaFor({.intro = 1, .sentence = 1, .color = 7, .linestyle = 0}),
            "Erschaffe einen Organismus, der orange aussieht und mit gestrichelten Linien "
            "gezeichnet ist.");
  // The opening's noun is neuter: "das".
  EXPECT_EQ(IdeaFor({.intro = 0, .sentence = 2, .intensity = 1, .color = 8, .spoke = 0}),
            "Du, der Allmächtige, hast beschlossen, ein Lebewesen zu erschaffen, das hellgrau "
            "ist und Speichen hat.");
  EXPECT_EQ(IdeaFor({.intro = 2, .sentence = 3, .spoke = 1, .size = 1, .thickness = 4, .shape = 1}),
            "Mach einen Organismus, der ein kleines Dreieck ohne Speichen, aber mit dicken "
            "Linien ist.");
  EXPECT_EQ(
      IdeaFor({.intro = 2, .sentence = 3, .spoke = 0, .size = 0, .thickness = 1, .shape = 0}),
      "Mach einen Organismus, der eine winzige Linie mit Speichen und mit dünnen Linien ist.");
  EXPECT_EQ(IdeaFor({.intro = 1, .sentence = 4, .lookalike = 4}),
            "Erschaffe einen Organismus, der „Windmühle“ heißen soll.");
}

TEST_F(IdeaWordingTest, DutchInflectsTheAdjectiveExceptBeforeAHetWord) {
  SetLanguage(Language::kDutch);
  EXPECT_EQ(IdeaFor({.intro = 2, .sentence = 0, .intensity = 1, .color = 0, .lookalike = 0}),
            "Maak een organisme dat eruitziet als een lichtrode aardbei.");
  EXPECT_EQ(IdeaFor({.intro = 2, .sentence = 0, .intensity = 4, .color = 3, .lookalike = 1}),
            "Maak een organisme dat eruitziet als een groen wiel.");
  EXPECT_EQ(IdeaFor({.intro = 4, .sentence = 0, .intensity = 4, .color = 7, .lookalike = 3}),
            "De wereld heeft een organisme nodig dat eruitziet als een oranje knikker.");
  EXPECT_EQ(IdeaFor({.intro = 2, .sentence = 3, .spoke = 0, .size = 1, .thickness = 1, .shape = 1}),
            "Maak een organisme dat een kleine driehoek met spaken en met dunne lijnen is.");
  EXPECT_EQ(IdeaFor({.intro = 2, .sentence = 3, .spoke = 1, .size = 1, .thickness = 4, .shape = 2}),
            "Maak een organisme dat een klein vierkant zonder spaken, maar met dikke lijnen is.");
  EXPECT_EQ(IdeaFor({.intro = 2, .sentence = 1, .color = 5, .linestyle = 3}),
            "Maak een organisme dat er paars uitziet en met vette lijnen getekend is.");
  EXPECT_EQ(IdeaFor({.intro = 2, .sentence = 2, .intensity = 3, .color = 8, .spoke = 1}),
            "Maak een organisme dat donkergrijs is en geen spaken heeft.");
}

TEST_F(IdeaWordingTest, TheGoalIsShownOnItsOwnWhileRunsKeepItInEnglish) {
  const Goal goal =
      GoalFromIdea(WordsFor({.sentence = 3, .spoke = 1, .size = 0, .thickness = 3, .shape = 1}));
  SetLanguage(Language::kGerman);
  EXPECT_EQ(
      GoalFromIdea(WordsFor({.sentence = 3, .spoke = 1, .size = 0, .thickness = 3, .shape = 1}))
          .text,
      goal.text);
  EXPECT_EQ(ShownGoalText(goal.text),
            "ist ein winziges Dreieck ohne Speichen, aber mit breiten Linien.");
  EXPECT_EQ(ShownGoalText("looks like a pale red strawberry."),
            "sieht aus wie eine blassrote Erdbeere.");
  // A goal in the command line's words, and one no idea makes, stay as they are.
  EXPECT_EQ(ShownGoalText("color=green spokes=yes"), "color=green spokes=yes");
  EXPECT_EQ(ShownGoalText("the organism on screen"), "the organism on screen");
  SetLanguage(Language::kDutch);
  EXPECT_EQ(ShownGoalText("is dark gray without spokes."), "is donkergrijs en heeft geen spaken.");
  SetLanguage(Language::kEnglish);
  EXPECT_EQ(ShownGoalText(goal.text), goal.text);
}

// The idea of a seed as the generator always wrote it, and the state after its draws.
std::pair<std::string, std::uint64_t> EnglishIdea(std::uint32_t seed, IdeaWords& words) {
  LcgRandom random(seed);
  words = DrawIdeaWords(random);
  return {std::string(words.intro) + CleanUpIdeaSpacing(FillIdeaTemplate(words)), random.State()};
}

TEST(IdeaEnglishTest, EnglishIdeasAreAsTheyAlwaysWere) {
  for (std::uint32_t seed = 1; seed <= 200; ++seed) {
    LcgRandom random(seed);
    const Idea idea = MakeIdea(random);
    IdeaWords words;
    const auto [english, state] = EnglishIdea(seed, words);
    EXPECT_EQ(idea.text, english);
    EXPECT_EQ(random.State(), state) << "seed " << seed;
  }
}

TEST_F(IdeaWordingTest, EveryLanguageDrawsTheSameTenTimesAndWordsItsOwnWay) {
  for (Language language : {Language::kDutch, Language::kGerman, Language::kPseudo}) {
    SetLanguage(language);
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
      LcgRandom random(seed);
      const Idea idea = MakeIdea(random);
      IdeaWords words;
      const auto [english, state] = EnglishIdea(seed, words);
      ASSERT_EQ(random.State(), state) << LanguageCode(language) << " seed " << seed;
      EXPECT_EQ(idea.words.sentence, words.sentence);
      EXPECT_EQ(idea.words.shape, words.shape);
      EXPECT_NE(idea.text, english);
      // Every goal an idea makes is found again to be shown in the language.
      const std::string goal = GoalFromIdea(words).text;
      EXPECT_NE(ShownGoalText(goal), goal) << LanguageCode(language) << ": " << goal;
    }
  }
}

TEST_F(IdeaWordingTest, AMissingOrDamagedTranslationGivesTheWholeSentenceInEnglish) {
  const std::string_view german = BuiltInCatalogue("de");
  ASSERT_FALSE(german.empty());
  const IdeaDraws strawberry{.intro = 1, .sentence = 0, .intensity = 0, .color = 0, .lookalike = 0};
  const std::string english = IdeaFor(strawberry);
  // The noun without its article, so its gender is unknown.
  SetLanguage(Language::kGerman, Replaced(german,
                                          "strawberry\x1f"
                                          "die Erdbeere",
                                          "strawberry\x1f"
                                          "Erdbeere"));
  EXPECT_EQ(IdeaFor(strawberry), english);
  // A sentence that lost its placeholder.
  SetLanguage(Language::kGerman, Replaced(german, "looks like %1.\x1fwie %1 aussieht.",
                                          "looks like %1.\x1fwie aussieht."));
  EXPECT_EQ(IdeaFor(strawberry), english);
  EXPECT_EQ(ShownGoalText("looks like a pale red strawberry."),
            "sieht aus wie eine blassrote Erdbeere.");
  // An opening the catalogue lacks.
  SetLanguage(Language::kGerman, Replaced(german, "Create an organism that", "Create no organism"));
  EXPECT_EQ(IdeaFor(strawberry), english);
  // No catalogue at all, as when the page could not fetch it.
  SetLanguage(Language::kDutch, "");
  EXPECT_EQ(IdeaFor(strawberry), english);
}

// True when every letter of `text` stands between brackets.
bool AllInBrackets(std::string_view text) {
  int depth = 0;
  for (char c : text) {
    depth += c == '[' ? 1 : c == ']' ? -1 : 0;
    if (depth == 0 && std::isalpha(static_cast<unsigned char>(c))) return false;
  }
  return depth == 0;
}

TEST_F(IdeaWordingTest, ThePseudoLanguageBracketsEveryPiece) {
  SetLanguage(Language::kPseudo);
  for (int sentence = 0; sentence < 5; ++sentence) {
    const std::string idea = IdeaFor({.intro = 3, .sentence = sentence, .intensity = 2});
    EXPECT_TRUE(AllInBrackets(idea)) << idea;
    EXPECT_EQ(idea.find('%'), std::string::npos) << idea;
  }
  EXPECT_FALSE(AllInBrackets("[a] b"));
}

}  // namespace
}  // namespace vantrel

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "lab/goal.h"
#include "lab/idea_wording.h"
#include "lab/organism_wording.h"
#include "tests/core/lab/language_fixture.h"

namespace vantrel {
namespace {

// The genders of the nouns, and the endings an adjective takes after "ein"/"eine", as a
// German grammar gives them.
enum GermanGender { kM, kF, kN };
const std::map<std::string, GermanGender> kGermanNouns = {
    {"Linie", kF},    {"Dreieck", kN}, {"Quadrat", kN}, {"Vieleck", kN}, {"Kreis", kM},
    {"Erdbeere", kF}, {"Rad", kN},     {"Würfel", kM},  {"Murmel", kF},  {"Windmühle", kF},
};
const std::map<GermanGender, std::pair<std::string, std::string>> kGermanArticleAndEnding = {
    {kM, {"ein", "er"}}, {kF, {"eine", "e"}}, {kN, {"ein", "es"}}};
// Dutch het-words; every other noun here is a de-word.
const std::vector<std::string> kDutchHetWords = {"vierkant", "wiel"};

std::vector<std::string> Words(std::string_view text) {
  std::istringstream in{std::string(text)};
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

bool EndsWith(std::string_view word, std::string_view ending) { return word.ends_with(ending); }

// Checks "ART ADJ... NOUN" (the noun may run on: "Würfel auf der Seite").
void ExpectGermanAgreement(const std::vector<std::string>& phrase, std::size_t adjectives) {
  ASSERT_GT(phrase.size(), adjectives + 1);
  const std::string& noun = phrase[adjectives + 1];
  ASSERT_TRUE(kGermanNouns.contains(noun)) << noun;
  const auto& [article, ending] = kGermanArticleAndEnding.at(kGermanNouns.at(noun));
  EXPECT_EQ(phrase[0], article) << noun;
  for (std::size_t i = 1; i <= adjectives; ++i) {
    EXPECT_TRUE(EndsWith(phrase[i], ending)) << phrase[i] << " " << noun;
    // "-e" alone must not be a masculine or neuter ending.
    EXPECT_FALSE(ending == "e" && (EndsWith(phrase[i], "er") || EndsWith(phrase[i], "es")));
  }
}

void ExpectDutchAgreement(const std::vector<std::string>& phrase, std::size_t adjectives) {
  ASSERT_GT(phrase.size(), adjectives + 1);
  EXPECT_EQ(phrase[0], "een");
  const std::string& noun = phrase[adjectives + 1];
  const bool het =
      std::find(kDutchHetWords.begin(), kDutchHetWords.end(), noun) != kDutchHetWords.end();
  for (std::size_t i = 1; i <= adjectives; ++i) {
    // Before a het-word after "een" the adjective is bare; "oranje" ends in -e anyway.
    const bool bare = !EndsWith(phrase[i], "e") || EndsWith(phrase[i], "oranje");
    EXPECT_TRUE(het ? bare : EndsWith(phrase[i], "e")) << phrase[i] << " " << noun;
  }
}

class WordAgreementTest : public testing::InLanguageTest {};

// The noun phrase of "looks like a pale red strawberry", from the goal shown on its own.
std::vector<std::string> LookalikePhrase(const IdeaWords& words) {
  std::vector<std::string> shown = Words(ShownGoalText(GoalFromIdea(words).text));
  // "sieht aus wie ..." / "ziet eruit als ...": the phrase follows the third word.
  shown.erase(shown.begin(), shown.begin() + 3);
  if (!shown.empty() && shown.back().ends_with('.')) shown.back().pop_back();
  return shown;
}

TEST_F(WordAgreementTest, EveryColourAndLookalikeAgreesWithItsNoun) {
  for (Language language : {Language::kGerman, Language::kDutch}) {
    SetLanguage(language);
    for (std::string_view intensity : kIdeaIntensities) {
      for (std::string_view colour : kIdeaColors) {
        for (std::string_view lookalike : kIdeaLookalikes) {
          const IdeaWords words{.sentence = kIdeaTemplates[0],
                                .intensity = intensity,
                                .color = colour,
                                .lookalike = lookalike};
          const std::vector<std::string> phrase = LookalikePhrase(words);
          if (language == Language::kGerman) {
            ExpectGermanAgreement(phrase, 1);
          } else {
            ExpectDutchAgreement(phrase, 1);
          }
        }
      }
    }
  }
}

TEST_F(WordAgreementTest, EverySizeColourAndShapeOfAnOrganismAgreesWithTheShape) {
  for (Language language : {Language::kGerman, Language::kDutch}) {
    SetLanguage(language);
    OrganismWords words{.visible = true};
    for (int size = 0; size < WordCount(Aspect::kSize); ++size) {
      for (int intensity = 0; intensity < WordCount(Aspect::kIntensity); ++intensity) {
        for (int colour = 0; colour < WordCount(Aspect::kColour); ++colour) {
          for (int shape = 0; shape < WordCount(Aspect::kShape); ++shape) {
            words.word = {colour, intensity, shape, size, 0, 0, 0};
            const std::vector<std::string> phrase = Words(DescribeOrganism(words));
            if (language == Language::kGerman) {
              ExpectGermanAgreement(phrase, 2);
            } else {
              ExpectDutchAgreement(phrase, 2);
            }
          }
        }
      }
    }
  }
}

TEST_F(WordAgreementTest, TheOrganismInWordsInEachLanguage) {
  // A giant pale blue circle with spokes and thick heavy lines; a medium-sized medium yellow
  // triangle without spokes and thin lines (the pen's word said once).
  const OrganismWords circle{true, {kBlue, kPale, kCircle, kGiant, kThick, kHeavyLine, 0}};
  const OrganismWords triangle{
      true, {kYellow, kMediumIntensity, kTriangle, kMediumSize, kThinPen, kThinLine, 1}};
  const std::string english = DescribeOrganism(circle);
  SetLanguage(Language::kGerman);
  EXPECT_EQ(DescribeOrganism(circle),
            "ein riesiger blassblauer Kreis mit Speichen und dicken kräftigen Linien");
  EXPECT_EQ(DescribeOrganism(triangle),
            "ein mittelgroßes mittelgelbes Dreieck ohne Speichen, mit dünnen Linien");
  EXPECT_EQ(DescribeOrganism(OrganismWords{}), "ein unsichtbarer Organismus");
  SetLanguage(Language::kDutch);
  EXPECT_EQ(DescribeOrganism(circle),
            "een reusachtige bleekblauwe cirkel met spaken en dikke zware lijnen");
  EXPECT_EQ(DescribeOrganism(triangle),
            "een middelgrote middengele driehoek zonder spaken, met dunne lijnen");
  EXPECT_EQ(DescribeOrganism(OrganismWords{}), "een onzichtbaar organisme");
  SetLanguage(Language::kDutch, "");
  EXPECT_EQ(DescribeOrganism(circle), english);
}

TEST_F(WordAgreementTest, JudgedWordsAreShownOnTheirOwnAndKeptInEnglish) {
  Goal goal;
  goal.Set(Aspect::kShape, kSquare);
  goal.Set(Aspect::kColour, kPurple);
  goal.Set(Aspect::kSpokes, kWithoutSpokes);
  SetLanguage(Language::kGerman);
  std::vector<std::string> shown;
  for (const WordVerdict& verdict : JudgeWords(goal, OrganismWords{})) {
    shown.push_back(ShownWord(verdict));
  }
  EXPECT_EQ(shown, (std::vector<std::string>{"violett", "Quadrat", "ohne Speichen"}));
  EXPECT_EQ(JudgeWords(goal, OrganismWords{}).front().word, "purple");
  SetLanguage(Language::kDutch);
  EXPECT_EQ(ShownWord(Aspect::kSize, kMediumSize), "middelgroot");
  EXPECT_EQ(ShownWord(Aspect::kShape, kSquare), "vierkant");
  SetLanguage(Language::kEnglish);
  EXPECT_EQ(ShownWord(Aspect::kSpokes, kWithSpokes), "with spokes");
}

}  // namespace
}  // namespace vantrel

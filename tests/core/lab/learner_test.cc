#include "lab/learner.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "lab/goal.h"
#include "tests/core/lab/language_fixture.h"

namespace vantrel {
namespace {

OrganismWords Words(ColourWord colour, ShapeWord shape, SizeWord size) {
  OrganismWords words;
  words.visible = true;
  words.word = {colour, kDark, shape, size, kMediumPen, kMediumLine, kWithSpokes};
  return words;
}

// A user who keeps red ones and shoots the rest, over a fixed round of organisms.
std::vector<std::pair<OrganismWords, bool>> RedKeeperClicks(int count) {
  std::vector<std::pair<OrganismWords, bool>> clicks;
  const ColourWord colours[] = {kRed, kBlue, kGreen, kRed, kYellow, kBlack};
  const ShapeWord shapes[] = {kSquare, kCircle, kTriangle, kLine, kPolygon};
  for (int i = 0; i < count; ++i) {
    const ColourWord colour = colours[i % 6];
    clicks.push_back({Words(colour, shapes[i % 5], static_cast<SizeWord>(i % 5)), colour == kRed});
  }
  return clicks;
}

Learner Trained(int count) {
  Learner learner;
  for (const auto& [words, kept] : RedKeeperClicks(count)) learner.Learn(words, kept);
  return learner;
}

TEST(LearnerTest, LogisticMatchesTheLibraryWithinItsPromise) {
  for (const double x : {-45.0, -40.0, -12.5, -3.0, -0.7, 0.0, 1e-9, 0.5, 2.0, 9.0, 39.0, 80.0}) {
    const double expected = 1 / (1 + std::exp(-std::fmin(std::fmax(x, -40.0), 40.0)));
    EXPECT_NEAR(Logistic(x), expected, 1e-12) << x;
  }
}

// What the learner makes of a user who keeps red ones, after ever more clicks.
TEST(LearnerTest, LearnsWhatTheUserKeepsFromTheClicks) {
  struct Case {
    int clicks;
    double min_red_chance;  // of a red square
    double max_blue_chance;
    int min_recent_right;
  };
  const Case cases[] = {
      {0, 0.5, 0.5, 0},
      {12, 0.4, 0.15, 0},
      {60, 0.75, 0.1, 18},
      {300, 0.9, 0.1, 20},
  };
  for (const Case& c : cases) {
    const Learner learner = Trained(c.clicks);
    EXPECT_GE(learner.ChanceKept(Words(kRed, kSquare, kLarge)), c.min_red_chance) << c.clicks;
    EXPECT_LE(learner.ChanceKept(Words(kBlue, kSquare, kLarge)), c.max_blue_chance) << c.clicks;
    EXPECT_EQ(learner.clicks(), c.clicks);
    EXPECT_EQ(learner.recent_clicks(), std::min(c.clicks, kLearnerRecentClicks));
    EXPECT_GE(learner.recent_right(), c.min_recent_right) << c.clicks;
    EXPECT_LE(learner.recent_right(), learner.recent_clicks());
  }
}

TEST(LearnerTest, RecordsItsPredictionBeforeLearningFromTheClick) {
  Learner learner;
  // Untrained it predicts "kept" (an even chance): right for a feed, wrong for a shot.
  learner.Learn(Words(kRed, kSquare, kLarge), true);
  EXPECT_EQ(learner.recent_right(), 1);
  Learner other;
  other.Learn(Words(kRed, kSquare, kLarge), false);
  EXPECT_EQ(other.recent_right(), 0);
  // Only the latest twenty count.
  Learner long_run = Trained(400);
  EXPECT_EQ(long_run.recent_clicks(), 20);
  for (int i = 0; i < 20; ++i) long_run.Learn(Words(kRed, kSquare, kLarge), false);
  EXPECT_LT(long_run.recent_right(), 20);
}

TEST(LearnerTest, AnInvisibleOrganismTeachesOnlyTheBias) {
  Learner learner;
  learner.Learn(OrganismWords{}, false);
  for (const double weight : learner.weights()) EXPECT_EQ(weight, 0.0);
  EXPECT_LT(learner.bias(), 0.0);
  EXPECT_LT(learner.ChanceKept(OrganismWords{}), 0.5);
}

TEST(LearnerTest, TheSameClicksGiveTheSameBytesAndTheBytesGiveTheSameModel) {
  const Learner a = Trained(137);
  const Learner b = Trained(137);
  EXPECT_EQ(a.Encode(), b.Encode());
  EXPECT_NE(a.Encode(), Trained(136).Encode());
  const std::optional<Learner> back = Learner::Decode(a.Encode());
  ASSERT_TRUE(back);
  EXPECT_EQ(*back, a);
  // The first click from nothing moves the bias and the words met by exactly half the
  // learning step (0.5 x (1 - 0.5)), in exact binary fractions on every machine.
  Learner first;
  first.Learn(Words(kRed, kSquare, kLarge), true);
  EXPECT_EQ(first.bias(), 0.25);
  EXPECT_EQ(first.weights()[FeatureOffset(Aspect::kColour) + kRed], 0.25);
  EXPECT_EQ(first.weights()[FeatureOffset(Aspect::kSpokes) + kWithSpokes], 0.25);
  EXPECT_EQ(first.weights()[FeatureOffset(Aspect::kColour) + kBlue], 0.0);
}

TEST(LearnerTest, RefusesBytesThatAreNoWholeState) {
  const std::string good = Trained(30).Encode();
  std::string wrong_format = good;
  wrong_format[0] = 2;
  std::string nan_weight = good;
  for (int i = 1; i <= 8; ++i) nan_weight[i] = static_cast<char>(0xFF);
  std::string stray_bits = good;
  stray_bits.back() = static_cast<char>(0x80);
  for (const std::string& bytes : {std::string(), good.substr(0, good.size() - 1), good + "x",
                                   wrong_format, nan_weight, stray_bits}) {
    EXPECT_FALSE(Learner::Decode(bytes)) << bytes.size();
  }
  EXPECT_TRUE(Learner::Decode(Learner().Encode()));
}

class LearnerWordsTest : public testing::InLanguageTest {};

TEST_F(LearnerWordsTest, SaysWhatTheUserSelectsForInTheUsersLanguage) {
  const Learner learner = Trained(120);
  struct Case {
    Language language;
    std::string first;
    std::string heading;
  };
  const Case cases[] = {
      {Language::kEnglish, "keeps red, strength ", "What you select for"},
      {Language::kDutch, "houdt rood, sterkte ", "Waar je op selecteert"},
      {Language::kGerman, "behält rot, Stärke ", "Worauf du selektierst"},
  };
  for (const Case& c : cases) {
    SetLanguage(c.language);
    const std::vector<LearnedTrait> traits = learner.Strongest();
    ASSERT_FALSE(traits.empty());
    EXPECT_EQ(traits[0].aspect, Aspect::kColour);
    EXPECT_EQ(traits[0].word, kRed);
    EXPECT_TRUE(traits[0].keeps);
    EXPECT_EQ(traits[0].text.rfind(c.first, 0), 0u) << traits[0].text;
    EXPECT_EQ(WhatYouSelectForHeading(), c.heading);
    EXPECT_NE(learner.AccuracyText().find("20"), std::string::npos) << learner.AccuracyText();
  }
  SetLanguage(Language::kEnglish);
  EXPECT_EQ(learner.AccuracyText(),
            "Predicted " + std::to_string(learner.recent_right()) + " of your last 20 clicks");
  EXPECT_EQ(Learner().AccuracyText(), "");
  // Strongest first, no more than asked, none below the floor.
  const std::vector<LearnedTrait> two = learner.Strongest(2, 1);
  ASSERT_EQ(two.size(), 2u);
  EXPECT_GE(two[0].strength, two[1].strength);
  EXPECT_TRUE(learner.Strongest(10, 101).empty());
  EXPECT_TRUE(Learner().Strongest().empty());
}

}  // namespace
}  // namespace vantrel

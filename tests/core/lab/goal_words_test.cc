#include "lab/goal_words.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "lab/colour_words.h"
#include "lab/goal.h"
#include "lab/ideas.h"
#include "population/random_source.h"

namespace vantrel {
namespace {

TEST(GoalWordsTest, TraitBandsChangeExactlyAtTheirEdges) {
  const std::pair<int, ShapeWord> shapes[] = {{2, kLine},    {3, kTriangle}, {4, kSquare},
                                              {5, kPolygon}, {8, kPolygon},  {9, kCircle},
                                              {11, kCircle}};
  for (auto [vertices, word] : shapes) EXPECT_EQ(ShapeOf(vertices), word) << vertices;

  const std::pair<int, SizeWord> sizes[] = {
      {2, kTiny},         {20, kTiny},   {21, kSmall},  {60, kSmall},  {61, kMediumSize},
      {110, kMediumSize}, {111, kLarge}, {160, kLarge}, {161, kGiant}, {200, kGiant}};
  for (auto [radius, word] : sizes) EXPECT_EQ(SizeOf(radius), word) << radius;

  const ThicknessWord thickness[] = {kFine, kThinPen, kThinPen, kMediumPen, kMediumPen,
                                     kFat,  kFat,     kThick,   kThick,     kThick};
  for (int width = 1; width <= 10; ++width) {
    EXPECT_EQ(ThicknessOf(width), thickness[width - 1]) << width;
  }

  const LineStyleWord solid[] = {kThinLine, kThinLine, kMediumLine, kMediumLine, kMediumLine,
                                 kBoldLine, kBoldLine, kBoldLine,   kHeavyLine,  kHeavyLine};
  for (int width = 1; width <= 10; ++width) {
    EXPECT_EQ(LineStyleOf(PenStyle::kSolid, width), solid[width - 1]) << width;
    for (PenStyle style :
         {PenStyle::kDash, PenStyle::kDot, PenStyle::kDashDot, PenStyle::kDashDotDot}) {
      EXPECT_EQ(LineStyleOf(style, width), kBroken) << width;
    }
  }
}

TEST(GoalWordsTest, ColourRuleNamesColoursAsTheDocsPictureShows) {
  struct Case {
    ColourNumber colour;
    ColourWord name;
    IntensityWord intensity;
  };
  const Case cases[] = {
      {0x0001F5, kRed, kMediumIntensity},  // #f50100
      {0xA31600, kBlue, kDark},            // #0016a3
      {0x01F500, kGreen, kPale},           // #00f501
      {0x019AFA, kOrange, kLight},         // #fa9a01
      {0x00BBE0, kYellow, kPale},          // #e0bb00
      {0x41048D, kBordeaux, kDark},        // #8d0441
      {0x38302E, kBlack, kDark},           // #2e3038
      {0x899A90, kGray, kLight},           // #909a89
      {0x6E1540, kPurple, kDark},          // #40156e
      {0x00447F, kBrown, kDark},           // #7f4400
  };
  for (const Case& c : cases) {
    // Every case is a colour the genes make, so the table and the rule must agree.
    ASSERT_EQ(c.colour % 167, 0u) << std::hex << c.colour;
    const ColourWords words = NameColour(c.colour);
    EXPECT_EQ(words.name, c.name) << std::hex << c.colour;
    EXPECT_EQ(words.intensity, c.intensity) << std::hex << c.colour;
    EXPECT_EQ(NameGeneColour(c.colour).name, c.name);
  }
  EXPECT_EQ(GeneColours().size(), 546u);
  EXPECT_EQ(GeneColours().front(), 167u);
  EXPECT_EQ(GeneColours().back(), 16700000u);
}

// The table names each gene colour when first asked and answers from memory after: both
// answers must be the rule's, for every name and intensity the table has to hold.
TEST(GoalWordsTest, TheGeneColourTableKeepsWhatTheRuleSays) {
  for (int pass = 0; pass < 2; ++pass) {
    for (const ColourNumber colour : GeneColours()) {
      const ColourWords rule = NameColour(colour);
      const ColourWords table = NameGeneColour(colour);
      ASSERT_EQ(table.name, rule.name) << std::hex << colour << " pass " << pass;
      ASSERT_EQ(table.intensity, rule.intensity) << std::hex << colour << " pass " << pass;
    }
  }
}

TEST(GoalWordsTest, OrganismInWordsFollowsItsTraits) {
  // Triangle, pen 3, dash-dot, colour 2020032, radius 12, no spokes.
  const OrganismWords triangle = WordsOfDna("1234567890123");
  EXPECT_TRUE(triangle.visible);
  EXPECT_EQ(DescribeOrganism(triangle),
            "a tiny pale yellow triangle without spokes and thin "
            "broken lines");
  // Eleven corners, pen 10 solid, radius 200, spokes (digit 13 even).
  EXPECT_EQ(DescribeOrganism(WordsOfDna("9999999999998")),
            "a giant pale blue circle with spokes and thick heavy lines");
  EXPECT_EQ(DescribeOrganism(WordsOfDna("0000000000000")), "an invisible organism");
  // Words two aspects share are told apart or said once.
  OrganismWords both_medium = triangle;
  both_medium.word[static_cast<int>(Aspect::kSize)] = static_cast<int>(SizeOf(80));
  both_medium.word[static_cast<int>(Aspect::kIntensity)] = kMediumIntensity;
  both_medium.word[static_cast<int>(Aspect::kThickness)] = static_cast<int>(ThicknessOf(2));
  both_medium.word[static_cast<int>(Aspect::kLineStyle)] =
      static_cast<int>(LineStyleOf(PenStyle::kSolid, 2));
  EXPECT_EQ(DescribeOrganism(both_medium),
            "a medium-sized medium yellow triangle without spokes and thin lines");
}

TEST(GoalTest, InvisibleOrganismsAndEmptyGoalsMeetNothing) {
  Goal line;
  line.Set(Aspect::kShape, kLine);
  const OrganismWords invisible = WordsOfDna("0000000000000");
  EXPECT_EQ(invisible[Aspect::kShape], kLine);
  EXPECT_FALSE(MeetsGoal(line, invisible));
  for (const WordVerdict& verdict : JudgeWords(line, invisible)) EXPECT_FALSE(verdict.met);
  EXPECT_FALSE(MeetsGoal(Goal{}, WordsOfDna("1234567890123")));

  Goal visible_line = line;
  visible_line.Set(Aspect::kSpokes, kWithoutSpokes);
  const auto verdicts = JudgeWords(visible_line, WordsOfDna("0009000000001"));
  ASSERT_EQ(verdicts.size(), 2u);
  EXPECT_EQ(verdicts[0].word, "line");
  EXPECT_TRUE(verdicts[0].met);
  EXPECT_EQ(verdicts[1].word, "without spokes");
  EXPECT_TRUE(verdicts[1].met);
  EXPECT_TRUE(MeetsGoal(visible_line, WordsOfDna("0009000000001")));
}

TEST(GoalTest, UnreachableGoalsAreDetected) {
  Goal pale_black;
  pale_black.Set(Aspect::kColour, kBlack);
  EXPECT_TRUE(GoalIsReachable(pale_black));
  pale_black.Set(Aspect::kIntensity, kPale);
  EXPECT_FALSE(GoalIsReachable(pale_black));

  Goal thick_thin;
  thick_thin.Set(Aspect::kThickness, kThick);
  thick_thin.Set(Aspect::kLineStyle, kThinLine);
  EXPECT_FALSE(GoalIsReachable(thick_thin));
  thick_thin.Set(Aspect::kLineStyle, kBroken);
  EXPECT_TRUE(GoalIsReachable(thick_thin));
  EXPECT_TRUE(GoalIsReachable(Goal{}));
}

TEST(GoalTest, IdeaGivesTheJudgedWordsOfItsTemplateOnly) {
  IdeaWords idea;
  idea.intro = kIdeaIntros[1];
  idea.sentence = kIdeaTemplates[3];  // size, shape, spoke, thickness
  idea.intensity = kIdeaIntensities[3];
  idea.color = kIdeaColors[3];
  idea.lookalike = kIdeaLookalikes[0];
  idea.linestyle = kIdeaLineStyles[0];
  idea.spoke = kIdeaSpokes[1];
  idea.size = kIdeaSizes[0];
  idea.thickness = kIdeaThicknesses[3];
  idea.shape = kIdeaShapes[1];
  const Goal goal = GoalFromIdea(idea);
  EXPECT_EQ(goal.text, "is a tiny triangle without spokes with fat lines.");
  EXPECT_EQ(goal.JudgedWordCount(), 4);
  EXPECT_EQ(goal[Aspect::kSize], kTiny);
  EXPECT_EQ(goal[Aspect::kShape], kTriangle);
  EXPECT_EQ(goal[Aspect::kSpokes], kWithoutSpokes);
  EXPECT_EQ(goal[Aspect::kThickness], kFat);
  EXPECT_EQ(goal[Aspect::kColour], kNotJudged);

  // The empty intensity judges no intensity; the lookalike is never judged.
  idea.sentence = kIdeaTemplates[0];
  idea.intensity = kIdeaIntensities[4];
  const Goal lookalike = GoalFromIdea(idea);
  EXPECT_EQ(lookalike.text, "looks like a green strawberry.");
  EXPECT_EQ(lookalike.JudgedWordCount(), 1);
  EXPECT_EQ(lookalike[Aspect::kColour], kGreen);

  idea.sentence = kIdeaTemplates[4];
  EXPECT_FALSE(GoalFromIdea(idea).HasJudgedWords());
}

// A lesson's idea always comes with words to judge, though some drawn ideas judge none;
// the same source draws the same goal again.
TEST(GoalTest, WordGoalsOfIdeasAlwaysJudgeWords) {
  int empty_first_ideas = 0;
  for (std::uint32_t seed = 0; seed < 200; ++seed) {
    LcgRandom first(seed);
    if (!GoalFromIdea(MakeIdea(first).words).HasJudgedWords()) ++empty_first_ideas;
    LcgRandom random(seed);
    LcgRandom again(seed);
    const Goal goal = WordGoalOfIdeas(random);
    EXPECT_TRUE(goal.HasJudgedWords()) << seed;
    EXPECT_EQ(goal.text, WordGoalOfIdeas(again).text) << seed;
  }
  EXPECT_GT(empty_first_ideas, 0);  // the redrawing is tried
}

}  // namespace
}  // namespace vantrel

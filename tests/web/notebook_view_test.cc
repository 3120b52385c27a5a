#include "lab/notebook_view.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "lab/run.h"
#include "web/pinned_clock.h"
#include "web/session.h"

namespace vantrel {
namespace {

// 2026-12-09 12:00:00.345 UTC.
constexpr double kDecember9Noon = 1'796'817'600'345.0;

std::vector<LabNotebook::Sample> Samples(int count) {
  std::vector<LabNotebook::Sample> samples;
  samples.reserve(static_cast<std::size_t>(count));
  for (int click = 0; click < count; ++click) samples.push_back({click, 0, 1, 0});
  return samples;
}

TEST(ThinSamplesTest, KeepsEveryPowerOfTwoStrideFromTheFirstUpTo500Points) {
  EXPECT_EQ(ThinSamples(Samples(500)).size(), 500u);
  const std::vector<LabNotebook::Sample> halved = ThinSamples(Samples(501));
  ASSERT_EQ(halved.size(), 251u);
  EXPECT_EQ(halved[1].click, 2);
  const std::vector<LabNotebook::Sample> quartered = ThinSamples(Samples(2001));
  ASSERT_EQ(quartered.size(), 251u);  // a stride of 8
  EXPECT_EQ(quartered.back().click, 2000);
  EXPECT_TRUE(ThinSamples({}).empty());
}

TEST(ComparedRunTest, OnlyRunsByHandThatAreOverOrReachedAndHaveAClickOrWereReached) {
  vantrel::Run clicked;
  clicked.feeds = 1;
  vantrel::Run idle;
  vantrel::Run reached;
  reached.reached_by = ReachedBy::kUser;
  vantrel::Run judged = clicked;
  judged.mode = RunMode::kJudge;
  EXPECT_TRUE(IsComparedRun(clicked, nullptr));
  EXPECT_FALSE(IsComparedRun(clicked, &clicked));  // still going
  EXPECT_FALSE(IsComparedRun(idle, nullptr));
  EXPECT_TRUE(IsComparedRun(reached, &reached));
  EXPECT_FALSE(IsComparedRun(judged, nullptr));
}

class NotebookViewTest : public ::testing::Test {
 protected:
  NotebookView View() const { return ReadNotebook(session_.engine().notebook()); }

  WebSession session_{std::make_unique<PinnedClock>(kDecember9Noon)};
};

TEST_F(NotebookViewTest, WithoutAGoalNothingIsJudgedOrReached) {
  const NotebookView view = View();
  EXPECT_EQ(view.run_number, 1);
  EXPECT_EQ(view.started, "2026-12-09 12:00");
  EXPECT_EQ(view.goal, "");
  EXPECT_EQ(view.goal_note, GoalNote::kNone);
  EXPECT_FALSE(view.can_declare_reached);
  EXPECT_TRUE(view.checks.empty());
  EXPECT_EQ(view.description, session_.OrganismWords());
  EXPECT_EQ(view.samples.size(), 1u);  // click 0
  EXPECT_FALSE(session_.DeclareReached().counters);
}

// What the notebook says and how its plots scale, as both faces show it, after a few steps.
TEST_F(NotebookViewTest, TextsAndScalesFollowTheRun) {
  struct Case {
    const char* steps;  // f feed, s shoot, i idea, n new gene pool, r Reached
    std::string run_title;
    std::array<std::string, 5> counters;
    const char* checks_note;  // nullptr: the goal's checks
    std::string compared_note;
    CurveScales scales;
    ValueAxis compared_axis;
  };
  const char* kNoGoal = "Nothing to judge without a goal.";
  const std::string started = " · started 2026-12-09 12:00 UTC";
  const std::string none_over =
      "No run is over yet. A run ends with a new gene pool, a load or a new idea, or when it "
      "is reached; then it shows here.";
  const std::string oldest_first =
      "Runs by hand, oldest first. * a parameter changed during the run. Automatic runs are "
      "under \u201cRun automatically\u201d.";
  // Ten organisms: ten distinct DNA strings at most, two strings a tick.
  const CurveScales ten{10, 2, {100, 10, kMostBits}, {20, 2, 1}};
  const std::vector<Case> cases = {
      {"",
       "Run 1 · by hand" + started,
       {"0", "0", "0", "–", "–"},
       kNoGoal,
       none_over,
       ten,
       {10, 6}},
      {"ffs",
       "Run 1 · by hand" + started,
       {"2", "1", "3", "–", "–"},
       kNoGoal,
       none_over,
       ten,
       {10, 6}},
      {"fin",
       "Run 3 · by hand" + started,
       {"0", "0", "0", "–", "–"},
       nullptr,
       oldest_first,
       ten,
       {10, 6}},
      {"ir",
       "Run 2 · by hand" + started,
       {"0", "0", "0", "0", "0 (you)"},
       nullptr,
       oldest_first,
       ten,
       {10, 6}},
  };
  for (const Case& c : cases) {
    WebSession session{std::make_unique<PinnedClock>(kDecember9Noon)};
    for (const char* step = c.steps; *step != '\0'; ++step) {
      switch (*step) {
        case 'f':
          session.Feed();
          break;
        case 's':
          session.Shoot();
          break;
        case 'i':
          session.NewIdea();
          break;
        case 'n':
          session.NewGenePool();
          break;
        default:
          session.DeclareReached();
      }
    }
    const NotebookView view = ReadNotebook(session.engine().notebook());
    EXPECT_EQ(view.run_title, c.run_title) << c.steps;
    EXPECT_EQ(view.counters, c.counters) << c.steps;
    if (c.checks_note != nullptr) {
      EXPECT_EQ(view.checks_note, c.checks_note) << c.steps;
    }
    EXPECT_EQ(view.compared_note, c.compared_note) << c.steps;
    EXPECT_EQ(view.scales, c.scales) << c.steps;
    EXPECT_EQ(view.compared_axis, c.compared_axis) << c.steps;
  }
}

// Both faces' axes: round tops that grow now and then, and round steps between ticks.
TEST(PlotAxesTest, RoundTopsAndSteps) {
  struct Case {
    double value;
    double nice_ceiling;
    double ticks_of_8;  // TickInterval(value, 8)
    ValueAxis round;    // RoundAxis(value), as Qt Charts' nice numbers make it
  };
  const std::vector<Case> cases = {
      {1, 1, 0.2, {1, 6}},   {10, 10, 2, {10, 6}},          {11, 15, 2, {15, 4}},
      {57, 60, 10, {60, 4}}, {178, 200, 50, {200, 5}},      {1201, 1500, 200, {1500, 4}},
      {3.5, 4, 0.5, {4, 5}}, {7001, 8000, 1000, {8000, 5}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NiceCeiling(c.value), c.nice_ceiling) << c.value;
    EXPECT_DOUBLE_EQ(TickInterval(c.value, 8), c.ticks_of_8) << c.value;
    EXPECT_EQ(RoundAxis(c.value), c.round) << c.value;
  }
  EXPECT_EQ(TickInterval(1, 5, true), 1);  // whole things: never a tick between two
}

TEST_F(NotebookViewTest, CountsClicksAndTheUsersReachedOnce) {
  session_.NewIdea();
  session_.Feed();
  session_.Shoot();
  session_.Shoot();
  NotebookView view = View();
  EXPECT_EQ(view.goal, session_.Goal());
  EXPECT_NE(view.goal, "");
  EXPECT_EQ(view.checks.size(), session_.engine().notebook().SelectedVerdicts().size());
  EXPECT_EQ((std::vector<int>{view.run_number, view.feeds, view.shots, view.clicks}),
            (std::vector<int>{2, 1, 2, 3}));
  EXPECT_EQ(view.samples.size(), 4u);
  EXPECT_TRUE(view.can_declare_reached);
  EXPECT_TRUE(session_.DeclareReached().counters);
  view = View();
  EXPECT_EQ(view.stable_click, 3);
  EXPECT_TRUE(view.reached_by_user);
  EXPECT_FALSE(view.can_declare_reached);
  EXPECT_FALSE(session_.DeclareReached().counters);
  // Reached, the run shows among the finished ones at once; undo takes that back.
  ASSERT_EQ(view.compared.size(), 1u);
  EXPECT_EQ(view.compared[0].stable_click, 3);
  session_.Undo();
  EXPECT_TRUE(View().compared.empty());
}

TEST_F(NotebookViewTest, ComparesTheLatestTwelveRunsAndCountsThemAll) {
  for (int run = 0; run < 14; ++run) {
    session_.Feed();
    session_.NewGenePool();
  }
  const NotebookView view = View();
  EXPECT_EQ(view.compared_total, 14);
  ASSERT_EQ(view.compared.size(), 12u);
  EXPECT_EQ(view.compared.front().number, 3);
  EXPECT_EQ(view.compared.back().number, 14);
  EXPECT_EQ(view.compared.back().first_match_click, -1);
  EXPECT_EQ(view.compared.back().start.start_organisms, session_.parameters().start_organisms);
}

}  // namespace
}  // namespace vantrel

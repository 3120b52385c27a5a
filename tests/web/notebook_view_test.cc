#include "web/notebook_view.h"

#include <gtest/gtest.h>

#include <memory>
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
  EXPECT_EQ(view.most_distinct, session_.RowCount());
  EXPECT_FALSE(session_.DeclareReached().counters);
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

#include "lab/judge.h"

#include <gtest/gtest.h>

#include <vector>

#include "lab/goal_list.h"
#include "population/evolution.h"
#include "tests/core/lab/seeded_table.h"

namespace vantrel {
namespace {

using Table = testing::SeededTable;

Goal GoalOf(const char* list) { return ParseGoalList(list).goal; }

void ExpectSameTable(const Table& a, const Table& b) {
  ASSERT_EQ(a.grid.RowCount(), b.grid.RowCount());
  EXPECT_EQ(a.grid.SelectedRow(), b.grid.SelectedRow());
  EXPECT_EQ(a.population.counter(), b.population.counter());
  for (int row = 1; row < a.grid.RowCount(); ++row) {
    for (int col = 0; col < kOrganismColumnCount; ++col) {
      ASSERT_EQ(a.grid.Cell(col, row), b.grid.Cell(col, row)) << col << "," << row;
    }
  }
}

TEST(JudgeTest, JudgedClicksEqualTheSameClicksByHand) {
  Table judged(42, 20);
  Table by_hand(42, 20);
  GoalTracker tracker(judged.grid, GoalOf("color=green,spokes=yes"));
  LcgRandom coin(9);
  Judge judge(judged.population, tracker, coin, 0.8);
  std::vector<Click> clicks(2000);
  for (Click& click : clicks) click = judge.ClickOnce(30, 2);
  // The buttons' own calls, as the main window makes them.
  for (Click click : clicks) {
    if (click == Click::kFeed) {
      FeedOrganism(by_hand.population, 2);
    } else {
      GenerateOrganism(by_hand.population, 30);
      by_hand.population.SelectRandomRow();
    }
  }
  ExpectSameTable(judged, by_hand);
  EXPECT_EQ(judged.random.State(), by_hand.random.State());
}

TEST(JudgeTest, StrictJudgeFeedsEveryHitAndShootsEveryMiss) {
  const Goal goal = GoalOf("shape=triangle");
  for (double strictness : {1.0, 0.0}) {
    Table table(5, 30);
    GoalTracker tracker(table.grid, goal);
    LcgRandom coin(1);
    Judge judge(table.population, tracker, coin, strictness);
    int hits = 0;
    for (int i = 0; i < 3000; ++i) {
      const bool hit = MeetsGoal(goal, WordsOfDna(table.population.SelectedDna()));
      hits += hit ? 1 : 0;
      // Strictness 0 errs every time: the opposite verdict.
      const bool feed = hit == (strictness == 1.0);
      ASSERT_EQ(judge.ClickOnce(10, 1), feed ? Click::kFeed : Click::kShoot) << i;
    }
    EXPECT_GT(hits, 0);
  }
}

TEST(JudgeTest, RunsAreRepeatableAndBoundedByTheClickLimit) {
  JudgeSettings settings;
  settings.goal = GoalOf("shape=square");
  settings.parameters = {10, 10, 1};
  const std::optional<vantrel::Run> run = PlayJudgedRun(settings, 7, 8, nullptr);
  ASSERT_TRUE(run);
  EXPECT_EQ(run->reached_by, ReachedBy::kProgram);
  EXPECT_EQ(run->stable_click, run->clicks());
  EXPECT_LE(*run->first_match_click, *run->stable_click);
  EXPECT_EQ(run->mode, RunMode::kJudge);
  EXPECT_EQ(run->goal, "shape=square");
  const std::optional<vantrel::Run> again = PlayJudgedRun(settings, 7, 8, nullptr);
  EXPECT_EQ(again->feeds, run->feeds);
  EXPECT_EQ(again->shots, run->shots);

  settings.goal = GoalOf("color=purple,intensity=light,shape=circle,size=giant,spokes=no");
  settings.max_clicks = 300;
  settings.warmup_goal = GoalOf("shape=line");
  settings.warmup_clicks = 100;
  const std::optional<vantrel::Run> capped = PlayJudgedRun(settings, 7, 8, nullptr);
  EXPECT_EQ(capped->clicks(), 300);  // the warm-up is not counted
  EXPECT_FALSE(capped->stable_click);
  EXPECT_EQ(capped->reached_by, ReachedBy::kNone);

  const std::atomic<bool> stop{true};
  EXPECT_FALSE(PlayJudgedRun(settings, 7, 8, &stop));
}

TEST(JudgeTest, ARunIsStableAtTheClickThatLeftEveryOrganismMeetingTheGoal) {
  JudgeSettings settings;
  settings.goal = GoalOf("shape=square");
  settings.parameters = {5, 10, 1};
  for (std::uint32_t seed : {974821511u, 1181958858u, 7u}) {
    const std::optional<vantrel::Run> run = PlayJudgedRun(settings, seed, seed + 1, nullptr);
    ASSERT_TRUE(run && run->stable_click);
    // The same clicks by the judge on a table of the same seed, counted until stable.
    Table table(seed, 5);
    GoalTracker tracker(table.grid, settings.goal);
    LcgRandom coin(seed + 1);
    Judge judge(table.population, tracker, coin, 1.0);
    int clicks = 0;
    int feeds = 0;
    while (tracker.matching() < tracker.organisms()) {
      feeds += judge.ClickOnce(10, 1) == Click::kFeed ? 1 : 0;
      ++clicks;
    }
    EXPECT_EQ(*run->stable_click, clicks) << seed;
    EXPECT_EQ(run->feeds, feeds) << seed;
  }
}

}  // namespace
}  // namespace vantrel

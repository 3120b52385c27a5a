#include "lab/notebook.h"

#include <gtest/gtest.h>

#include "lab/goal_list.h"
#include "lab/judge.h"
#include "population/evolution.h"
#include "population/population.h"

namespace vantrel {
namespace {

TEST(LabNotebookTest, FollowsRunsFromGenePoolToIdeaAndKeepsTheCurrentRun) {
  StringGrid grid(kOrganismColumnCount, 2);
  LcgRandom random(3);
  Population population(grid, random);
  population.SetUpColumns();
  LabNotebook notebook(grid);
  population.NewGenePool(10);
  notebook.StartRun({10, 10, 1}, 1796765792);
  EXPECT_EQ(notebook.current_run()->goal, "");
  ASSERT_EQ(notebook.samples().size(), 1u);
  EXPECT_EQ(notebook.samples()[0].distinct_dna, 9);

  ShootClick(population, 10);
  notebook.AfterClick(Click::kShoot);
  const vantrel::Run after_one = *notebook.current_run();

  // An idea starts a new run on the same table with its goal.
  Goal pale_black = ParseGoalList("color=black").goal;
  pale_black.Set(Aspect::kIntensity, kPale);
  notebook.StartRun(pale_black, {10, 10, 1}, 1796765800);
  EXPECT_FALSE(notebook.GoalCanBeMet());
  EXPECT_EQ(notebook.current_run()->number, 2);
  EXPECT_EQ(notebook.SelectedVerdicts().size(), 2u);
  EXPECT_EQ(notebook.DescribeSelected(), DescribeOrganism(WordsOfDna(population.SelectedDna())));

  // Automatic runs join the table; the hand run stays current.
  notebook.AddRuns({vantrel::Run{}, vantrel::Run{}});
  EXPECT_EQ(notebook.runs().runs().size(), 4u);
  EXPECT_EQ(notebook.current_run()->number, 2);
  FeedOrganism(population, 1);
  notebook.AfterClick(Click::kFeed);
  EXPECT_EQ(notebook.current_run()->feeds, 1);
  EXPECT_EQ(notebook.samples().back().click, 1);
  // Putting back an earlier run makes it current again with its own goal and curve.
  notebook.PutBackRun(after_one);
  EXPECT_EQ(notebook.current_run()->number, 1);
  EXPECT_EQ(notebook.current_run()->shots, 1);
  EXPECT_EQ(notebook.goal().text, "");
  EXPECT_EQ(notebook.samples().back().click, 1);
  // And the idea's run, taken out of the table, comes back with its goal.
  const vantrel::Run idea_run = notebook.runs().runs()[1];
  notebook.WithdrawRun(idea_run.id);
  EXPECT_EQ(notebook.runs().runs().size(), 3u);
  notebook.PutBackRun(idea_run);
  EXPECT_EQ(notebook.runs().runs()[1].id, idea_run.id);
  EXPECT_FALSE(notebook.GoalCanBeMet());
}

}  // namespace
}  // namespace vantrel

#include "desktop/notebook/stable_distribution_view.h"

#include <gtest/gtest.h>

#include <QBoxPlotSeries>
#include <QChartView>
#include <QPlainTextEdit>
#include <QScrollBar>

#include "lab/condition_comparison.h"
#include "lab/goal_list.h"

namespace vantrel {
namespace {

// A sweep of `clicks.size()` conditions whose runs became stable after the given clicks.
struct Sweep {
  BatchPlan plan;
  std::vector<BatchRun> runs;
};
Sweep SweepOf(const std::vector<std::vector<int>>& clicks) {
  Sweep sweep;
  sweep.plan.base_seed = 4;
  int number = 0;
  for (std::size_t c = 0; c < clicks.size(); ++c) {
    sweep.plan.conditions.push_back(
        {ParseGoalList("shape=square").goal, {10 + 10 * static_cast<int>(c), 10, 1}, 1});
    for (int stable : clicks[c]) {
      BatchRun run;
      run.run.number = ++number;
      run.run.stable_click = stable;
      run.condition = static_cast<int>(c) + 1;
      sweep.runs.push_back(run);
    }
  }
  sweep.plan.runs_per_condition = clicks.empty() ? 1 : static_cast<int>(clicks[0].size());
  return sweep;
}

TEST(StableDistributionViewTest, ShowsEachConditionAgainstTheFirstAsTextUnderThePlot) {
  StableDistributionView view;
  view.resize(420, 600);
  view.show();
  QPlainTextEdit* comparison = view.comparison();
  EXPECT_TRUE(comparison->toPlainText().isEmpty());
  EXPECT_FALSE(comparison->placeholderText().isEmpty());
  EXPECT_FALSE(comparison->accessibleName().isEmpty());
  EXPECT_TRUE(comparison->isReadOnly());

  const Sweep sweep = SweepOf({{40, 52, 61, 47, 58, 66, 43, 55},
                               {140, 152, 161, 147, 158, 166, 143, 155},
                               {41, 50, 62, 48, 57, 65, 44, 54}});
  const std::vector<std::string> lines =
      ComparisonLines(sweep.plan, ResultsByCondition(sweep.plan, sweep.runs));
  view.Show(sweep.plan, sweep.runs, lines);
  QStringList expected;
  for (const std::string& line : lines) expected << QString::fromStdString(line);
  ASSERT_EQ(expected.size(), 3);
  EXPECT_EQ(comparison->toPlainText(), expected.join(QLatin1Char('\n')));
  EXPECT_TRUE(comparison->toPlainText().contains(QStringLiteral("Condition 2 needs more clicks.")));
  EXPECT_TRUE(comparison->toPlainText().contains(QStringLiteral("(exact). No clear difference.")));
  // Below the plot and the summary, and wrapped rather than scrolled sideways.
  const QChartView* chart = view.findChild<QChartView*>();
  ASSERT_NE(chart, nullptr);
  EXPECT_GE(view.summary()->geometry().top(), chart->geometry().bottom());
  EXPECT_GE(comparison->geometry().top(), view.summary()->geometry().bottom());
  EXPECT_EQ(comparison->horizontalScrollBar()->maximum(), 0);

  // A sweep of one condition leaves nothing to compare: the old text goes.
  const Sweep alone = SweepOf({{40, 52, 61}});
  view.Show(alone.plan, alone.runs, {});
  EXPECT_TRUE(comparison->toPlainText().isEmpty());
}

}  // namespace
}  // namespace vantrel

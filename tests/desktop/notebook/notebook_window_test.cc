#include "desktop/notebook/notebook_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChartView>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "desktop/notebook/run_comparison_view.h"
#include "desktop/notebook/run_curve_view.h"
#include "lab/goal_list.h"
#include "lab/run_csv.h"
#include "tests/desktop/notebook/lab_window_fixture.h"

namespace vantrel::testing {
namespace {

QString LabelText(const QWidget& window, const char* name) {
  const auto* label = window.findChild<QLabel*>(QString::fromLatin1(name));
  return label != nullptr ? label->text() : QStringLiteral("<missing>");
}

std::string ReadFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return "<unreadable>";
  return file.readAll().toStdString();
}

TEST_F(LabWindowTest, ShowsTheGoalCountersAndVerdictsAfterScriptedClicks) {
  // The organism on screen meets the colour but not a shape other than its own.
  Goal goal = GoalOfSelected({Aspect::kColour});
  const int own_shape = WordsOfDna(population_.SelectedDna())[Aspect::kShape];
  goal.Set(Aspect::kShape, (own_shape + 1) % 5);
  goal.text = "is a green square with spokes.";
  notebook_.StartRun(goal, {10, 10, 1}, kStartTime);
  window_->show();
  window_->Refresh();
  EXPECT_EQ(window_->windowTitle(), QStringLiteral("Lab notebook"));
  EXPECT_EQ(window_->objectName(), QStringLiteral("frmNotebook"));
  EXPECT_EQ(LabelText(*window_, "lblGoal"), QStringLiteral("is a green square with spokes."));
  EXPECT_EQ(LabelText(*window_, "lblRun"),
            QStringLiteral("Run 1 · by hand · started 2026-12-08 21:36 UTC"));
  const QString verdicts = LabelText(*window_, "lblVerdicts");
  EXPECT_EQ(verdicts.count(QStringLiteral("✓")), 1) << verdicts.toStdString();
  EXPECT_EQ(verdicts.count(QStringLiteral("✗")), 1) << verdicts.toStdString();

  for (const Click click :
       {Click::kFeed, Click::kShoot, Click::kFeed, Click::kShoot, Click::kShoot}) {
    Play(click);
  }
  EXPECT_EQ(LabelText(*window_, "lblFeeds"), QStringLiteral("2"));
  EXPECT_EQ(LabelText(*window_, "lblShots"), QStringLiteral("3"));
  EXPECT_EQ(LabelText(*window_, "lblClicks"), QStringLiteral("5"));
  // The description follows the organism now on screen.
  EXPECT_EQ(LabelText(*window_, "lblDescription").toStdString(),
            DescribeOrganism(WordsOfDna(grid_.Cell(kDnaColumn, grid_.SelectedRow()))));
  EXPECT_TRUE(window_->findChild<QLabel*>(QStringLiteral("lblGoalNote"))->isHidden());
}

TEST_F(LabWindowTest, SaysWhenOnlyTheUserCanEndTheRun) {
  Goal pale_black = ParseGoalList("color=black,intensity=pale").goal;
  notebook_.StartRun(pale_black, {10, 10, 1}, kStartTime);
  window_->show();
  window_->Refresh();
  const auto* note = window_->findChild<QLabel*>(QStringLiteral("lblGoalNote"));
  EXPECT_FALSE(note->isHidden());
  EXPECT_TRUE(note->text().contains(QStringLiteral("only you can end this run")));

  // A lookalike alone is the user's call too.
  Goal wheel;
  wheel.text = "will be called \"wheel\".";
  notebook_.StartRun(wheel, {10, 10, 1}, kStartTime);
  window_->Refresh();
  EXPECT_TRUE(note->text().contains(QStringLiteral("only you can end this run")));
  EXPECT_EQ(LabelText(*window_, "lblFirstMatch"), QStringLiteral("–"));

  notebook_.StartRun(ParseGoalList("shape=square").goal, {10, 10, 1}, kStartTime);
  window_->Refresh();
  EXPECT_TRUE(note->isHidden());
}

TEST_F(LabWindowTest, CatchesUpOnlyWhenShown) {
  notebook_.StartRun(ParseGoalList("shape=circle").goal, {10, 10, 1}, kStartTime);
  window_->Refresh();
  Play(Click::kShoot);
  Settle();
  EXPECT_EQ(window_->plot_updates(), 0);
  EXPECT_EQ(window_->curves()->share().curve()->count(), 0);

  window_->show();
  EXPECT_EQ(LabelText(*window_, "lblShots"), QStringLiteral("1"));
  Settle();
  EXPECT_EQ(window_->plot_updates(), 1);
  EXPECT_EQ(window_->curves()->share().curve()->count(), 2);
}

TEST_F(LabWindowTest, DrawsThePlotsOncePerEventLoopTurnAndFollowsUndoAndNewRuns) {
  // A founder meets the goal: the first match is click 0.
  notebook_.StartRun(GoalOfSelected({Aspect::kColour, Aspect::kShape}), {10, 10, 1}, kStartTime);
  window_->show();
  Settle();
  const int before = window_->plot_updates();
  for (int i = 0; i < 6; ++i) Play(i % 2 == 0 ? Click::kShoot : Click::kFeed);
  const vantrel::Run after_three_feeds_three_shots = *notebook_.current_run();
  Settle();
  EXPECT_EQ(window_->plot_updates(), before + 1);
  const RunCurveView& curves = *window_->curves();
  ASSERT_EQ(curves.distinct().curve()->count(), 7);
  for (int i = 0; i < 7; ++i) {
    const LabNotebook::Sample& sample = notebook_.samples()[static_cast<std::size_t>(i)];
    EXPECT_EQ(curves.distinct().curve()->at(i), QPointF(sample.click, sample.distinct_dna));
    EXPECT_DOUBLE_EQ(curves.share().curve()->at(i).y(), 100 * sample.share_meeting_goal);
  }
  ASSERT_EQ(curves.share().first_match_mark()->count(), 2);
  EXPECT_EQ(curves.share().first_match_mark()->at(0).x(), 0);

  // Two clicks undone, then a different one: the plot shows the new branch.
  vantrel::Run earlier = after_three_feeds_three_shots;
  earlier.feeds -= 1;
  earlier.shots -= 1;
  notebook_.PutBackRun(earlier);
  window_->Refresh();
  Play(Click::kShoot);
  Settle();
  ASSERT_EQ(curves.distinct().curve()->count(), 6);
  EXPECT_EQ(curves.distinct().curve()->at(5).y(), notebook_.samples()[5].distinct_dna);
  // Undone and drawn before the next click: the points taken back go.
  notebook_.PutBackRun(earlier);
  window_->Refresh();
  Settle();
  EXPECT_EQ(curves.distinct().curve()->count(), 5);

  // A new run starts its plot afresh.
  notebook_.StartRun({10, 10, 1}, kStartTime + 60);
  window_->Refresh();
  Settle();
  EXPECT_EQ(curves.share().curve()->count(), 1);
}

TEST_F(LabWindowTest, ThinsOutALongRunToAFewHundredPoints) {
  notebook_.StartRun(ParseGoalList("shape=circle").goal, {10, 10, 1}, kStartTime);
  window_->show();
  for (int i = 0; i < 1200; ++i) {
    ShootClick(population_, 10);
    notebook_.AfterClick(Click::kShoot);
  }
  window_->Refresh();
  Settle();
  // 1,201 samples: every fourth keeps the plot within its 500 points.
  const RunCurveView& curves = *window_->curves();
  EXPECT_EQ(curves.stride(), 4);
  EXPECT_EQ(curves.diversity().curve()->count(), 301);
  EXPECT_EQ(curves.diversity().curve()->at(300).x(), 1200);
  EXPECT_EQ(curves.diversity().curve()->at(1).x(), 4);
  EXPECT_GE(curves.diversity().x_axis()->max(), 1200);
  // Ten more clicks add the two samples that fall on the stride.
  for (int i = 0; i < 10; ++i) Play(Click::kShoot);
  Settle();
  EXPECT_EQ(curves.diversity().curve()->count(), 303);
  EXPECT_EQ(curves.diversity().curve()->at(302).x(), 1208);
}

TEST_F(LabWindowTest, ReachedEndsTheRunForTheUserOnce) {
  notebook_.StartRun(ParseGoalList("shape=circle,color=black").goal, {10, 10, 1}, kStartTime);
  window_->show();
  Play(Click::kShoot);
  Play(Click::kShoot);
  QSignalSpy declared(window_.operator->(), &NotebookWindow::reachedDeclared);
  auto* reached = window_->findChild<QPushButton*>(QStringLiteral("btnReached"));
  ASSERT_TRUE(reached->isEnabled());
  // By keyboard: Reached, out of use once pressed, hands the focus to Export. The window
  // shows the change once, when the program tells it.
  QApplication::setActiveWindow(&*window_);
  reached->setFocus(Qt::TabFocusReason);
  const int refreshes = window_->refreshes();
  QTest::keyClick(reached, Qt::Key_Space);
  EXPECT_EQ(window_->refreshes(), refreshes + 1);
  EXPECT_EQ(QApplication::focusWidget(),
            window_->findChild<QPushButton*>(QStringLiteral("btnExportRuns")));
  EXPECT_EQ(notebook_.current_run()->reached_by, ReachedBy::kUser);
  EXPECT_EQ(notebook_.current_run()->stable_click, 2);
  EXPECT_EQ(LabelText(*window_, "lblStable"), QStringLiteral("2 (you)"));
  EXPECT_FALSE(reached->isEnabled());
  window_->onReachedClicked();  // the R key on a reached run does nothing more
  EXPECT_EQ(declared.count(), 1);
  EXPECT_EQ(notebook_.current_run()->stable_click, 2);
}

// A run without a goal has nothing to reach: the button is off and its tooltip says why;
// the goal of an idea turns it on.
TEST_F(LabWindowTest, ReachedIsOffWithoutAGoalAndSaysWhy) {
  notebook_.StartRun({10, 10, 1}, kStartTime);
  window_->show();
  window_->Refresh();
  auto* reached = window_->findChild<QPushButton*>(QStringLiteral("btnReached"));
  EXPECT_FALSE(reached->isEnabled());
  EXPECT_TRUE(reached->toolTip().contains(QStringLiteral("No goal")))
      << reached->toolTip().toStdString();
  QSignalSpy declared(window_.operator->(), &NotebookWindow::reachedDeclared);
  window_->onReachedClicked();  // the R key
  EXPECT_EQ(declared.count(), 0);
  EXPECT_FALSE(notebook_.current_run()->reached());

  notebook_.StartRun(ParseGoalList("shape=circle").goal, {10, 10, 1}, kStartTime);
  window_->Refresh();
  EXPECT_TRUE(reached->isEnabled());
  EXPECT_TRUE(reached->toolTip().contains(QStringLiteral("(R)")));
}

TEST_F(LabWindowTest, ExportWritesTheRunTableAndReportsAFailedWriteWithoutLeavingAFile) {
  notebook_.StartRun(ParseGoalList("shape=square").goal, {10, 10, 1}, kStartTime);
  Play(Click::kFeed);
  QTemporaryDir dir;
  const QString target = dir.filePath(QStringLiteral("runs.csv"));
  dialog_.answer = QFile::encodeName(target).toStdString();
  window_->onExportRunsClicked();
  const std::string csv = ReadFile(target);
  EXPECT_EQ(csv, RunsCsv(notebook_.runs().runs()));
  EXPECT_TRUE(csv.starts_with(std::string(kRunCsvHeader) + "\r\n1,hand,2026-12-08T21:36:32Z,"));
  EXPECT_TRUE(messages_.shown().empty());

  // The target's folder is a regular file: the write fails (root too), and says so.
  QFile blocker(dir.filePath(QStringLiteral("plain")));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  const std::string bad =
      QFile::encodeName(dir.filePath(QStringLiteral("plain/runs.csv"))).toStdString();
  dialog_.answer = bad;
  window_->onExportRunsClicked();
  ASSERT_EQ(messages_.shown().size(), 1u);
  EXPECT_EQ(messages_.shown()[0].kind, RecordingMessages::Shown::kError);
  EXPECT_NE(messages_.shown()[0].text.find(bad), std::string::npos) << messages_.shown()[0].text;
  EXPECT_NE(messages_.shown()[0].text.find("Not a directory"), std::string::npos);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
            QStringList({QStringLiteral("plain"), QStringLiteral("runs.csv")}));

  // Cancelling the dialog writes nothing and says nothing.
  dialog_.answer.reset();
  window_->onExportRunsClicked();
  EXPECT_EQ(messages_.shown().size(), 1u);
  EXPECT_EQ(dialog_.asked, 3);
}

TEST_F(LabWindowTest, CtrlEAndTheButtonAskWhereToExport) {
  window_->show();
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.operator->()));
  QTest::keyClick(window_.operator->(), Qt::Key_E, Qt::ControlModifier);
  EXPECT_EQ(dialog_.asked, 1);
  window_->findChild<QPushButton*>(QStringLiteral("btnExportRuns"))->click();
  EXPECT_EQ(dialog_.asked, 2);
  EXPECT_EQ(dialog_.title, "Export runs");
}

TEST_F(LabWindowTest, SendsTheRunTableToASheetCalledRuns) {
  Goal goal = ParseGoalList("shape=square").goal;
  goal.text = "looks like a red, \"quoted\" strawberry.";
  notebook_.StartRun(goal, {10, 20, 3}, kStartTime);
  Play(Click::kShoot);
  window_->findChild<QPushButton*>(QStringLiteral("btnRunsToSpreadsheet"))->click();
  EXPECT_EQ(excel_log_, (std::vector<std::string>{"hourglass", "Show(\"Runs\")", "default"}));
  ASSERT_EQ(excel_.value.size(), 2u * 15u);
  EXPECT_EQ(excel_.value[0], "run");
  EXPECT_EQ(excel_.value[12], "reached_by");
  EXPECT_EQ(excel_.value[14], "lesson");
  EXPECT_EQ(excel_.value[15 + 5], "3");                                         // bonus
  EXPECT_EQ(excel_.value[15 + 6], "looks like a red, \"quoted\" strawberry.");  // goal, whole
  EXPECT_TRUE(messages_.shown().empty());

  excel_.Fail("no spreadsheet program");
  window_->onToSpreadsheetClicked();
  ASSERT_EQ(messages_.shown().size(), 1u);
  EXPECT_EQ(messages_.shown()[0].text, "no spreadsheet program.");
}

TEST_F(LabWindowTest, ComparesTheFinishedRunsByHand) {
  window_->show();
  window_->tabs()->setCurrentWidget(window_->comparison());
  // No organism meets the goal, so no run has a first match.
  notebook_.StartRun(ParseGoalList("color=black,intensity=pale").goal, {10, 10, 1}, kStartTime);
  notebook_.StartRun({10, 10, 1}, kStartTime);  // run 1 ends without a click
  Play(Click::kShoot);
  Play(Click::kFeed);
  window_->onReachedClicked();                  // run 2 is reached at click 2
  notebook_.StartRun({50, 20, 2}, kStartTime);  // run 3 is still under way
  Play(Click::kShoot);
  vantrel::Run automatic;
  automatic.mode = RunMode::kJudge;
  automatic.feeds = 4;
  notebook_.AddRuns({automatic});
  window_->Refresh();
  Settle();
  const RunComparisonView& comparison = *window_->comparison();
  EXPECT_EQ(comparison.shown_runs(), std::vector<int>({2}));
  ASSERT_EQ(comparison.stable_bars()->count(), 1);
  EXPECT_EQ(comparison.stable_bars()->at(0), 2);
  EXPECT_TRUE(comparison.categories()->at(0).startsWith(QStringLiteral("Run 2<br>pop 10")));

  notebook_.StartRun({10, 10, 1}, kStartTime);  // run 3 is over, not reached
  window_->Refresh();
  Settle();
  EXPECT_EQ(comparison.shown_runs(), std::vector<int>({2, 3}));
  EXPECT_TRUE(comparison.categories()->at(1).endsWith(QStringLiteral("no match")));
}

}  // namespace
}  // namespace vantrel::testing

namespace vantrel::testing {
namespace {

// How far apart, in pixels, the value axis's labelled ticks are.
double TickSpacing(const CurvePlot& plot) {
  const QValueAxis& axis = *plot.y_axis();
  return plot.chart()->plotArea().height() * axis.tickInterval() / (axis.max() - axis.min());
}

// The small plots label every tick of their value axes, for two organisms as for many: at
// least a label's line apart, and the count of distinct strings in whole numbers only.
TEST_F(LabWindowTest, ThePlotsValueAxesLabelEveryTickInNumbersThatMeanSomething) {
  StringGrid grid(kOrganismColumnCount, 2);
  Population two(grid, random_);
  two.SetUpColumns();
  two.NewGenePool(2);
  grid.SelectRow(1);
  LabNotebook notebook(grid);
  notebook.StartRun(ParseGoalList("shape=circle").goal, {2, 10, 1}, kStartTime);
  notebook.AfterClick(Click::kFeed);
  window_->show();
  for (const LabNotebook* shown : {&notebook_, &notebook}) {
    window_->curves()->Update(*shown);
    QCoreApplication::processEvents();
    const RunCurveView& curves = *window_->curves();
    for (const CurvePlot* plot : {&curves.share(), &curves.distinct(), &curves.diversity()}) {
      const double line = QFontMetricsF(plot->y_axis()->labelsFont()).height();
      EXPECT_GE(TickSpacing(*plot), line) << plot->curve()->name().toStdString();
    }
    const QValueAxis& distinct = *curves.distinct().y_axis();
    EXPECT_GE(distinct.tickInterval(), 1);
    EXPECT_EQ(distinct.tickInterval(), std::round(distinct.tickInterval()));
  }
  // Up to two strings: a tick for each whole number, where a tenth or a half was before.
  EXPECT_LE(window_->curves()->distinct().y_axis()->max(), 2);
  EXPECT_EQ(window_->curves()->distinct().y_axis()->tickInterval(), 1);
}

}  // namespace
}  // namespace vantrel::testing

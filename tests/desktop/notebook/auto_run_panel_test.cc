#include "desktop/notebook/auto_run_panel.h"

#include <QtTest/qtestspontaneevent.h>
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QBoxPlotSeries>
#include <QChartView>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QWheelEvent>
#include <limits>
#include <optional>
#include <utility>

#include "desktop/notebook/batch_runner.h"
#include "desktop/notebook/chart_title.h"
#include "desktop/notebook/stable_distribution_view.h"
#include "lab/condition_comparison.h"
#include "lab/goal_list.h"
#include "tests/desktop/notebook/lab_window_fixture.h"

namespace vantrel::testing {
namespace {

class AutoRunPanelTest : public LabWindowTest {
 protected:
  AutoRunPanelTest() {
    window_->show();
    panel_ = window_->auto_run();
  }

  // Brings the automatic runs' tab, which holds the panel in a scroll area, to the front.
  void ShowPanel() {
    QTabWidget* tabs = window_->tabs();
    for (int i = 0; i < tabs->count(); ++i) {
      if (tabs->widget(i)->isAncestorOf(panel_)) tabs->setCurrentIndex(i);
    }
    ASSERT_TRUE(panel_->isVisible());
  }
  void ChooseWord(Aspect aspect, int word) {
    QComboBox* box = panel_->word_box(aspect);
    box->setCurrentIndex(box->findData(word));
    emit box->activated(box->currentIndex());  // as the user's choice
  }

  // Waits for the sweep under way to end; false when it did not within `seconds`.
  bool WaitForEnd(int seconds) {
    QSignalSpy finished(&panel_->runner(), &BatchRunner::finished);
    return panel_->runner().running() ? finished.wait(seconds * 1000) : true;
  }

  // The scroll bar of the whole notebook page.
  QScrollBar* PageScrollBar() const {
    return window_->findChild<QAbstractScrollArea*>(QStringLiteral("scrNotebook"))
        ->verticalScrollBar();
  }

  AutoRunPanel* panel_;
};

TEST_F(AutoRunPanelTest, FollowsTheIdeasGoalUntilTheUserPicksWords) {
  notebook_.StartRun(ParseGoalList("color=green,spokes=no").goal, {10, 10, 1}, kStartTime);
  window_->Refresh();
  EXPECT_EQ(panel_->word_box(Aspect::kColour)->currentText(), QStringLiteral("green"));
  EXPECT_EQ(panel_->word_box(Aspect::kSpokes)->currentText(), QStringLiteral("without spokes"));
  EXPECT_EQ(panel_->word_box(Aspect::kShape)->currentText(), QStringLiteral("any"));

  ChooseWord(Aspect::kShape, kSquare);
  notebook_.StartRun(ParseGoalList("color=red").goal, {10, 10, 1}, kStartTime);
  window_->Refresh();
  EXPECT_EQ(panel_->word_box(Aspect::kColour)->currentText(), QStringLiteral("green"));
  EXPECT_EQ(panel_->PlanOfChoices().plan.conditions.at(0).goal.text,
            "color=green,shape=square,spokes=no");

  panel_->findChild<QPushButton*>(QStringLiteral("btnUseIdea"))->click();
  EXPECT_EQ(panel_->word_box(Aspect::kColour)->currentText(), QStringLiteral("red"));
  EXPECT_EQ(panel_->word_box(Aspect::kShape)->currentText(), QStringLiteral("any"));
}

TEST_F(AutoRunPanelTest, RefusesAGoalWithoutWordsOrThatNoOrganismMeets) {
  window_->Refresh();
  EXPECT_FALSE(panel_->run_button()->isEnabled());
  EXPECT_TRUE(panel_->status()->text().contains(QStringLiteral("Pick at least one word")));
  ChooseWord(Aspect::kColour, kBlack);
  EXPECT_TRUE(panel_->run_button()->isEnabled());
  ChooseWord(Aspect::kIntensity, kPale);
  EXPECT_FALSE(panel_->run_button()->isEnabled());
  EXPECT_TRUE(panel_->status()->text().contains(QStringLiteral("No organism")));
}

TEST_F(AutoRunPanelTest, TheParameterBoxesAreTheConditionUntilTheUserEditsTheList) {
  window_->SetConditionDefaults({30, 5, 2});
  ChooseWord(Aspect::kShape, kSquare);
  AutoRunPanel::Choice choice = panel_->PlanOfChoices();
  ASSERT_EQ(choice.plan.conditions.size(), 1u);
  EXPECT_EQ(choice.plan.conditions[0].parameters.start_organisms, 30);
  EXPECT_EQ(choice.plan.conditions[0].parameters.bonus, 2);

  panel_->population_box()->setValue(50);
  panel_->strictness_box()->setValue(0.9);
  panel_->onAddConditionClicked();
  window_->SetConditionDefaults({12, 5, 2});  // the list is the user's now
  choice = panel_->PlanOfChoices();
  ASSERT_EQ(choice.plan.conditions.size(), 2u);
  EXPECT_EQ(choice.plan.conditions[0].parameters.start_organisms, 30);
  EXPECT_EQ(choice.plan.conditions[1].parameters.start_organisms, 50);
  EXPECT_DOUBLE_EQ(choice.plan.conditions[1].strictness, 0.9);
  EXPECT_EQ(panel_->population_box()->value(), 12);  // the box offers the new default

  panel_->conditions()->setCurrentRow(0);
  panel_->onRemoveConditionClicked();
  panel_->onRemoveConditionClicked();
  EXPECT_TRUE(panel_->PlanOfChoices().error.contains(QStringLiteral("condition")));
}

TEST_F(AutoRunPanelTest, PlaysASmallSweepOnAWorkerThreadAndTheRunsJoinTheTable) {
  notebook_.StartRun(ParseGoalList("shape=square").goal, {10, 10, 1}, kStartTime);
  window_->Refresh();
  ChooseWord(Aspect::kSpokes, kWithSpokes);
  window_->SetConditionDefaults({10, 10, 1});
  panel_->population_box()->setValue(12);
  panel_->onAddConditionClicked();
  panel_->runs_box()->setValue(2);
  panel_->max_clicks_box()->setValue(20'000);
  panel_->seed_box()->setValue(5);
  const BatchPlan plan = panel_->PlanOfChoices().plan;
  QSignalSpy added(window_.operator->(), &NotebookWindow::automaticRunsAdded);

  panel_->run_button()->click();
  // The click returns at once; the sweep goes on behind the window.
  EXPECT_TRUE(panel_->runner().running());
  EXPECT_FALSE(panel_->run_button()->isEnabled());
  EXPECT_TRUE(panel_->cancel_button()->isEnabled());
  ASSERT_TRUE(WaitForEnd(60));

  ASSERT_EQ(added.count(), 1);
  EXPECT_EQ(added[0][0].toInt(), 4);
  const std::vector<vantrel::Run>& runs = notebook_.runs().runs();
  ASSERT_EQ(runs.size(), 5u);
  EXPECT_EQ(notebook_.current_run()->number, 1);  // the hand run stays current
  // The same runs as one thread plays them: threads change nothing.
  const std::vector<BatchRun> alone = PlayBatch(plan, {1, 2, 3, 4}, 1, nullptr, nullptr);
  for (std::size_t i = 0; i < 4; ++i) {
    const vantrel::Run& run = runs[i + 1];
    EXPECT_EQ(run.number, static_cast<int>(i) + 2);
    EXPECT_EQ(run.mode, RunMode::kJudge);
    EXPECT_EQ(run.goal, "shape=square,spokes=yes");
    EXPECT_FALSE(run.started_utc);
    EXPECT_EQ(run.start.start_organisms, i < 2 ? 10 : 12);
    EXPECT_EQ(run.feeds, alone[i].run.feeds);
    EXPECT_EQ(run.shots, alone[i].run.shots);
    EXPECT_EQ(run.stable_click, alone[i].run.stable_click);
  }
  EXPECT_EQ(panel_->progress()->value(), 4);
  EXPECT_TRUE(panel_->run_button()->isEnabled());
  EXPECT_EQ(panel_->distribution()->boxes()->count(), 2);
  EXPECT_TRUE(panel_->distribution()->summary()->toPlainText().contains(
      QStringLiteral("shape=square,spokes=yes")));
  // Two runs a condition are too few to tell chance from effect, and the panel says so.
  EXPECT_TRUE(panel_->distribution()->comparison()->toPlainText().contains(
      QStringLiteral("Condition 2 against 1: ")));
  EXPECT_TRUE(panel_->distribution()->comparison()->toPlainText().contains(
      QStringLiteral("too few to compare")));
  EXPECT_TRUE(panel_->status()->text().contains(QStringLiteral("runs 2 to 5")));
}

// Before Run the bar counts the runs its choices will play, not one.
TEST_F(AutoRunPanelTest, BeforeRunTheBarCountsTheRunsToPlay) {
  ChooseWord(Aspect::kShape, kSquare);
  EXPECT_EQ(panel_->progress()->text(), QStringLiteral("0 of 20 runs"));
  panel_->onAddConditionClicked();
  EXPECT_EQ(panel_->progress()->text(), QStringLiteral("0 of 40 runs"));
  panel_->runs_box()->setValue(3);
  EXPECT_EQ(panel_->progress()->text(), QStringLiteral("0 of 6 runs"));
  EXPECT_EQ(panel_->PlanOfChoices().plan.TotalRuns(), 6);
}

// The status text takes one line or four; Run and Cancel stay where they are.
TEST_F(AutoRunPanelTest, RunAndCancelKeepTheirPlaceWhateverTheStatusSays) {
  ShowPanel();
  const QString texts[] = {
      QStringLiteral("Stopping…"),
      QStringLiteral("Goal color=green,intensity=dark,shape=circle,size=giant,thickness=fine,"
                     "linestyle=broken,spokes=no: 3 conditions × 20 runs = 60 runs on 2 "
                     "threads."),
      QStringLiteral("Cancelled after 12.5 s: 17 of 60 runs finished. They joined the run table "
                     "as runs 2 to 18."),
      QString()};
  for (const int width : {900, 640}) {
    window_->resize(width, 760);
    QApplication::processEvents();
    std::optional<std::pair<QPoint, QPoint>> first;
    for (const QString& text : texts) {
      panel_->status()->setText(text);
      QApplication::processEvents();
      const std::pair<QPoint, QPoint> at{
          panel_->run_button()->mapTo(window_.operator->(), QPoint()),
          panel_->cancel_button()->mapTo(window_.operator->(), QPoint())};
      if (!first) first = at;
      EXPECT_EQ(at, *first) << width << ": " << text.toStdString();
    }
  }
}

// The title as the chart shows it, its lines joined by spaces.
QString ShownTitle(QChartView& view) {
  for (QGraphicsItem* item : view.scene()->items()) {
    auto* text = dynamic_cast<QGraphicsTextItem*>(item);
    if (text == nullptr) continue;
    QString shown = text->toPlainText().simplified();
    if (shown.startsWith(QStringLiteral("Clicks"))) return shown;
  }
  return {};
}

// At a narrow width the chart's title takes more lines instead of being cut, and the
// summary wraps instead of scrolling sideways.
TEST_F(AutoRunPanelTest, ANarrowWindowCutsNeitherTheChartTitleNorTheSummary) {
  ShowPanel();
  BatchPlan plan;
  plan.conditions = {{ParseGoalList("shape=square,spokes=yes,color=green").goal, {10, 10, 1}, 1}};
  plan.conditions.push_back(plan.conditions.front());
  plan.runs_per_condition = 1;
  std::vector<BatchRun> runs(2);
  for (int i = 0; i < 2; ++i) runs[i].run.number = i + 1;
  panel_->distribution()->Show(plan, runs, ComparisonLines(plan, ResultsByCondition(plan, runs)));
  auto* chart = panel_->distribution()->findChild<QChartView*>();
  ASSERT_NE(chart, nullptr);
  for (const int width : {900, 560}) {
    window_->resize(width, 760);
    QApplication::processEvents();
    EXPECT_EQ(ShownTitle(*chart), QStringLiteral("Clicks to stable per condition (automatic runs)"))
        << width;
    QPlainTextEdit* summary = panel_->distribution()->summary();
    EXPECT_TRUE(summary->toPlainText().contains(QStringLiteral("goal color=green")));
    EXPECT_EQ(summary->horizontalScrollBar()->maximum(), 0) << width;
    QPlainTextEdit* comparison = panel_->distribution()->comparison();
    EXPECT_TRUE(comparison->toPlainText().contains(QStringLiteral("too few to compare")));
    EXPECT_EQ(comparison->horizontalScrollBar()->maximum(), 0) << width;
  }
}

TEST(WrappedTitleTest, BreaksBetweenWordsToFitTheWidth) {
  const QFontMetricsF metrics{QFont()};
  const QString title = QStringLiteral("Clicks to stable per condition");
  EXPECT_EQ(WrappedTitle(title, metrics, 10'000), title);
  const qreal width = metrics.horizontalAdvance(QStringLiteral("Clicks to stable"));
  EXPECT_EQ(WrappedTitle(title, metrics, width),
            QStringLiteral("Clicks to stable<br>per condition"));
  // A word wider than the width is a line of its own, never split or dropped.
  EXPECT_EQ(WrappedTitle(title, metrics, 1),
            QStringLiteral("Clicks<br>to<br>stable<br>per<br>condition"));
}

TEST_F(AutoRunPanelTest, CancelStopsTheSweepAndKeepsTheWindowUsable) {
  // Loose judging of a hard goal in a large population never settles.
  for (const auto& [aspect, word] :
       {std::pair{Aspect::kColour, int{kGreen}}, std::pair{Aspect::kShape, int{kCircle}},
        std::pair{Aspect::kSize, int{kGiant}}, std::pair{Aspect::kSpokes, int{kWithSpokes}}}) {
    ChooseWord(aspect, word);
  }
  window_->SetConditionDefaults({1000, 10, 1});
  panel_->strictness_box()->setValue(0.5);
  panel_->onAddConditionClicked();
  panel_->runs_box()->setValue(50);
  panel_->max_clicks_box()->setValue(std::numeric_limits<int>::max());
  // By keyboard, in a window short enough to scroll, scrolled down to the buttons: Run hands
  // the focus to Cancel and Cancel, once the runs have stopped, back to Run, and the page
  // stays where it is.
  window_->resize(900, 420);
  ShowPanel();
  QApplication::setActiveWindow(&*window_);
  panel_->run_button()->setFocus(Qt::TabFocusReason);
  QCoreApplication::processEvents();
  window_->findChild<QScrollArea*>(QStringLiteral("scrNotebook"))
      ->ensureWidgetVisible(panel_->run_button());
  QScrollBar* bar = PageScrollBar();
  ASSERT_GT(bar->value(), 0) << "the focus on Run scrolled the page down to it";
  const int scrolled = bar->value();
  QTest::keyClick(panel_->run_button(), Qt::Key_Space);
  ASSERT_TRUE(panel_->runner().running());
  EXPECT_TRUE(panel_->cancel_button()->hasFocus());
  EXPECT_EQ(bar->value(), scrolled);
  QTest::keyClick(panel_->cancel_button(), Qt::Key_Space);
  EXPECT_TRUE(panel_->cancel_button()->hasFocus()) << "until the runs have stopped";
  QSignalSpy finished(&panel_->runner(), &BatchRunner::finished);
  ASSERT_TRUE(finished.wait(20'000));
  EXPECT_TRUE(finished[0][0].toBool());
  EXPECT_FALSE(panel_->runner().running());
  EXPECT_TRUE(panel_->status()->text().startsWith(QStringLiteral("Cancelled")));
  EXPECT_TRUE(panel_->run_button()->isEnabled());
  EXPECT_FALSE(panel_->cancel_button()->isEnabled());
  EXPECT_TRUE(panel_->run_button()->hasFocus());
  EXPECT_EQ(bar->value(), scrolled);
  EXPECT_LT(notebook_.runs().runs().size(), 100u);
}

TEST_F(AutoRunPanelTest, ClosingTheWindowMidSweepStopsTheWorker) {
  ChooseWord(Aspect::kColour, kGreen);
  ChooseWord(Aspect::kSize, kGiant);
  window_->SetConditionDefaults({1000, 10, 1});
  panel_->strictness_box()->setValue(0.5);
  panel_->onAddConditionClicked();
  panel_->max_clicks_box()->setValue(std::numeric_limits<int>::max());
  panel_->run_button()->click();
  ASSERT_TRUE(panel_->runner().running());
  window_.reset();  // must neither hang nor touch the window afterwards
  QCoreApplication::processEvents();
  SUCCEED();
}

TEST_F(AutoRunPanelTest, TheButtonOpensTheAutomaticTab) {
  window_->tabs()->setCurrentIndex(0);
  window_->findChild<QPushButton*>(QStringLiteral("btnRunAutomatically"))->click();
  EXPECT_TRUE(window_->tabs()->currentWidget()->isAncestorOf(panel_));
}

}  // namespace
}  // namespace vantrel::testing

namespace vantrel::testing {
namespace {

// From the goal's first list, Tab visits every choice in the order the screen shows them,
// row by row, then Run; on round the whole window it stops only where the user sees the
// focus: never at a scroll area that holds a page.
TEST_F(AutoRunPanelTest, TabFollowsTheScreenThroughTheChoicesToRunAndStopsAtNothingUnseen) {
  ChooseWord(Aspect::kColour, kGreen);
  ShowPanel();
  QApplication::setActiveWindow(&*window_);
  panel_->conditions()->setFocus(Qt::TabFocusReason);  // a stop in the middle first
  panel_->word_box(Aspect::kColour)->setFocus(Qt::TabFocusReason);
  std::vector<QWidget*> stops;
  for (QWidget* focus = QApplication::focusWidget(); focus != panel_->run_button();
       focus = QApplication::focusWidget()) {
    ASSERT_LT(stops.size(), 40u) << "Tab never reached Run";
    ASSERT_NE(focus, nullptr);
    EXPECT_TRUE(panel_->isAncestorOf(focus))
        << focus->metaObject()->className() << " " << focus->objectName().toStdString();
    stops.push_back(focus);
    QTest::keyClick(focus, Qt::Key_Tab);
  }
  // 7 lists, "Current idea", 4 condition boxes, Add, Remove, the list, 3 run boxes.
  EXPECT_EQ(stops.size(), 18u);
  for (std::size_t i = 1; i < stops.size(); ++i) {
    const QRect before(stops[i - 1]->mapTo(panel_, QPoint()), stops[i - 1]->size());
    const QRect after(stops[i]->mapTo(panel_, QPoint()), stops[i]->size());
    // The next stop is to the right on the same line, or on a line further down.
    const bool same_line = after.top() < before.bottom() && after.bottom() > before.top();
    EXPECT_TRUE(same_line ? after.left() > before.left() : after.top() >= before.bottom())
        << stops[i - 1]->objectName().toStdString() << " then "
        << stops[i]->objectName().toStdString();
  }
  QTest::keyClick(panel_->run_button(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), panel_->findChild<QWidget*>(QStringLiteral("txtSummary")))
      << "Cancel is disabled: after Run come the texts beside the plot";

  int round = 0;
  for (QWidget* focus = QApplication::focusWidget(); focus != panel_->run_button();
       focus = QApplication::focusWidget()) {
    ASSERT_LT(++round, 60) << "Tab never came back to Run";
    ASSERT_NE(focus, nullptr);
    EXPECT_TRUE(focus->isVisible()) << focus->objectName().toStdString();
    EXPECT_EQ(qobject_cast<QScrollArea*>(focus), nullptr) << focus->objectName().toStdString();
    QTest::keyClick(focus, Qt::Key_Tab);
  }
}

// The wheel over a number box scrolls the page unless the box has the focus.
TEST_F(AutoRunPanelTest, ANumberBoxTakesTheWheelOnlyWithTheFocus) {
  window_->resize(900, 420);
  ShowPanel();
  QApplication::setActiveWindow(&*window_);
  QScrollBar* bar = PageScrollBar();
  ASSERT_GT(bar->maximum(), 0) << "the page must scroll for this test";
  QSpinBox* runs = panel_->runs_box();
  const auto turn = [runs] {
    const QPoint centre = runs->rect().center();
    QWheelEvent wheel(centre, runs->mapToGlobal(centre), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    // As from the window system: Qt passes only such a wheel event on to the parent.
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    QCoreApplication::instance()->notify(runs, &wheel);  // sendEvent would unmark it
  };
  // The tab's own page scrolls first, the notebook's page once that is at its end.
  QScrollBar* tab_bar =
      window_->findChild<QAbstractScrollArea*>(QStringLiteral("scrRunAutomatically"))
          ->verticalScrollBar();
  panel_->run_button()->setFocus();
  const int before = bar->value() + tab_bar->value();
  turn();
  EXPECT_EQ(runs->value(), 20);
  EXPECT_GT(bar->value() + tab_bar->value(), before) << "a page scrolled instead";
  runs->setFocus();
  turn();
  EXPECT_EQ(runs->value(), 19);
}

}  // namespace
}  // namespace vantrel::testing

#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <optional>
#include <string>
#include <vector>

#include "desktop/app/application.h"
#include "desktop/app/judge_dialog.h"
#include "desktop/app/organism_view.h"
#include "desktop/gallery/population_view.h"
#include "desktop/gallery/population_window.h"
#include "lab/learner.h"
#include "lab/learner_texts.h"

namespace vantrel {
namespace {

// The program as main() builds it, its journal in a folder of the test's own, driven by
// its keys; the notebook and the population window open as the user opens them.
class LearnerWindowsTest : public ::testing::Test {
 protected:
  LearnerWindowsTest() {
    EXPECT_TRUE(state_.isValid());
    qputenv("XDG_STATE_HOME", state_.path().toLocal8Bit());
    program_.emplace();
    Main().show();
    QApplication::setActiveWindow(&Main());
    Main().onAdvancedClicked();
  }

  MainWindow& Main() { return program_->main_window(); }
  Engine& engine() { return program_->workspace().engine(); }

  void Keys(const std::string& keys) {
    for (const char key : keys) {
      QApplication::setActiveWindow(&Main());
      QTest::keyClick(&Main(), key == 'f' ? Qt::Key_F : Qt::Key_S);
    }
    QCoreApplication::processEvents();
  }
  QWidget& Open(Qt::Key key, const char* name) {
    QApplication::setActiveWindow(&Main());
    QTest::keyClick(&Main(), key);
    QCoreApplication::processEvents();
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window->objectName() == QLatin1String(name)) return *window;
    }
    ADD_FAILURE() << name;
    return Main();
  }
  // The notebook's "What you select for", seen as the user sees it. The window comes from
  // its plugin, so its parts are found by their names.
  struct Panel {
    QLabel* traits;
    QLabel* accuracy;
    QLabel* clicks;
    QPushButton* forget;
    QString traits_text() const { return traits->text(); }
    QString accuracy_text() const { return accuracy->text(); }
    QString clicks_text() const { return clicks->text(); }
  };
  Panel OpenPanel() {
    QWidget& notebook = Open(Qt::Key_L, "frmNotebook");
    auto* group = notebook.findChild<QGroupBox*>(QStringLiteral("grbSelectedFor"));
    EXPECT_NE(group, nullptr);
    EXPECT_EQ(group->title(), QStringLiteral("What you select for"));
    return {group->findChild<QLabel*>(QStringLiteral("lblSelectedFor")),
            group->findChild<QLabel*>(QStringLiteral("lblPredicted")),
            group->findChild<QLabel*>(QStringLiteral("lblJudgedClicks")),
            group->findChild<QPushButton*>(QStringLiteral("btnForgetLearned"))};
  }
  std::vector<std::string> Table() {
    const StringGrid& grid = engine().grid();
    std::vector<std::string> cells;
    for (int row = 0; row < grid.RowCount(); ++row) {
      for (int col = 0; col < grid.ColCount(); ++col) cells.push_back(grid.Cell(col, row));
    }
    return cells;
  }
  JudgeDialog& Judge(int clicks, int pace) {
    QApplication::setActiveWindow(&Main());
    QTest::keyClick(&Main(), Qt::Key_J);
    JudgeDialog* dialog = Main().judge_dialog();
    EXPECT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    dialog->clicks_box()->setValue(clicks);
    dialog->pace_box()->setValue(pace);
    return *dialog;
  }

  QTemporaryDir state_;
  std::optional<VantrelApplication> program_;
};

// The notebook says in words what the engine's learner learned, after every kind of click.
TEST_F(LearnerWindowsTest, NotebookWordsFollowTheUsersFeedsAndShots) {
  struct Case {
    const char* name;
    std::string keys;
    const char* every_line_starts;  // null: no rule for the lines
  };
  const std::vector<Case> cases = {
      {"nothing yet", "", "Feed and kill organisms"},
      {"feeds only", "ffffff", "keeps "},
      {"shots only", "ssssss", "shoots "},
      {"mixed", "fsfssffsfsss", nullptr},
  };
  const Panel panel = OpenPanel();
  for (const Case& test : cases) {
    if (panel.forget->isEnabled()) panel.forget->click();
    QCoreApplication::processEvents();
    const int run_clicks = engine().notebook().current_run()->clicks();
    Keys(test.keys);
    EXPECT_EQ(engine().learner().clicks(), static_cast<int>(test.keys.size())) << test.name;
    QStringList lines;
    for (const LearnedTrait& trait : engine().learner().Strongest()) {
      lines.append(QString::fromStdString(trait.text));
    }
    if (lines.isEmpty()) lines.append(QString::fromStdString(NothingLearnedText()));
    const QString words = panel.traits_text();
    EXPECT_EQ(words, lines.join(QLatin1Char('\n'))) << test.name;
    EXPECT_FALSE(words.isEmpty()) << test.name;
    if (test.every_line_starts != nullptr) {
      for (const QString& line : words.split(QLatin1Char('\n'))) {
        EXPECT_TRUE(line.startsWith(QLatin1String(test.every_line_starts)))
            << test.name << ": " << line.toStdString();
      }
    }
    // A screen reader hears the same words.
    EXPECT_EQ(panel.traits->accessibleName(), words) << test.name;
    EXPECT_EQ(panel.accuracy->accessibleName(), panel.accuracy_text()) << test.name;
    EXPECT_EQ(panel.traits->textFormat(), Qt::PlainText) << test.name;
    EXPECT_EQ(panel.accuracy_text().toStdString(), engine().learner().AccuracyText()) << test.name;
    if (!test.keys.empty()) {
      EXPECT_TRUE(panel.accuracy_text().endsWith(
          QStringLiteral("of your last %1 clicks").arg(test.keys.size())))
          << test.name;
    }
    EXPECT_EQ(panel.clicks_text(), QStringLiteral("Your clicks: %1 · Clicks of the learner: 0")
                                       .arg(run_clicks + static_cast<int>(test.keys.size())))
        << test.name;
    EXPECT_EQ(panel.forget->isEnabled(), !test.keys.empty()) << test.name;
  }
}

// K shows each organism's chance of being kept on the big drawing and on every picture of
// the population view, as whole percentages of the engine's chance; K again hides them.
TEST_F(LearnerWindowsTest, ChanceToggleShowsPercentagesOnTheDrawingAndThePictures) {
  auto& population = dynamic_cast<PopulationWindow&>(Open(Qt::Key_G, "frmPopulation"));
  const OrganismView& drawing = *Main().organism_view();
  const QRegularExpression percent(QStringLiteral("^\\d{1,3}% kept$"));
  struct Case {
    const char* name;
    std::string keys;
  };
  for (const Case& test : std::vector<Case>{{"untaught", ""}, {"taught", "ffsfsssff"}}) {
    Keys(test.keys);
    EXPECT_FALSE(Main().shows_chances()) << test.name;
    EXPECT_TRUE(drawing.chance_text().isEmpty()) << test.name;
    EXPECT_TRUE(population.view()->ChanceText(1).isEmpty()) << test.name;

    QTest::keyClick(&Main(), Qt::Key_K);
    ASSERT_TRUE(Main().shows_chances()) << test.name;
    const std::optional<double> shown = engine().ChanceKept(engine().grid().SelectedRow());
    ASSERT_TRUE(shown) << test.name;
    EXPECT_EQ(drawing.chance_text(), QStringLiteral("%1% kept").arg(std::lround(*shown * 100)))
        << test.name;
    EXPECT_TRUE(drawing.accessibleDescription().endsWith(drawing.chance_text())) << test.name;
    for (int row = 1; row < engine().grid().RowCount(); ++row) {
      const QString text = population.view()->ChanceText(row);
      EXPECT_TRUE(percent.match(text).hasMatch()) << test.name << ": " << text.toStdString();
      EXPECT_EQ(text, QStringLiteral("%1% kept").arg(std::lround(*engine().ChanceKept(row) * 100)))
          << test.name << " row " << row;
    }
    if (test.keys.empty()) {
      EXPECT_EQ(drawing.chance_text(), QStringLiteral("50% kept"));
    }

    QTest::keyClick(&Main(), Qt::Key_K);
    EXPECT_TRUE(drawing.chance_text().isEmpty()) << test.name;
    EXPECT_TRUE(population.view()->ChanceText(1).isEmpty()) << test.name;
  }
}

// "Judge like me" plays its clicks one by one at the pace chosen, all of them one step for
// undo; Cancel and Escape stop it early, keeping the clicks made as one step.
TEST_F(LearnerWindowsTest, JudgeLikeMePlaysItsClicksAsOneUndoStep) {
  enum class Stop { kNone, kCancel, kEscape };
  struct Case {
    const char* name;
    int clicks;
    int pace;
    Stop stop;
  };
  const std::vector<Case> cases = {
      {"all clicks", 6, 50, Stop::kNone},
      {"one click", 1, 50, Stop::kNone},
      {"cancelled", 400, 20, Stop::kCancel},
      {"escaped", 400, 20, Stop::kEscape},
  };
  Keys("ffsfss");
  const Panel panel = OpenPanel();
  for (const Case& test : cases) {
    const std::vector<std::string> before = Table();
    const int position = engine().history().position();
    const int judged = engine().learner_clicks();
    const Learner learned = engine().learner();
    JudgeDialog& dialog = Judge(test.clicks, test.pace);
    dialog.play_button()->click();
    EXPECT_TRUE(dialog.playing()) << test.name;
    if (test.stop == Stop::kNone) {
      EXPECT_TRUE(QTest::qWaitFor([&dialog] { return !dialog.playing(); }, 5000)) << test.name;
      EXPECT_EQ(dialog.played(), test.clicks) << test.name;
      EXPECT_FALSE(dialog.isVisible()) << test.name;
    } else {
      EXPECT_TRUE(QTest::qWaitFor([&dialog] { return dialog.played() >= 2; }, 5000)) << test.name;
      if (test.stop == Stop::kCancel) {
        dialog.cancel_button()->click();
      } else {
        QTest::keyClick(&dialog, Qt::Key_Escape);
      }
      EXPECT_FALSE(dialog.playing()) << test.name;
      EXPECT_FALSE(dialog.isVisible()) << test.name;
      EXPECT_GE(dialog.played(), 2) << test.name;
      EXPECT_LT(dialog.played(), test.clicks) << test.name;
      QTest::qWait(120);  // no click comes after the stop
    }
    const int played = dialog.played();
    EXPECT_EQ(engine().learner_clicks(), judged + played) << test.name;
    EXPECT_FALSE(engine().judging()) << test.name;
    EXPECT_EQ(engine().learner(), learned) << test.name << ": it learns nothing from itself";
    EXPECT_EQ(engine().history().position(), position + 1) << test.name;
    QCoreApplication::processEvents();
    EXPECT_TRUE(panel.clicks_text().endsWith(
        QStringLiteral("Clicks of the learner: %1").arg(judged + played)))
        << test.name << ": " << panel.clicks_text().toStdString();

    QApplication::setActiveWindow(&Main());
    QTest::keyClick(&Main(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Table(), before) << test.name;
    EXPECT_EQ(engine().history().position(), position) << test.name;
    QTest::keyClick(&Main(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(engine().history().position(), position + 1) << test.name;
  }
}

// A feed while the learner plays ends its playing: the dialog stops with the engine.
TEST_F(LearnerWindowsTest, AnotherActionStopsJudgeLikeMe) {
  JudgeDialog& dialog = Judge(400, 20);
  dialog.play_button()->click();
  EXPECT_TRUE(QTest::qWaitFor([&dialog] { return dialog.played() >= 1; }, 5000));
  Keys("f");
  EXPECT_FALSE(engine().judging());
  EXPECT_FALSE(dialog.playing());
  EXPECT_TRUE(dialog.play_button()->isEnabled());
}

}  // namespace
}  // namespace vantrel

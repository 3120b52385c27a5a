#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <optional>
#include <string>
#include <vector>

#include "desktop/app/application.h"
#include "desktop/app/spin_edit.h"
#include "desktop/files/pupil_setting.h"
#include "engine/engine.h"
#include "population/random_source.h"
#include "tests/core/engine/entry_recorder.h"
#include "tests/support/fakes.h"

namespace vantrel {
namespace {

// The settings of this test program live in a folder of its own, set before anything reads
// them, so that no test finds a name from the machine's own settings.
QTemporaryDir& SettingsFolder() {
  static QTemporaryDir folder;
  return folder;
}
const bool kSettingsIsolated = qputenv("XDG_CONFIG_HOME", SettingsFolder().path().toLocal8Bit());

std::vector<std::string> Cells(const StringGrid& grid) {
  std::vector<std::string> cells{std::to_string(grid.SelectedRow())};
  for (int row = 0; row < grid.RowCount(); ++row) {
    for (int col = 0; col < grid.ColCount(); ++col) cells.push_back(grid.Cell(col, row));
  }
  return cells;
}

std::vector<SpinEdit*> ParameterBoxes(MainWindow& window) {
  std::vector<SpinEdit*> boxes;
  for (const char* name : {"speStartOrganisms", "speCreativity", "speSurvivalBonus"}) {
    boxes.push_back(window.findChild<SpinEdit*>(QString::fromLatin1(name)));
  }
  return boxes;
}

// The program as main() builds it from `vantrel --lesson`, against a bare engine opening
// the same text, as the page's engine does.
TEST(LessonStartTest, TheProgramOpensTheLessonBeforeItsFirstPaint) {
  ASSERT_TRUE(kSettingsIsolated);
  QTemporaryDir state;
  qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
  struct Case {
    std::string text;
    bool locked;
    QString title;
    int help_page;  // -1: the help stays closed
  };
  const std::vector<Case> cases = {
      {"vantrel-lesson 1\ntime 10:20:30\nparameters 12 30 2\nexperiment 4\nlock parameters\n"
       "title <b>Small</b> populations drift\n",
       true, QStringLiteral("<b>Small</b> populations drift \u2014 Vantrel 2.0"), 4},
      {"vantrel-lesson 1\ntime 08:00:00\nparameters 20 5 1\n", false, QStringLiteral("Vantrel 2.0"),
       -1},
  };
  for (const Case& test : cases) {
    VantrelApplication program(test.text);
    MainWindow& window = program.main_window();
    LcgRandom random;
    testing::FixedClock clock(77'000'000);
    Engine engine(random, clock);
    ASSERT_TRUE(engine.OpenLesson(test.text).opened);
    // Before any showing: the founders are the lesson's.
    EXPECT_EQ(Cells(program.workspace().engine().grid()), Cells(engine.grid()));
    window.show();
    window.onAdvancedClicked();
    EXPECT_EQ(window.windowTitle(), test.title);
    for (SpinEdit* box : ParameterBoxes(window)) {
      ASSERT_NE(box, nullptr);
      EXPECT_EQ(box->isReadOnly(), test.locked);
    }
    EXPECT_EQ(ParameterBoxes(window)[0]->Value(), engine.parameters().start_organisms);
    ExperimentsDialog* help = nullptr;
    QTest::qWait(50);
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (auto* dialog = qobject_cast<ExperimentsDialog*>(top); dialog && dialog->isVisible()) {
        help = dialog;
      }
    }
    if (test.help_page < 0) {
      EXPECT_EQ(help, nullptr);
    } else {
      ASSERT_NE(help, nullptr);
      EXPECT_EQ(help->CurrentPage(), test.help_page);
      help->hide();
    }
    window.close();
  }
}

TEST(LessonStartTest, TheRememberedNameNamesTheRunsFromTheStart) {
  ASSERT_TRUE(kSettingsIsolated);
  QTemporaryDir state;
  qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
  for (const char* name : {"Anna", ""}) {
    RememberPupil(QString::fromUtf8(name));
    VantrelApplication program;
    EXPECT_EQ(program.workspace().notebook().pupil(), name);
  }
}

// After a crash the restored run brings its lesson back: the title in the title bar and the
// locked parameters read-only again, in a program started without the lesson.
TEST(LessonStartTest, ARestoredRunBringsBackItsLessonsTitleAndLock) {
  ASSERT_TRUE(kSettingsIsolated);
  QTemporaryDir state;
  qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
  LcgRandom random;
  testing::FixedClock clock(77'000'000);
  Engine played(random, clock);
  const Snapshot base = played.history().TakeSnapshot();
  const std::string base_annex = played.history().Annex();
  EntryRecorder recorder(played.history());
  played.history().set_listener(&recorder);
  ASSERT_TRUE(played
                  .OpenLesson("vantrel-lesson 1\ntime 10:20:30\nparameters 12 30 2\n"
                              "lock parameters\ntitle Drift\n")
                  .opened);
  played.Shoot();
  played.Feed();
  played.history().set_listener(nullptr);

  VantrelApplication program;
  MainWindow& window = program.main_window();
  window.show();
  window.onAdvancedClicked();
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Vantrel 2.0"));
  ASSERT_TRUE(program.workspace().engine().Restore(base, base_annex, recorder.entries, {}));
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Drift \u2014 Vantrel 2.0"));
  for (SpinEdit* box : ParameterBoxes(window)) {
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isReadOnly());
  }
  EXPECT_EQ(ParameterBoxes(window)[1]->Value(), 30);
  window.close();
}

}  // namespace
}  // namespace vantrel

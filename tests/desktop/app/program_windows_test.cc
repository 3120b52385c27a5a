#include <gtest/gtest.h>

#include <QApplication>
#include <QKeySequence>
#include <QScreen>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "desktop/app/application.h"
#include "desktop/windows/window_place.h"
#include "history/journal.h"
#include "lab/run.h"
#include "lab/run_csv.h"
#include "population/clock.h"
#include "storage/table_file.h"

namespace vantrel {
namespace {

// The program as main() builds it, with every real service, its journal in a folder of the
// test's own and its main window at the advanced width, shown and active.
class ProgramWindowsTest : public ::testing::Test {
 protected:
  ProgramWindowsTest() {
    EXPECT_TRUE(state_.isValid());
    qputenv("XDG_STATE_HOME", state_.path().toLocal8Bit());
    program_.emplace();
    Main().show();
    QApplication::setActiveWindow(&Main());
    // The journal opens a moment after the first organism is on screen.
    EXPECT_TRUE(QTest::qWaitFor([this] { return Workspace().journal() != nullptr; }, 5000));
    Main().onAdvancedClicked();
  }

  MainWindow& Main() { return program_->main_window(); }
  vantrel::Workspace& Workspace() { return program_->workspace(); }

  // Opens a tool window with its key, as the user does, and gives it back.
  QWidget& Open(Qt::Key key, const char* name) {
    QApplication::setActiveWindow(&Main());
    QTest::keyClick(&Main(), key);
    QWidget* found = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window->objectName() == QLatin1String(name)) found = window;
    }
    EXPECT_NE(found, nullptr) << name;
    EXPECT_TRUE(found != nullptr && found->isVisible()) << name;
    return *found;
  }
  // A key as the user types it in `window`: to the control with the focus, if any.
  static void Press(QWidget& window, Qt::Key key) {
    QWidget* focus = window.focusWidget();
    QTest::keyClick(focus != nullptr ? focus : &window, key);
  }

  std::vector<std::string> Table() {
    const StringGrid& grid = Workspace().document().grid();
    std::vector<std::string> cells;
    for (int row = 0; row < grid.RowCount(); ++row) {
      for (int col = 0; col < grid.ColCount(); ++col) cells.push_back(grid.Cell(col, row));
    }
    return cells;
  }

  // Closes the main window with `key`'s tool window open: the event loop must end at once,
  // the tool window close, the journal be marked closed, and no key in the tool window
  // change the population afterwards, even with the window brought back.
  void CloseMainWindowWith(Qt::Key key, const char* name) {
    QWidget& tool = Open(key, name);
    QTest::keyClick(&Main(), Qt::Key_S);  // a step, so the journal has one to keep
    const std::vector<std::string> table = Table();
    const int position = Workspace().history().position();

    QTimer::singleShot(0, &Main(), [this] { Main().close(); });
    bool timed_out = false;
    QTimer::singleShot(5000, &tool, [&timed_out] {
      timed_out = true;
      QCoreApplication::exit(1);
    });
    EXPECT_EQ(QApplication::exec(), 0) << name;
    EXPECT_FALSE(timed_out) << name;
    EXPECT_FALSE(tool.isVisible()) << name;

    const Journal next(JournalFolder(), clock_);
    EXPECT_FALSE(next.FindCrashedRun()) << name;
    const std::optional<EarlierRun> latest = next.FindLatestRun();
    ASSERT_TRUE(latest) << name;
    EXPECT_TRUE(latest->closed) << name;
    EXPECT_EQ(latest->steps, position) << name;

    tool.show();
    QApplication::setActiveWindow(&tool);
    for (Qt::Key step : {Qt::Key_S, Qt::Key_F, Qt::Key_N, Qt::Key_R}) Press(tool, step);
    QCoreApplication::processEvents();
    EXPECT_EQ(Table(), table) << name;
    EXPECT_EQ(Workspace().history().position(), position) << name;
    tool.hide();
  }

  QTemporaryDir state_;
  SystemClock clock_;
  std::optional<VantrelApplication> program_;
};

TEST_F(ProgramWindowsTest, EscapeClosesEachToolWindowAsItsCloseButtonDoes) {
  for (const auto& [key, name] :
       {std::pair{Qt::Key_G, "frmPopulation"}, std::pair{Qt::Key_T, "frmFamilyTree"},
        std::pair{Qt::Key_L, "frmNotebook"}}) {
    QWidget& window = Open(key, name);
    Press(window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible()) << name;
    // Kept, and shown again by its key.
    EXPECT_TRUE(Open(key, name).isVisible()) << name;
    window.close();
  }
  EXPECT_TRUE(Main().isVisible());
}

// Every step refreshes the notebook window once, whatever it shows in passing, and key R
// declares "Reached" through the engine wherever the notebook window is: never made yet,
// or open with the key typed in it.
TEST_F(ProgramWindowsTest, EachStepRefreshesTheNotebookOnceAndKeyRReachesThroughTheEngine) {
  const auto new_unreached_goal = [this] {
    for (int tries = 0; tries < 50; ++tries) {
      Workspace().engine().NewIdea();
      if (!Workspace().notebook().current_run()->reached()) return;
    }
    FAIL() << "every idea was met at its start";
  };
  new_unreached_goal();
  QApplication::setActiveWindow(&Main());
  QTest::keyClick(&Main(), Qt::Key_R);
  EXPECT_EQ(Workspace().notebook().current_run()->reached_by, ReachedBy::kUser);

  QWidget& notebook = Open(Qt::Key_L, "frmNotebook");
  QTest::qWait(50);
  const auto refreshes = [&notebook] { return notebook.property("refreshes").toInt(); };

  // Finished automatic runs join through the engine: the journal keeps the run table, and
  // the window refreshes once.
  const int before_runs = refreshes();
  Workspace().engine().AddRuns({vantrel::Run{}});
  QTest::qWait(10);
  EXPECT_EQ(refreshes(), before_runs + 1);
  EXPECT_EQ(Journal::ReadNotebook(Workspace().journal()->path()),
            RunsCsv(Workspace().notebook().runs().runs()));

  new_unreached_goal();
  QTest::qWait(10);
  const int before = refreshes();
  Press(notebook, Qt::Key_R);
  QTest::qWait(10);
  EXPECT_EQ(Workspace().notebook().current_run()->reached_by, ReachedBy::kUser);
  EXPECT_EQ(refreshes(), before + 1);
  notebook.close();
}

// Every action reaches every open view once, through the engine's one change: the big
// drawing is painted once, the population, family tree and notebook each refresh once; an
// idea leaves the table's views alone.
TEST_F(ProgramWindowsTest, EachActionRefreshesEveryViewOnce) {
  QWidget& population = Open(Qt::Key_G, "frmPopulation");
  QWidget& tree = Open(Qt::Key_T, "frmFamilyTree");
  QWidget& notebook = Open(Qt::Key_L, "frmNotebook");
  auto* table = Main().findChild<QTableView*>(QStringLiteral("sgrOrganisms"));
  ASSERT_NE(table, nullptr);
  QSignalSpy drawings(&Main(), &MainWindow::organismChanged);
  const std::string table_file = TableFileText(Workspace().document().grid());
  int clicked_row = 0;  // the grid row the click in the table selects
  const struct {
    const char* name;
    std::function<void()> act;
    int table_views;  // refreshes of the drawing, the population and the family tree
  } cases[] = {
      {"shot", [this] { QTest::keyClick(&Main(), Qt::Key_S); }, 1},
      {"feed", [this] { QTest::keyClick(&Main(), Qt::Key_F); }, 1},
      {"new gene pool", [this] { QTest::keyClick(&Main(), Qt::Key_N); }, 1},
      {"undo", [this] { QTest::keyClick(&Main(), Qt::Key_Z, Qt::ControlModifier); }, 1},
      {"load", [&] { Workspace().engine().LoadTableText(table_file, "table.txt"); }, 1},
      {"click in the table",
       [this, table, &clicked_row] {
         // A row other than the selected one (table row r is grid row r + 1): clicking
         // the selected row changes nothing.
         const int row = Workspace().document().grid().SelectedRow() == 4 ? 4 : 3;
         clicked_row = row + 1;
         const QRect cell = table->visualRect(table->model()->index(row, 2));
         QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
       },
       1},
      {"idea", [this] { Workspace().engine().NewIdea(); }, 0},
  };
  const auto count = [](QWidget& window) { return window.property("refreshes").toInt(); };
  for (const auto& c : cases) {
    QApplication::setActiveWindow(&Main());
    QTest::qWait(20);
    drawings.clear();
    const int populations = count(population);
    const int trees = count(tree);
    const int notebooks = count(notebook);
    c.act();
    QTest::qWait(20);
    EXPECT_EQ(drawings.count(), c.table_views) << c.name;
    EXPECT_EQ(count(population), populations + c.table_views) << c.name;
    EXPECT_EQ(count(tree), trees + c.table_views) << c.name;
    EXPECT_EQ(count(notebook), notebooks + 1) << c.name;
  }
  EXPECT_EQ(Workspace().document().grid().SelectedRow(), clicked_row);
}

TEST_F(ProgramWindowsTest, ClosingTheMainWindowWithThePopulationOpenEndsTheProgram) {
  CloseMainWindowWith(Qt::Key_G, "frmPopulation");
}

TEST_F(ProgramWindowsTest, ClosingTheMainWindowWithTheFamilyTreeOpenEndsTheProgram) {
  CloseMainWindowWith(Qt::Key_T, "frmFamilyTree");
}

TEST_F(ProgramWindowsTest, ClosingTheMainWindowWithTheNotebookOpenEndsTheProgram) {
  CloseMainWindowWith(Qt::Key_L, "frmNotebook");
}

// Each window, placed for a given screen beside the main window at its advanced width,
// takes that place: inside the area and readable, not pushed out by its own minimum.
TEST_F(ProgramWindowsTest, EveryToolWindowFitsLaptopDesktopAndSmallScreens) {
  struct Window {
    Qt::Key key;
    const char* name;
    QSize readable;
  };
  const Window windows[] = {{Qt::Key_G, "frmPopulation", QSize()},
                            {Qt::Key_T, "frmFamilyTree", FamilyTreeWindow::kReadableSize},
                            {Qt::Key_L, "frmNotebook", QSize()}};
  Main().move(189, 172);
  const QRect main = Main().frameGeometry();
  // The notebook at its full height where the screen has it.
  QWidget& notebook = Open(Qt::Key_L, "frmNotebook");
  notebook.setGeometry(WindowPlace(notebook, QSize(), Main(), QRect(0, 0, 1920, 1080), 0));
  EXPECT_GE(notebook.height(), 780);
  notebook.close();

  for (const QRect& screen :
       {QRect(0, 0, 1366, 768), QRect(0, 0, 1920, 1080), QRect(0, 24, 1024, 576)}) {
    int cascade = 0;
    for (const Window& window : windows) {
      QWidget& tool = Open(window.key, window.name);
      const QSize wanted = window.readable.expandedTo(tool.minimumSizeHint());
      const QRect place = WindowPlace(tool, window.readable, Main(), screen, cascade++);
      tool.setGeometry(place);
      QCoreApplication::processEvents();
      const QString where = QStringLiteral("%1 on %2x%3")
                                .arg(QLatin1String(window.name))
                                .arg(screen.width())
                                .arg(screen.height());
      SCOPED_TRACE(where.toStdString());
      EXPECT_EQ(tool.geometry(), place);
      EXPECT_TRUE(screen.contains(tool.frameGeometry()));
      EXPECT_GE(tool.frameGeometry().width(), std::min(wanted.width(), screen.width()));
      EXPECT_GE(tool.frameGeometry().height(), std::min(wanted.height(), screen.height()));
      // Beside the main window wherever there is room for the window to be read.
      if (screen.right() - main.right() > wanted.width() + 8) {
        EXPECT_FALSE(tool.frameGeometry().intersects(main));
      }
      tool.close();
    }
  }
}

}  // namespace
}  // namespace vantrel

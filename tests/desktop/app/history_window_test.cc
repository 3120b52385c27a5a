#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QTest>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "desktop/app/organism_table_view.h"
#include "desktop/app/spin_edit.h"
#include "desktop/plugins/plugin_loader.h"
#include "history/journal.h"
#include "lab/run_csv.h"
#include "population/evolution.h"
#include "tests/support/main_window_test.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;

class HistoryWindowTest : public testing::MainWindowTest {
 protected:
  std::vector<std::vector<std::string>> Table() {
    std::vector<std::vector<std::string>> rows;
    rows.reserve(Form().grid().RowCount());
    for (int row = 0; row < Form().grid().RowCount(); ++row) rows.push_back(Row(row));
    return rows;
  }
};

TEST_F(HistoryWindowTest, CtrlZAndCtrlYWalkBackAndForthThroughShotsAndGenePools) {
  Form().show();
  QApplication::setActiveWindow(&Form());
  auto* table = Child<OrganismTableView>("sgrOrganisms");
  table->setFocus();
  const auto start = Table();
  const std::uint64_t start_random = random_.State();
  Click("spbShoot");
  Click("spbFeed");
  Click("spbStart");
  const auto end = Table();

  for (int i = 0; i < 3; ++i) QTest::keyClick(table, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Table(), start);
  EXPECT_EQ(random_.State(), start_random);
  EXPECT_EQ(Drawn(), Form().population().SelectedDna());
  QTest::keyClick(table, Qt::Key_Y, Qt::ControlModifier);
  QTest::keyClick(table, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  QTest::keyClick(table, Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(Table(), end);

  // In a parameter box with nothing typed Ctrl+Z undoes the step.
  Child<SpinEdit>("speCreativity")->setFocus();
  QTest::keyClick(Child<SpinEdit>("speCreativity"), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_NE(Table(), end);
}

// A step takes what was typed into a parameter box; then Ctrl+Z in the box undoes the step,
// and while the box holds typing of its own, Ctrl+Z and Ctrl+Y undo and redo that first.
TEST_F(HistoryWindowTest, UndoKeysInAParameterBoxUndoItsTypingFirstThenTheSteps) {
  Form().show();
  QApplication::setActiveWindow(&Form());
  auto* start = Child<SpinEdit>("speStartOrganisms");
  const auto type = [start](const char* text) {
    start->setFocus();
    start->selectAll();
    QTest::keyClicks(start, QString::fromLatin1(text));
  };
  const auto key = [start](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
    QTest::keyClick(start, key, modifiers);
  };
  type("20");
  Click("spbStart");
  EXPECT_EQ(Form().grid().RowCount(), 20);
  key(Qt::Key_Z);
  EXPECT_EQ(Form().grid().RowCount(), 10);
  EXPECT_EQ(start->text(), QStringLiteral("10"));
  key(Qt::Key_Y);
  EXPECT_EQ(Form().grid().RowCount(), 20);
  EXPECT_EQ(start->text(), QStringLiteral("20"));

  type("30");
  key(Qt::Key_Z);
  EXPECT_EQ(start->text(), QStringLiteral("20"));
  EXPECT_EQ(Form().grid().RowCount(), 20);
  key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(start->text(), QStringLiteral("30"));
  EXPECT_EQ(Form().grid().RowCount(), 20);
  // A value out of the limits is taken as the limit, and the box says so.
  type("99999");
  Click("spbStart");
  EXPECT_EQ(start->Value(), start->MaxValue());
  EXPECT_EQ(Form().grid().RowCount(), start->MaxValue());
}

TEST_F(HistoryWindowTest, UndoBringsBackTheParameterBoxesAndTheNotebookCounters) {
  Child<SpinEdit>("speCreativity")->SetValue(40);
  Click("spbShoot");
  Child<SpinEdit>("speCreativity")->SetValue(70);
  Click("spbShoot");
  const vantrel::Run* run = workspace_->notebook().current_run();
  ASSERT_NE(run, nullptr);
  EXPECT_EQ(run->shots, 2);
  Form().onUndoClicked();
  EXPECT_EQ(Form().CurrentParameters().creativity, 40);
  EXPECT_EQ(workspace_->notebook().current_run()->shots, 1);
}

// A program run that ended without closing its journal is offered at the next start, and
// Yes brings its table back as one step that can be undone.
TEST_F(HistoryWindowTest, ACrashedRunIsOfferedAndRestored) {
  const fs::path state =
      fs::temp_directory_path() / ("history_window_" + std::to_string(std::random_device()()));
  setenv("XDG_STATE_HOME", state.c_str(), 1);
  // A process of its own plays five shots with a journal and is killed, as in a crash.
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    LcgRandom random;
    // Another moment than this program's, so that its journal has a name of its own.
    const testing::FixedClock an_hour_earlier(1767225600000 - 3600000);
    Workspace earlier(random, an_hour_earlier);
    std::string message;
    if (!earlier.OpenJournal(JournalFolder(), message)) _exit(1);
    for (int i = 0; i < 5; ++i) earlier.engine().Shoot();
    std::string table;
    for (int row = 0; row < earlier.document().grid().RowCount(); ++row) {
      table += earlier.document().grid().Cell(kDnaColumn, row) + "\n";
    }
    if (write(ready[1], table.data(), table.size()) < 0) _exit(1);
    for (;;) pause();
  }
  close(ready[1]);
  // The title's "DNA" and nine 13-digit strings, each with its line end.
  std::string crashed_dna(4 + 9 * 14, '\0');
  const ssize_t got = read(ready[0], crashed_dna.data(), crashed_dna.size());
  close(ready[0]);
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  ASSERT_EQ(got, static_cast<ssize_t>(crashed_dna.size()));

  const auto fresh = Table();
  Form().OpenJournalAndOfferRestore();
  ASSERT_FALSE(messages_.shown().empty());
  EXPECT_EQ(messages_.shown().back().caption, "Restore population");
  EXPECT_EQ(messages_.shown().back().text,
            "Vantrel ended unexpectedly. Restore the population of that run (9 organisms, 5 "
            "steps)?");
  std::string restored_dna;
  for (int row = 0; row < Form().grid().RowCount(); ++row) {
    restored_dna += Form().grid().Cell(kDnaColumn, row) + "\n";
  }
  EXPECT_EQ(restored_dna, crashed_dna);
  // Its experiment run goes on where it was, with its counts.
  const std::vector<vantrel::Run>& runs = workspace_->notebook().runs().runs();
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[1].started_utc, (1767225600000 - 3600000) / 1000);
  EXPECT_EQ(workspace_->notebook().current_run()->number, 2);
  EXPECT_EQ(workspace_->notebook().current_run()->shots, 5);
  // Undo walks back through the restored run's steps with their counts, then the restore.
  Form().onUndoClicked();
  EXPECT_EQ(workspace_->notebook().current_run()->shots, 4);
  for (int i = 0; i < 5; ++i) Form().onUndoClicked();
  EXPECT_EQ(Table(), fresh);
  workspace_->CloseJournal();
  unsetenv("XDG_STATE_HOME");
  fs::remove_all(state);
}

// Without its plugin the program keeps no journal and says so as it says that a journal
// cannot be kept; the run goes on, with undo, and Ctrl+Shift+R finds no journal.
TEST_F(HistoryWindowTest, WithoutTheJournalPluginTheRunGoesOnWithoutAJournal) {
  const fs::path folder = fs::temp_directory_path() / "vantrel_without_journal_plugin";
  const auto start = Table();
  std::string message;
  EXPECT_FALSE(workspace_->OpenJournal(folder.string(), message, "missing-journal.so"));
  EXPECT_EQ(workspace_->journal(), nullptr);
  EXPECT_FALSE(fs::exists(folder));
  const std::string missing =
      (PluginFolder() + QStringLiteral("/missing-journal.so is missing")).toStdString();
  EXPECT_EQ(message, "Vantrel cannot keep its journal in " + folder.string() + " (" + missing +
                         "). It goes on without one: undo still works, but a crash would lose "
                         "the population.");

  Click("spbShoot");
  EXPECT_NE(Table(), start);
  Form().onUndoClicked();
  EXPECT_EQ(Table(), start);
  Form().onRestoreLastRunClicked();
  ASSERT_FALSE(messages_.shown().empty());
  EXPECT_EQ(messages_.shown().back().text, "There is no journal to restore from in this run.");
  workspace_->CloseJournal();
}

}  // namespace
}  // namespace vantrel

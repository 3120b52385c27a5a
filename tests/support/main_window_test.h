#ifndef VANTREL_TESTS_SUPPORT_MAIN_WINDOW_TEST_H_
#define VANTREL_TESTS_SUPPORT_MAIN_WINDOW_TEST_H_

#include <gtest/gtest.h>

#include <QLabel>
#include <QToolButton>
#include <memory>
#include <string>
#include <vector>

#include "desktop/app/main_window.h"
#include "desktop/app/organism_view.h"
#include "desktop/app/workspace.h"
#include "desktop/ui/experiments_dialog.h"
#include "population/random_source.h"
#include "tests/support/fakes.h"
#include "tests/support/service_fakes.h"
#include "tests/support/spreadsheet_fakes.h"

namespace vantrel::testing {

// The real main window on fixed chance, with a fake for every service: its clock says 1 ms
// past midnight, so the random source starts from seed 1; messages, file dialogs, web
// links and the spreadsheet are recorded or scripted. The workspace (population, history,
// notebook; no journal) is made with the window. A test sets up the fakes before its first
// call of Form().
class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() : clock_(1) {}

  MainWindow& Form() {
    if (!form_) {
      workspace_ = std::make_unique<Workspace>(random_, clock_);
      form_ = std::make_unique<MainWindow>(*workspace_, Services());
      // The whole window, as it is once its first organism has been painted.
      form_->CompleteControls();
    }
    return *form_;
  }

  MainWindowServices Services() {
    return {messages_, dialogs_, excel_,
            cursor_,   shell_,   [this]() -> ExperimentsDialog& { return experiments_; }};
  }

  template <typename T>
  T* Child(const char* name) {
    T* child = Form().findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
  }
  void Click(const char* button) { Child<QToolButton>(button)->click(); }
  std::string Health() { return Child<QLabel>("lblHealth")->text().toStdString(); }
  // The DNA the drawing area shows, or "none" before the first organism.
  std::string Drawn() { return Child<OrganismView>("pbxOrganism")->dna().value_or("none"); }
  std::vector<std::string> Row(int row) {
    std::vector<std::string> cells;
    cells.reserve(static_cast<std::size_t>(Form().grid().ColCount()));
    for (int col = 0; col < Form().grid().ColCount(); ++col) {
      cells.push_back(Form().grid().Cell(col, row));
    }
    return cells;
  }

  LcgRandom random_;
  FixedClock clock_;
  RecordingMessages messages_;
  ScriptedFileDialog dialogs_;
  std::vector<std::string> excel_log_;
  RecordingSpreadsheet excel_{excel_log_};
  RecordingCursor cursor_{excel_log_};
  RecordingShell shell_;
  ExperimentsDialog experiments_;
  std::unique_ptr<Workspace> workspace_;
  std::unique_ptr<MainWindow> form_;
};

}  // namespace vantrel::testing

#endif  // VANTREL_TESTS_SUPPORT_MAIN_WINDOW_TEST_H_

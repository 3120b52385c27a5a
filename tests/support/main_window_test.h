#ifndef VANTREL_TESTS_SUPPORT_MAIN_WINDOW_TEST_H_
#define VANTREL_TESTS_SUPPORT_MAIN_WINDOW_TEST_H_

#include <gtest/gtest.h>

#include <QLabel>
#include <QToolButton>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/organism_view.h"
#include "population/random_source.h"
#include "tests/support/fakes.h"

namespace vantrel::testing {

// The real main window on fixed chance: its clock says 1 ms past midnight, so the random
// source starts from seed 1. Messages are recorded. A test that needs more services sets
// them in services_ before its first call of Form().
class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() : clock_(1) {
    services_.random = &random_;
    services_.clock = &clock_;
    services_.messages = &messages_;
  }

  MainWindow& Form() {
    if (!form_) form_ = std::make_unique<MainWindow>(services_);
    return *form_;
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
    for (int col = 0; col < Form().grid().ColCount(); ++col) {
      cells.push_back(Form().grid().Cell(col, row));
    }
    return cells;
  }

  LcgRandom random_;
  FixedClock clock_;
  RecordingMessages messages_;
  MainWindowServices services_;
  std::unique_ptr<MainWindow> form_;
};

}  // namespace vantrel::testing

#endif  // VANTREL_TESTS_SUPPORT_MAIN_WINDOW_TEST_H_

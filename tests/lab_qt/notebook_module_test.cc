#include "lab/qt/notebook_module.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QWidget>
#include <memory>
#include <string>

#include "lab/goal_list.h"
#include "tests/lab_qt/lab_window_fixture.h"

namespace vantrel::testing {
namespace {

// The module's own copy of the window, driven as the program drives it: through the panel
// interface only, over the test's notebook and services.
TEST_F(LabWindowTest, NotebookModuleMakesTheWindowOverTheProgramsNotebook) {
  std::string problem;
  const auto* module = LoadModuleAs<NotebookModule>(kNotebookModuleFile, &problem);
  ASSERT_NE(module, nullptr) << problem;
  int declared = 0;
  const std::unique_ptr<NotebookPanel> panel =
      module->make(notebook_, {messages_, excel_, cursor_}, {[&declared] { ++declared; }, {}});
  QWidget& window = panel->window();
  EXPECT_TRUE(window.isWindow());
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Lab notebook"));

  window.show();
  notebook_.StartRun(ParseGoalList("shape=circle,color=black").goal, {10, 10, 1}, kStartTime);
  panel->Refresh();
  const auto* run_title = window.findChild<QLabel*>(QStringLiteral("lblRun"));
  ASSERT_NE(run_title, nullptr);
  EXPECT_TRUE(run_title->text().startsWith(QStringLiteral("Run 1")));

  panel->DeclareReached();
  EXPECT_EQ(notebook_.current_run()->reached_by, ReachedBy::kUser);
  EXPECT_EQ(declared, 1);
}

}  // namespace
}  // namespace vantrel::testing

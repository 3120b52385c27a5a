#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <memory>
#include <string>

#include "desktop/notebook_plugin/notebook_panel.h"
#include "desktop/plugins/plugin_loader.h"
#include "lab/goal_list.h"
#include "tests/desktop/notebook/lab_window_fixture.h"

namespace vantrel::testing {
namespace {

// The plugin's window, driven as the program drives it: through the panel only, over the
// test's notebook, actions and services.
TEST_F(LabWindowTest, NotebookPluginMakesTheWindowOverTheProgramsNotebook) {
  std::string problem;
  auto* factory = LoadPluginAs<NotebookFactory>(QString::fromLatin1(kNotebookPluginFile), &problem);
  ASSERT_NE(factory, nullptr) << problem;
  const std::unique_ptr<NotebookPanel> panel =
      factory->MakePanel(notebook_, actions_, {messages_, excel_, cursor_});
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

  // Reached is asked of the program's actions, not done by the window.
  auto* reached = window.findChild<QPushButton*>(QStringLiteral("btnReached"));
  ASSERT_NE(reached, nullptr);
  reached->click();
  EXPECT_EQ(notebook_.current_run()->reached_by, ReachedBy::kUser);
}

}  // namespace
}  // namespace vantrel::testing

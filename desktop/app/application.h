#ifndef VANTREL_DESKTOP_APP_APPLICATION_H_
#define VANTREL_DESKTOP_APP_APPLICATION_H_

#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "desktop/app/main_window.h"
#include "desktop/app/on_demand.h"
#include "desktop/app/workspace.h"
#include "desktop/files/qt_file_name_dialog.h"
#include "desktop/gallery/population_window.h"
#include "desktop/history/family_tree_window.h"
#include "desktop/notebook_plugin/notebook_panel.h"
#include "desktop/storage/qt_busy_cursor.h"
#include "desktop/storage/xlsx_spreadsheet.h"
#include "desktop/ui/experiments_dialog.h"
#include "desktop/ui/qt_message_service.h"
#include "desktop/ui/xdg_open_shell.h"
#include "population/clock.h"
#include "population/random_source.h"

namespace vantrel {

// The composition root: the real services, the workspace with the population, its history
// and notebook, then the windows. Needs a QApplication. Members are destroyed in reverse
// order, so the windows go before the workspace and the services they use.
class VantrelApplication {
 public:
  // With a lesson's text (from --lesson), the engine opens it before the window is first
  // shown, and the experiment it names opens in the help once the window is on screen.
  explicit VantrelApplication(const std::optional<std::string>& lesson_text = std::nullopt);

  MainWindow& main_window() { return main_window_; }
  Workspace& workspace() { return workspace_; }

 private:
  // Shows a window of the program, or brings it to the front when it is open already. The
  // first time it is placed beside the main window, or over it where there is no room,
  // at least `readable` in size.
  void Present(QWidget& window, QSize readable);
  // After the main window's close: the other windows close with it and the event loop
  // ends.
  void EndProgram();
  MainWindowServices Services();
  // What a window calls to show another organism: the engine's selection.
  std::function<void(int)> SelectRow();
  void WirePopulationWindow(PopulationWindow& window);
  // The notebook window from its plugin, or null after telling the user why it cannot be.
  std::unique_ptr<NotebookPanel> MakeNotebookPanel();
  void WireNotebookPanel(NotebookPanel& panel);
  // After the first paint: the lesson's experiment in the help, and what the opening had
  // to say (an unknown goal).
  void ShowLessonStart(const std::string& message);

  LcgRandom random_;
  SystemClock clock_;
  QtMessageService messages_;
  QtFileNameDialog file_dialog_;
  // After the message service, so that it goes first, dropping verdicts still due.
  XdgOpenShell web_shell_;
  XlsxSpreadsheet excel_;
  QtBusyCursor busy_cursor_;
  Workspace workspace_{random_, clock_};
  // Made when first shown and kept, hidden between showings, until the program ends.
  OnDemand<ExperimentsDialog> experiments_{[] { return std::make_unique<ExperimentsDialog>(); }};
  MainWindow main_window_;
  // The windows that follow the population: made when first asked for, kept when closed.
  OnDemand<PopulationWindow> population_window_;
  OnDemand<FamilyTreeWindow> family_tree_window_;
  // From its plugin, loaded when first asked for; a failed load is tried again next time.
  OnDemand<NotebookPanel> notebook_panel_;
  QTimer notebook_refresh_;
  // How many windows have been placed, for the cascade of those that open over the main
  // window.
  int placed_ = 0;
};

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_APP_APPLICATION_H_

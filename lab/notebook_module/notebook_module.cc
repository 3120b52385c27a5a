// The lab notebook module: the "Lab notebook" window, whose charts bring Qt Charts and
// OpenGL with them, so the program loads it only when the window is first asked for.
#include "lab/qt/notebook_module.h"

#include <QObject>
#include <utility>

#include "desktop/qt/qt_file_name_dialog.h"
#include "lab/qt/notebook_window.h"

namespace vantrel {

namespace {

// The window and its runs file dialog, with the window's signals passed on to the hooks.
class NotebookWindowPanel final : public NotebookPanel {
 public:
  NotebookWindowPanel(LabNotebook& notebook, const NotebookProgramServices& services,
                      NotebookHooks hooks)
      : window_(notebook, NotebookServices{services.messages, runs_dialog_, services.excel,
                                           services.busy_cursor}) {
    if (hooks.reached_declared) {
      QObject::connect(&window_, &NotebookWindow::reachedDeclared, &window_,
                       std::move(hooks.reached_declared));
    }
    if (hooks.automatic_runs_added) {
      QObject::connect(&window_, &NotebookWindow::automaticRunsAdded, &window_,
                       std::move(hooks.automatic_runs_added));
    }
  }

  QWidget& window() override { return window_; }
  void Refresh() override { window_.Refresh(); }
  void DeclareReached() override { window_.onReachedClicked(); }
  void SetConditionDefaults(const Parameters& parameters) override {
    window_.SetConditionDefaults(parameters);
  }

 private:
  // Before the window, which keeps a reference to it.
  QtFileNameDialog runs_dialog_;
  NotebookWindow window_;
};

std::unique_ptr<NotebookPanel> MakePanel(LabNotebook& notebook,
                                         const NotebookProgramServices& services,
                                         NotebookHooks hooks) {
  return std::make_unique<NotebookWindowPanel>(notebook, services, std::move(hooks));
}

constexpr NotebookModule kEntry{{kModuleAbi}, &MakePanel};

}  // namespace

}  // namespace vantrel

VANTREL_MODULE_ENTRY(vantrel::kEntry)

// The lab notebook plugin: the "Lab notebook" window, whose charts bring Qt Charts and
// OpenGL with them, so the program loads it only when the window is first asked for.
#include <QObject>
#include <memory>

#include "desktop/files/qt_file_name_dialog.h"
#include "desktop/notebook/notebook_window.h"
#include "desktop/notebook_plugin/notebook_panel.h"

namespace vantrel {

namespace {

// The window and its runs file dialog.
class NotebookWindowPanel final : public NotebookPanel {
 public:
  NotebookWindowPanel(LabNotebook& notebook, NotebookActions& actions,
                      const NotebookProgramServices& services)
      : window_(notebook, actions,
                NotebookServices{services.messages, runs_dialog_, services.excel,
                                 services.busy_cursor}) {}

  QWidget& window() override { return window_; }
  void Refresh() override { window_.Refresh(); }
  void SetConditionDefaults(const Parameters& parameters) override {
    window_.SetConditionDefaults(parameters);
  }

 private:
  // Before the window, which keeps a reference to it.
  QtFileNameDialog runs_dialog_;
  NotebookWindow window_;
};

class NotebookPlugin final : public QObject, public NotebookFactory {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID VANTREL_NOTEBOOK_FACTORY_IID FILE "vantrel_build.json")
  Q_INTERFACES(vantrel::NotebookFactory)

 public:
  std::unique_ptr<NotebookPanel> MakePanel(LabNotebook& notebook, NotebookActions& actions,
                                           const NotebookProgramServices& services) override {
    return std::make_unique<NotebookWindowPanel>(notebook, actions, services);
  }
};

}  // namespace

}  // namespace vantrel

#include "notebook_plugin.moc"

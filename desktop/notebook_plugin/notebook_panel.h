#ifndef VANTREL_DESKTOP_NOTEBOOK_PLUGIN_NOTEBOOK_PANEL_H_
#define VANTREL_DESKTOP_NOTEBOOK_PLUGIN_NOTEBOOK_PANEL_H_

#include <QObject>
#include <QtPlugin>
#include <memory>

#include "lab/notebook.h"
#include "lab/notebook_actions.h"
#include "lab/run.h"
#include "messages/messages.h"
#include "storage/busy_cursor.h"
#include "storage/spreadsheet.h"

class QWidget;

namespace vantrel {

// The plugin file of the lab notebook (lab/notebook_plugin), which brings Qt Charts and
// OpenGL: loaded when the window is first asked for.
inline constexpr char kNotebookPluginFile[] = "notebook.so";

// The "Lab notebook" window as the program drives it. Lives in the program's private
// library, so that the program and the plugin share its metaobject. It tells the program
// nothing: what the window does goes through the engine, whose change notice the program
// passes on as Refresh.
class NotebookPanel : public QObject {
  Q_OBJECT

 public:
  ~NotebookPanel() override = default;

  // The top-level window, to show, place and give the program's keys.
  virtual QWidget& window() = 0;
  // Once after every change of the notebook; cheap while the window is hidden.
  virtual void Refresh() = 0;
  // The parameter boxes' values, offered as the condition of automatic runs.
  virtual void SetConditionDefaults(const Parameters& parameters) = 0;
};

// What the window needs from the program, all owned by the program. The runs file dialog
// is the plugin's own.
struct NotebookProgramServices {
  MessageService& messages;
  Spreadsheet& excel;
  BusyCursor& busy_cursor;
};

// Makes notebook windows.
class NotebookFactory {
 public:
  virtual ~NotebookFactory() = default;

  // A hidden window over `notebook`, which asks `actions` for Reached and automatic runs;
  // `notebook`, `actions` and the services must outlive it.
  virtual std::unique_ptr<NotebookPanel> MakePanel(LabNotebook& notebook, NotebookActions& actions,
                                                   const NotebookProgramServices& services) = 0;
};

}  // namespace vantrel

#define VANTREL_NOTEBOOK_FACTORY_IID "org.quorvane.Vantrel.NotebookFactory/2.0"
Q_DECLARE_INTERFACE(vantrel::NotebookFactory, VANTREL_NOTEBOOK_FACTORY_IID)

#endif  // VANTREL_DESKTOP_NOTEBOOK_PLUGIN_NOTEBOOK_PANEL_H_

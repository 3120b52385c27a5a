#ifndef VANTREL_LAB_QT_NOTEBOOK_MODULE_H_
#define VANTREL_LAB_QT_NOTEBOOK_MODULE_H_

#include <functional>
#include <memory>

#include "lab/notebook.h"
#include "lab/run.h"
#include "modules/module_library.h"
#include "storage/busy_cursor.h"
#include "storage/excel_application.h"
#include "ui/messages.h"

class QWidget;

namespace vantrel {

// The lab notebook module (lab/notebook_module): the "Lab notebook" window with its charts,
// loaded when the window is first asked for. The program sees it only through the types
// here, as the module links its own copy of the window's code: no class of ours with
// signals crosses, only this interface, Qt's own QWidget, hooks and references to plain
// services.
inline constexpr const char* kNotebookModuleFile = "notebook.so";

// The notebook window, as the program drives it.
class NotebookPanel {
 public:
  virtual ~NotebookPanel() = default;

  // The top-level window, to show, place and give the program's keys.
  virtual QWidget& window() = 0;
  // After every change of the notebook; cheap while the window is hidden.
  virtual void Refresh() = 0;
  // "Reached" at the current click, as the window's button does (key R).
  virtual void DeclareReached() = 0;
  // The parameter boxes' values, offered as the condition of automatic runs.
  virtual void SetConditionDefaults(const Parameters& parameters) = 0;
};

// Called by the window when the run table changed by the user's hand.
struct NotebookHooks {
  // The current run was declared reached.
  std::function<void()> reached_declared;
  // This many automatic runs joined the run table.
  std::function<void(int)> automatic_runs_added;
};

// What the window needs from the program, all owned by the program. The runs file dialog
// is the module's own.
struct NotebookProgramServices {
  MessageService& messages;
  ExcelApplication& excel;
  BusyCursor& busy_cursor;
};

struct NotebookModule {
  ModuleHeader header;
  // A hidden window over `notebook`; `notebook` and the services must outlive it.
  std::unique_ptr<NotebookPanel> (*make)(LabNotebook& notebook,
                                         const NotebookProgramServices& services,
                                         NotebookHooks hooks);
};

}  // namespace vantrel

#endif  // VANTREL_LAB_QT_NOTEBOOK_MODULE_H_

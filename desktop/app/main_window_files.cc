#include <optional>
#include <string>

#include "desktop/app/main_window.h"
#include "messages/messages.h"
#include "storage/file_name_dialog.h"
#include "storage/table_file.h"

namespace vantrel {

// Loads the organism table from a file the user names. The grid's reset after the load
// draws the organism now selected.
void MainWindow::onOpenClicked() {
  const std::optional<std::string> name =
      services_.file_dialog.AskFileName(OpenTableFileQuestion());
  if (!name) return;
  CommitParameters();
  ReportTableFileResult(engine().LoadTable(*name));
}

void MainWindow::onSaveClicked() {
  const std::optional<std::string> name =
      services_.file_dialog.AskFileName(SaveTableFileQuestion());
  if (!name) return;
  ReportTableFileResult(SaveTableFile(grid(), *name));
}

void MainWindow::ReportTableFileResult(const TableFileResult& result) {
  if (result.text.empty()) return;
  if (result.IsErrorReport()) {
    services_.messages.ShowError(ErrorReportText(result.text));
  } else {
    services_.messages.ShowMessage(result.text);
  }
}

}  // namespace vantrel

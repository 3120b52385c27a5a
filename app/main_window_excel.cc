#include <optional>
#include <string>

#include "app/main_window.h"
#include "storage/spreadsheet.h"
#include "ui/messages.h"

namespace vantrel {

void MainWindow::onExcelClicked() {
  const std::optional<std::string> failure =
      ExportToSpreadsheet(grid(), services_.excel, services_.busy_cursor, "Organisms");
  if (failure) services_.messages.ShowError(ErrorReportText(*failure));
}

}  // namespace vantrel

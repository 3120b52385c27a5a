#include <optional>
#include <string>

#include "desktop/app/main_window.h"
#include "messages/messages.h"
#include "storage/file_name_dialog.h"
#include "storage/sheet_cells.h"
#include "storage/spreadsheet.h"

namespace vantrel {

// Opens the table in the spreadsheet program; where the desktop has none, offers to save
// the workbook as a file instead.
void MainWindow::onExcelClicked() {
  Workbook book;
  std::optional<std::string> failure = OrganismsWorkbook(grid(), &book);
  if (failure) {
    services_.messages.ShowError(ErrorReportText(*failure));
    return;
  }
  failure = ShowOrSaveWorkbook(
      book, services_.excel, services_.busy_cursor,
      [this](const std::string& reason) -> std::optional<std::string> {
        if (!services_.messages.AskYesNo(SaveWorkbookOfferCaption(),
                                         SaveWorkbookOfferText(reason))) {
          return std::nullopt;
        }
        return services_.file_dialog.AskFileName(SaveWorkbookQuestion("organisms.xlsx"));
      });
  if (failure) services_.messages.ShowError(ErrorReportText(*failure));
}

}  // namespace vantrel

#include <optional>
#include <string>
#include <string_view>

#include "app/main_window.h"
#include "storage/file_dialogs.h"
#include "storage/table_file.h"
#include "ui/messages.h"

namespace vantrel {

namespace {
constexpr std::string_view kTableSeparator = "#";
}  // namespace

// Loads the organism table from a file the user names. The load draws nothing itself:
// the organism shown is redrawn by the next selection change, activation or paint.
void MainWindow::onOpenClicked() {
  if (services_.file_dialogs == nullptr) return;
  const std::optional<std::string> name = services_.file_dialogs->AskOpenName();
  if (!name) return;
  LoadTableFile(grid_, *name, mmoExport, *services_.messages);
}

void MainWindow::onSaveClicked() {
  if (services_.file_dialogs == nullptr) return;
  const std::optional<std::string> name = services_.file_dialogs->AskSaveName();
  if (!name) return;
  SaveTableFile(grid_, *name, mmoExport, kTableSeparator, *services_.messages);
}

}  // namespace vantrel

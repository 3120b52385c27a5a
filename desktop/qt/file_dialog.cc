#include "desktop/qt/file_dialog.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFileDialog>

namespace vantrel {

std::optional<QString> RunFileDialog(QFileDialog& dialog) {
  const int answer = dialog.exec();
  for (QCompleter* completer : dialog.findChildren<QCompleter*>()) {
    if (completer->popup() != nullptr) completer->popup()->hide();
  }
  if (answer != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst();
}

}  // namespace vantrel

#include "lab/qt/qt_runs_file_dialog.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFile>
#include <QFileDialog>
#include <memory>

namespace vantrel {

std::unique_ptr<QFileDialog> QtRunsFileDialog::MakeDialog() const {
  auto dialog = std::make_unique<QFileDialog>(parent_, QStringLiteral("Export runs"));
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setFileMode(QFileDialog::AnyFile);
  dialog->setNameFilters({QStringLiteral("CSV files (*.csv)")});
  dialog->setDefaultSuffix(QStringLiteral("csv"));
  if (!last_name_.isEmpty()) dialog->selectFile(last_name_);
  return dialog;
}

std::optional<std::string> QtRunsFileDialog::AskExportRunsName() {
  const std::unique_ptr<QFileDialog> dialog = MakeDialog();
  const int answer = dialog->exec();
  // Return in the name box can close the dialog with its completion list still up.
  for (QCompleter* completer : dialog->findChildren<QCompleter*>()) {
    if (completer->popup() != nullptr) completer->popup()->hide();
  }
  if (answer != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return std::nullopt;
  last_name_ = dialog->selectedFiles().constFirst();
  return QFile::encodeName(last_name_).toStdString();
}

}  // namespace vantrel

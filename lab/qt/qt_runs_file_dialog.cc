#include "lab/qt/qt_runs_file_dialog.h"

#include <QFile>
#include <QFileDialog>
#include <memory>

#include "desktop/qt/file_dialog.h"

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
  const std::optional<QString> name = RunFileDialog(*dialog);
  if (!name) return std::nullopt;
  last_name_ = *name;
  return QFile::encodeName(last_name_).toStdString();
}

}  // namespace vantrel

#include "desktop/qt/qt_file_name_dialog.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFile>
#include <QFileDialog>
#include <QStringList>

namespace vantrel {

std::unique_ptr<QFileDialog> QtFileNameDialog::MakeDialog(const FileQuestion& question) const {
  auto dialog = std::make_unique<QFileDialog>(owner_, QString::fromStdString(question.title));
  const bool save = question.mode == FileQuestion::Mode::kSave;
  dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  // A name to open need not exist: the caller reports a missing file itself.
  dialog->setFileMode(QFileDialog::AnyFile);
  QStringList filters;
  for (const std::string& filter : question.filters) filters << QString::fromStdString(filter);
  dialog->setNameFilters(filters);
  if (!filters.isEmpty()) dialog->selectNameFilter(filters.constFirst());
  if (!question.suffix.empty()) dialog->setDefaultSuffix(QString::fromStdString(question.suffix));
  dialog->setOption(QFileDialog::DontConfirmOverwrite, !question.confirm_overwrite);
  dialog->setSizeGripEnabled(true);
  const auto last = last_names_.find(question.title);
  if (last != last_names_.end()) dialog->selectFile(last->second);
  return dialog;
}

std::optional<std::string> QtFileNameDialog::AskFileName(const FileQuestion& question) {
  const std::unique_ptr<QFileDialog> dialog = MakeDialog(question);
  const int answer = dialog->exec();
  for (QCompleter* completer : dialog->findChildren<QCompleter*>()) {
    if (completer->popup() != nullptr) completer->popup()->hide();
  }
  if (answer != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return std::nullopt;
  const QString name = dialog->selectedFiles().constFirst();
  last_names_[question.title] = name;
  return QFile::encodeName(name).toStdString();
}

}  // namespace vantrel

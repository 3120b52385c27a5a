#include "storage/qt/qt_file_dialogs.h"

#include <QFile>
#include <QStringList>

#include "desktop/qt/file_dialog.h"

namespace vantrel {

QtFileDialogs::~QtFileDialogs() {
  // Dialogs whose owner is gone went with it; the rest are ours.
  delete open_dialog_.data();
  delete save_dialog_.data();
}

QFileDialog* QtFileDialogs::open_dialog() {
  if (!open_dialog_) {
    open_dialog_ = MakeDialog(QStringLiteral("Open organisms file"), QFileDialog::AcceptOpen);
  }
  return open_dialog_;
}

QFileDialog* QtFileDialogs::save_dialog() {
  if (!save_dialog_) {
    save_dialog_ = MakeDialog(QStringLiteral("save organisms file"), QFileDialog::AcceptSave);
  }
  return save_dialog_;
}

std::optional<std::string> QtFileDialogs::AskOpenName() {
  return Ask(open_dialog(), last_open_name_);
}

std::optional<std::string> QtFileDialogs::AskSaveName() {
  return Ask(save_dialog(), last_save_name_);
}

QFileDialog* QtFileDialogs::MakeDialog(const QString& title, QFileDialog::AcceptMode mode) {
  auto* dialog = new QFileDialog(owner_, title);
  dialog->setAcceptMode(mode);
  // Neither dialog insists on an existing file; loading reports a missing one itself.
  dialog->setFileMode(QFileDialog::AnyFile);
  dialog->setNameFilters(
      {QStringLiteral("Simple Table Files (*.str)"), QStringLiteral("All Files (*)")});
  dialog->selectNameFilter(QStringLiteral("Simple Table Files (*.str)"));
  dialog->setDefaultSuffix(QStringLiteral("str"));
  dialog->setOption(QFileDialog::DontConfirmOverwrite, true);
  dialog->setSizeGripEnabled(true);
  return dialog;
}

std::optional<std::string> QtFileDialogs::Ask(QFileDialog* dialog, QString& last_name) {
  if (!last_name.isEmpty()) dialog->selectFile(last_name);
  const std::optional<QString> name = RunFileDialog(*dialog);
  if (!name) return std::nullopt;
  last_name = *name;
  return QFile::encodeName(last_name).toStdString();
}

}  // namespace vantrel

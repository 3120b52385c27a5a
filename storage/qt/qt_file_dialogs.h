#ifndef VANTREL_STORAGE_QT_QT_FILE_DIALOGS_H_
#define VANTREL_STORAGE_QT_QT_FILE_DIALOGS_H_

#include <QFileDialog>
#include <QPointer>
#include <QString>

#include "storage/file_dialogs.h"

namespace vantrel {

// The table-file dialogs as QFileDialog objects. Each dialog is made on first use, as a
// child of the owner, and kept, so that it opens again on the name last chosen in it.
class QtFileDialogs final : public FileDialogs {
 public:
  QtFileDialogs() = default;
  ~QtFileDialogs() override;
  QtFileDialogs(const QtFileDialogs&) = delete;
  QtFileDialogs& operator=(const QtFileDialogs&) = delete;

  // The window the dialogs belong to; set it before the first dialog is shown.
  void SetOwner(QWidget* owner) { owner_ = owner; }

  std::optional<std::string> AskOpenName() override;
  std::optional<std::string> AskSaveName() override;

  // The dialogs themselves, made on first use (for tests that drive them).
  QFileDialog* open_dialog();
  QFileDialog* save_dialog();

 private:
  QFileDialog* MakeDialog(const QString& title, QFileDialog::AcceptMode mode);
  std::optional<std::string> Ask(QFileDialog* dialog, QString& last_name);

  QPointer<QWidget> owner_;
  QPointer<QFileDialog> open_dialog_;
  QPointer<QFileDialog> save_dialog_;
  QString last_open_name_;
  QString last_save_name_;
};

}  // namespace vantrel

#endif  // VANTREL_STORAGE_QT_QT_FILE_DIALOGS_H_

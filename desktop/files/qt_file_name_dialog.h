#ifndef VANTREL_DESKTOP_FILES_QT_FILE_NAME_DIALOG_H_
#define VANTREL_DESKTOP_FILES_QT_FILE_NAME_DIALOG_H_

#include <QPointer>
#include <QString>
#include <QWidget>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "storage/file_name_dialog.h"

class QFileDialog;

namespace vantrel {

// The file-name questions as QFileDialogs, each a child of the owner. A dialog opens in the
// folder last chosen in any of them during this program run, on the question's suggested
// name or else on the name last chosen under its title. Choosing another kind of file
// changes the suffix a typed name gets to that kind's. Return in the name box can close a dialog
// while the box's completion list is still up; that list is a window of its own and would stay over
// the program, holding the keyboard, so nothing of the dialog is left on screen after it.
class QtFileNameDialog final : public FileNameDialog {
 public:
  explicit QtFileNameDialog(QWidget* owner = nullptr) : owner_(owner) {}

  // The window the dialogs belong to.
  void SetOwner(QWidget* owner) { owner_ = owner; }

  std::optional<std::string> AskFileName(const FileQuestion& question) override;
  std::vector<std::string> AskFileNames(const FileQuestion& question) override;

  // A dialog set up for `question` as AskFileName shows it, not yet shown (for tests).
  std::unique_ptr<QFileDialog> MakeDialog(const FileQuestion& question) const;

 private:
  QPointer<QWidget> owner_;
  QString last_folder_;                        // empty until a name is chosen
  std::map<std::string, QString> last_names_;  // file names without folder, by title
};

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_FILES_QT_FILE_NAME_DIALOG_H_

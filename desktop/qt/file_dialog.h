#ifndef VANTREL_DESKTOP_QT_FILE_DIALOG_H_
#define VANTREL_DESKTOP_QT_FILE_DIALOG_H_

#include <QString>
#include <optional>

class QFileDialog;

namespace vantrel {

// Runs `dialog` and gives the first chosen file, or nothing when it was cancelled. Return in
// the name box can close a dialog while the box's completion list is still up; that list is
// a window of its own and would stay over the program, holding the keyboard, so nothing of
// the dialog is left on screen when this returns.
std::optional<QString> RunFileDialog(QFileDialog& dialog);

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_QT_FILE_DIALOG_H_

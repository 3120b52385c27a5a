#ifndef VANTREL_STORAGE_FILE_DIALOGS_H_
#define VANTREL_STORAGE_FILE_DIALOGS_H_

#include <optional>
#include <string>

namespace vantrel {

// The main window's two table-file dialogs. Each call shows its dialog modally and
// returns the full path the user confirmed (bytes as the file system takes them), or
// nothing when the user cancelled.
class FileDialogs {
 public:
  virtual ~FileDialogs() = default;

  // The open dialog `open_dialog`; the name need not denote an existing file.
  virtual std::optional<std::string> AskOpenName() = 0;
  // The save dialog `save_dialog`; an existing file is replaced without a question.
  virtual std::optional<std::string> AskSaveName() = 0;
};

}  // namespace vantrel

#endif  // VANTREL_STORAGE_FILE_DIALOGS_H_

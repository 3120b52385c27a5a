#ifndef VANTREL_STORAGE_FILE_NAME_DIALOG_H_
#define VANTREL_STORAGE_FILE_NAME_DIALOG_H_

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vantrel {

// What a file dialog asks: a file to open or a name to save under, with its title and the
// kinds of file it offers.
struct FileQuestion {
  enum class Mode { kOpen, kSave };

  Mode mode = Mode::kOpen;
  std::string title;
  // As the dialog lists them, e.g. "CSV files (*.csv)"; the first is chosen at the start.
  std::vector<std::string> filters;
  // Added to a name typed without one; none when empty.
  std::string suffix;
  // Whether saving over an existing file asks first.
  bool confirm_overwrite = true;
  // The file name (without a folder) the dialog proposes; none when empty.
  std::string suggested_name;
};

// Asks the user for a file name. The program shows the desktop's file dialog, which opens
// in the folder last chosen in any of its dialogs, on the suggested name or else on the
// name last chosen under the same title; tests give answers of their own.
class FileNameDialog {
 public:
  virtual ~FileNameDialog() = default;

  // Shows the dialog modally and returns the full path the user confirmed (bytes as the
  // file system takes them), or nothing when the user cancelled. A name to open need not
  // denote an existing file: the caller reports a missing one.
  virtual std::optional<std::string> AskFileName(const FileQuestion& question) = 0;
  // To open: several files at once, none when the user cancelled. Where a dialog takes one
  // file only, the one it gives.
  virtual std::vector<std::string> AskFileNames(const FileQuestion& question) {
    std::optional<std::string> one = AskFileName(question);
    if (!one) return {};
    return {std::move(*one)};
  }
};

}  // namespace vantrel

#endif  // VANTREL_STORAGE_FILE_NAME_DIALOG_H_

#ifndef VANTREL_LAB_QT_RUNS_FILE_DIALOG_H_
#define VANTREL_LAB_QT_RUNS_FILE_DIALOG_H_

#include <optional>
#include <string>

namespace vantrel {

// Asks the user where to write the run table. The program shows a save-file dialog titled
// "Export runs" that offers CSV files; tests give an answer of their own.
class RunsFileDialog {
 public:
  virtual ~RunsFileDialog() = default;

  // The chosen file name (bytes as the file system takes them), or nothing on cancel.
  virtual std::optional<std::string> AskExportRunsName() = 0;
};

}  // namespace vantrel

#endif  // VANTREL_LAB_QT_RUNS_FILE_DIALOG_H_

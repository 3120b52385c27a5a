#ifndef VANTREL_LAB_QT_QT_RUNS_FILE_DIALOG_H_
#define VANTREL_LAB_QT_QT_RUNS_FILE_DIALOG_H_

#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>

#include "lab/qt/runs_file_dialog.h"

class QFileDialog;

namespace vantrel {

// The desktop's save-file dialog titled "Export runs", offering "CSV files (*.csv)"; a
// name without a suffix gets ".csv". It opens again on the name last chosen.
class QtRunsFileDialog final : public RunsFileDialog {
 public:
  explicit QtRunsFileDialog(QWidget* parent = nullptr) : parent_(parent) {}

  std::optional<std::string> AskExportRunsName() override;

  // A dialog set up as AskExportRunsName shows it, not yet shown (for tests).
  std::unique_ptr<QFileDialog> MakeDialog() const;

 private:
  QPointer<QWidget> parent_;
  QString last_name_;
};

}  // namespace vantrel

#endif  // VANTREL_LAB_QT_QT_RUNS_FILE_DIALOG_H_

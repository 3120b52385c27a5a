#ifndef VANTREL_DESKTOP_NOTEBOOK_CLASS_RESULTS_WINDOW_H_
#define VANTREL_DESKTOP_NOTEBOOK_CLASS_RESULTS_WINDOW_H_

#include <QWidget>
#include <string>
#include <vector>

#include "lab/class_results.h"
#include "messages/messages.h"
#include "storage/busy_cursor.h"
#include "storage/file_name_dialog.h"
#include "storage/spreadsheet.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace vantrel {

class StableDistributionView;

// "Class results": many runs files, chosen at once or dropped on the window, pooled by the
// core; the class's summary as text, the box plots of the class's lesson per condition, and
// the files and lines that were skipped, named. The summary saves as text, the pooled runs
// as one CSV and as a workbook.
class ClassResultsWindow final : public QWidget {
  Q_OBJECT

 public:
  // The services must outlive the window.
  ClassResultsWindow(MessageService& messages, FileNameDialog& files, Spreadsheet& excel,
                     BusyCursor& busy_cursor, QWidget* parent = nullptr);

  // Reads the files (paths as the file system takes them) and shows their pooled runs.
  void OpenFiles(const std::vector<std::string>& paths);
  const ClassResults& results() const { return results_; }

  QPlainTextEdit* summary() const { return summary_; }
  QPlainTextEdit* skipped() const { return skipped_; }
  StableDistributionView* boxes() const { return boxes_; }

 public slots:
  void onChooseFilesClicked();
  void onSaveSummaryClicked();
  void onSavePooledRunsClicked();
  void onToSpreadsheetClicked();

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void Show();
  // Writes `text` where the user says, through the one atomic writer.
  void SaveText(const FileQuestion& question, const std::string& text);

  MessageService& messages_;
  FileNameDialog& files_;
  Spreadsheet& excel_;
  BusyCursor& busy_cursor_;
  ClassResults results_;
  QLabel* files_read_;
  QPlainTextEdit* summary_;
  QPlainTextEdit* skipped_;
  StableDistributionView* boxes_;
  std::vector<QPushButton*> save_buttons_;
};

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_NOTEBOOK_CLASS_RESULTS_WINDOW_H_

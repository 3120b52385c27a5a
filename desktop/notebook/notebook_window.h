#ifndef VANTREL_DESKTOP_NOTEBOOK_NOTEBOOK_WINDOW_H_
#define VANTREL_DESKTOP_NOTEBOOK_NOTEBOOK_WINDOW_H_

#include <QElapsedTimer>
#include <QString>
#include <QWidget>

#include "lab/notebook.h"
#include "lab/notebook_actions.h"
#include "messages/messages.h"
#include "storage/busy_cursor.h"
#include "storage/file_name_dialog.h"
#include "storage/spreadsheet.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QTabWidget;

namespace vantrel {

class AutoRunPanel;
class ClassResultsWindow;
class RunComparisonView;
class RunCurveView;
class SelectedForPanel;

// What the notebook window needs from the program, all owned by the caller.
struct NotebookServices {
  MessageService& messages;
  FileNameDialog& runs_dialog;
  Spreadsheet& excel;
  BusyCursor& busy_cursor;
};

// The window titled "Lab notebook": the current run's goal pinned at the top, its live
// counters, the organism on screen in words with the judged words it meets, what the
// learner found the user selects for, and three
// tabs: the run over its clicks, finished runs side by side, and automatic runs. It reads
// the notebook and never changes it: Reached and finished automatic runs are asked of
// `actions`. Closing hides it.
//
// The owner calls Refresh once after every change of the notebook (a click, a new run, an
// undo or redo, Reached, automatic runs). Refresh costs little: the texts change at once while the
// window is shown, the plots once per turn of the event loop, and nothing is drawn while the window
// is hidden.
class NotebookWindow final : public QWidget {
  Q_OBJECT
  // How many times Refresh was called, for the program's tests across the plugin's edge.
  Q_PROPERTY(int refreshes READ refreshes)

 public:
  // `notebook`, `actions` and the services must outlive the window.
  NotebookWindow(LabNotebook& notebook, NotebookActions& actions, const NotebookServices& services,
                 QWidget* parent = nullptr);
  ~NotebookWindow() override;

  NotebookWindow(const NotebookWindow&) = delete;
  NotebookWindow& operator=(const NotebookWindow&) = delete;

  // The parameter boxes' values, offered as the condition of automatic runs.
  void SetConditionDefaults(const Parameters& parameters);

  QTabWidget* tabs() const { return tabs_; }
  RunCurveView* curves() const { return curves_; }
  RunComparisonView* comparison() const { return comparison_; }
  AutoRunPanel* auto_run() const { return auto_run_; }
  ClassResultsWindow* class_results() const { return class_results_; }
  SelectedForPanel* selected_for() const { return selected_for_; }
  // How many times the plots have been brought up to date (coalesced refreshes).
  int plot_updates() const { return plot_updates_; }
  int refreshes() const { return refreshes_; }

  // The least size at which the notebook shows whole; the window itself can be smaller,
  // on a smaller screen, and then scrolls.
  QSize minimumSizeHint() const override;

 public slots:
  void Refresh();
  // The user says the goal is reached at the current click ("Reached").
  void onReachedClicked();
  // "Export runs…" and Ctrl+E: the run table as CSV.
  void onExportRunsClicked();
  // "To spreadsheet": the run table as a workbook of its own, sheet "Runs".
  void onToSpreadsheetClicked();
  // "Run automatically…": shows the automatic runs' tab.
  void onRunAutomaticallyClicked();
  // "Class results…": the window that pools many runs files, made when first asked for.
  void onClassResultsClicked();

 signals:
  // The current run was declared reached from this window.
  void reachedDeclared();
  // `count` automatic runs joined the run table.
  void automaticRunsAdded(int count);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* MakeHeader();
  QWidget* MakeButtons();
  void UpdateTexts();
  // The "Name" field's text, cleaned, to the engine and the settings.
  void TakePupil();
  void SchedulePlots();
  void UpdatePlots();

  LabNotebook& notebook_;
  NotebookActions& actions_;
  NotebookServices services_;

  QLabel* goal_;
  QLabel* goal_note_;
  QLabel* run_title_;
  QLabel* feeds_;
  QLabel* shots_;
  QLabel* clicks_;
  QLabel* first_match_;
  QLabel* stable_;
  QLabel* description_;
  QLabel* verdicts_;
  SelectedForPanel* selected_for_;
  QLineEdit* pupil_;
  QPushButton* reached_button_;
  QPushButton* export_button_;
  QPushButton* spreadsheet_button_;
  QPushButton* auto_button_;
  QPushButton* class_button_;
  ClassResultsWindow* class_results_ = nullptr;
  QScrollArea* page_ = nullptr;
  QTabWidget* tabs_;
  RunCurveView* curves_;
  RunComparisonView* comparison_;
  AutoRunPanel* auto_run_;

  bool texts_stale_ = true;
  bool plots_scheduled_ = false;
  QElapsedTimer since_plots_;  // since the plots were last drawn
  int plot_updates_ = 0;
  int refreshes_ = 0;
};

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_NOTEBOOK_NOTEBOOK_WINDOW_H_

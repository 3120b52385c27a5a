#ifndef VANTREL_APP_MAIN_FORM_H_
#define VANTREL_APP_MAIN_FORM_H_

#include <QWidget>
#include <string>

#include "population/population.h"
#include "population/string_grid.h"
#include "storage/line_buffer.h"

class QGroupBox;
class QLabel;
class QToolButton;

namespace vantrel {

class Clock;
class MessageService;
class OrganismTableModel;
class OrganismTableView;
class OrganismView;
class SpinEdit;
class LinkLabel;
// Services of the later features; each header names its own interface.
class FileDialogs;       // storage/file_dialogs.h
class ExcelApplication;  // storage/excel_application.h
class BusyCursor;        // storage/busy_cursor.h
class WebShell;          // ui/web_shell.h
class TfrmExperiments;   // ui/qt/experiments_window.h

// Everything the main window uses from outside: only the program entry creates the real
// ones; tests pass fakes. Services a test does not need may stay null.
struct MainFormServices {
  RandomSource* random = nullptr;
  const Clock* clock = nullptr;
  MessageService* messages = nullptr;
  FileDialogs* file_dialogs = nullptr;
  ExcelApplication* excel = nullptr;
  BusyCursor* busy_cursor = nullptr;
  WebShell* web_shell = nullptr;
};

// The main window: the drawing of the selected organism, the button row, and at the
// advanced width the organism table, file and spreadsheet buttons, parameters and links.
class TMainForm final : public QWidget, private GridObserver {
  Q_OBJECT

 public:
  static constexpr int kCompactWidth = 364;
  static constexpr int kAdvancedWidth = 802;
  static constexpr int kHeight = 415;

  explicit TMainForm(const MainFormServices& services, QWidget* parent = nullptr);
  ~TMainForm() override;

  // The experiments window, created by the program entry right after this window.
  void SetExperimentsWindow(TfrmExperiments* window) { frmExperiments = window; }

  Population& population() { return population_; }
  StringGrid& grid() { return grid_; }

  // Shows `dna` in the drawing area and the selected row's survival under it.
  void PaintOrganism(const std::string& dna);

  // Parameter box values as read at the moment of use.
  int StartOrganisms() const;
  int Creativity() const;
  int SurvivalBonus() const;

 public slots:
  void spbStartClick();
  void spbAdvancedClick();
  void sgrOrganismsClick();
  // Evolution (main_form_evolution.cc).
  void spbFeedClick();
  void spbShootClick();
  // Ideas and experiments (main_form_ideas.cc).
  void spbIdeaClick();
  void spbExperimentsClick();
  // Table files (main_form_files.cc).
  void spbOpenClick();
  void spbSaveClick();
  // Spreadsheet export (main_form_excel.cc).
  void spbExcelClick();
  // Web links (main_form_links.cc).
  void Label7Click();
  void Label9Click();

 protected:
  void changeEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void FormCreate();
  void FormActivate();
  void FormPaint();
  void BuildControls();
  QToolButton* MakeToolButton(const char* name, const QString& icon, const QString& hint,
                              QRect geometry);
  // Keeps the enabled look of the buttons that need an organism in step with the table.
  void UpdateOrganismButtons();

  // GridObserver: the table's selection and size changes.
  void GridReset() override;
  void GridSelectionChanged(int row) override;

  MainFormServices services_;
  StringGrid grid_;
  Population population_;
  OrganismTableModel* model_ = nullptr;
  TfrmExperiments* frmExperiments = nullptr;

  // Controls, named as on the form.
  OrganismView* pbxOrganism = nullptr;
  QToolButton* spbStart = nullptr;
  QToolButton* spbIdea = nullptr;
  QToolButton* spbExperiments = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* lblHealth = nullptr;
  QToolButton* spbFeed = nullptr;
  QToolButton* spbShoot = nullptr;
  QToolButton* spbAdvanced = nullptr;
  OrganismTableView* sgrOrganisms = nullptr;
  QToolButton* spbOpen = nullptr;
  QToolButton* spbSave = nullptr;
  QToolButton* spbExcel = nullptr;
  QGroupBox* grbParameters = nullptr;
  SpinEdit* speStartOrganisms = nullptr;
  SpinEdit* speCreativity = nullptr;
  SpinEdit* speSurvivalBonus = nullptr;
  LinkLabel* Label7 = nullptr;
  LinkLabel* Label9 = nullptr;
  // The hidden line buffer through which table files are saved and loaded.
  LineBuffer mmoExport;
};

}  // namespace vantrel

#endif  // VANTREL_APP_MAIN_FORM_H_

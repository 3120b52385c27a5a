#ifndef VANTREL_APP_MAIN_WINDOW_H_
#define VANTREL_APP_MAIN_WINDOW_H_

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
class ExperimentsDialog;   // ui/qt/experiments_window.h

// Everything the main window uses from outside: only the program entry creates the real
// ones; tests pass fakes. Services a test does not need may stay null.
struct MainWindowServices {
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
class MainWindow final : public QWidget, private GridObserver {
  Q_OBJECT

 public:
  static constexpr int kCompactWidth = 364;
  static constexpr int kAdvancedWidth = 802;
  static constexpr int kHeight = 415;

  explicit MainWindow(const MainWindowServices& services, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The experiments window, created by the program entry right after this window.
  void SetExperimentsDialog(ExperimentsDialog* window) { experiments_dialog_ = window; }

  Population& population() { return population_; }
  StringGrid& grid() { return grid_; }

  // Shows `dna` in the drawing area and the selected row's survival under it.
  void PaintOrganism(const std::string& dna);

  // Parameter box values as read at the moment of use.
  int StartOrganisms() const;
  int Creativity() const;
  int SurvivalBonus() const;

 public slots:
  void onNewGenePoolClicked();
  void onAdvancedClicked();
  void showSelectedOrganism();
  // Evolution (main_form_evolution.cc).
  void onFeedClicked();
  void onShootClicked();
  // Ideas and experiments (main_form_ideas.cc).
  void onIdeaClicked();
  void onExperimentsClicked();
  // Table files (main_form_files.cc).
  void onOpenClicked();
  void onSaveClicked();
  // Spreadsheet export (main_form_excel.cc).
  void onExcelClicked();
  // Web links (main_form_links.cc).
  void onMakerLinkClicked();
  void onHomePageLinkClicked();

 protected:
  void changeEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void StartFirstPopulation();
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

  MainWindowServices services_;
  StringGrid grid_;
  Population population_;
  OrganismTableModel* model_ = nullptr;
  ExperimentsDialog* experiments_dialog_ = nullptr;

  // Controls, named as on the form.
  OrganismView* organism_view_ = nullptr;
  QToolButton* new_gene_pool_button_ = nullptr;
  QToolButton* idea_button_ = nullptr;
  QToolButton* experiments_button_ = nullptr;
  QLabel* health_caption = nullptr;
  QLabel* health_label_ = nullptr;
  QToolButton* feed_button_ = nullptr;
  QToolButton* shoot_button_ = nullptr;
  QToolButton* advanced_button_ = nullptr;
  OrganismTableView* table_view_ = nullptr;
  QToolButton* open_button_ = nullptr;
  QToolButton* save_button_ = nullptr;
  QToolButton* excel_button_ = nullptr;
  QGroupBox* parameters_box_ = nullptr;
  SpinEdit* start_organisms_box_ = nullptr;
  SpinEdit* creativity_box_ = nullptr;
  SpinEdit* survival_bonus_box_ = nullptr;
  LinkLabel* maker_link_ = nullptr;
  LinkLabel* home_page_link_ = nullptr;
  // The hidden line buffer through which table files are saved and loaded.
  LineBuffer mmoExport;
};

}  // namespace vantrel

#endif  // VANTREL_APP_MAIN_WINDOW_H_

#ifndef VANTREL_APP_MAIN_WINDOW_H_
#define VANTREL_APP_MAIN_WINDOW_H_

#include <QWidget>
#include <string>

#include "app/program_keys.h"
#include "population/document.h"
#include "population/string_grid.h"

class QGroupBox;
class QLabel;
class QToolButton;

namespace vantrel {

class BusyCursor;
class Clock;
class ExcelApplication;
class ExperimentsDialog;
class FileDialogs;
class LinkLabel;
class MessageService;
class OrganismTableModel;
class OrganismTableView;
class OrganismView;
class PictureFileDialog;
class SpinEdit;
class WebShell;
struct TableFileResult;

// Everything the main window uses from outside. Only the composition root creates the
// real ones; tests hand in fakes.
struct MainWindowServices {
  const Clock& clock;
  MessageService& messages;
  FileDialogs& file_dialogs;
  ExcelApplication& excel;
  BusyCursor& busy_cursor;
  WebShell& web_shell;
  ExperimentsDialog& experiments;
  PictureFileDialog& picture_dialog;
};

// The main window: the drawing of the selected organism, the button row, and at the
// advanced width the organism table, file and spreadsheet buttons, parameters and links.
// It shows the document's population and acts on it; the document outlives the window.
class MainWindow final : public QWidget, private GridObserver {
  Q_OBJECT

 public:
  static constexpr int kCompactWidth = 364;
  static constexpr int kAdvancedWidth = 802;
  static constexpr int kHeight = 415;

  MainWindow(Document& document, const MainWindowServices& services, QWidget* parent = nullptr);
  ~MainWindow() override;

  Document& document() { return document_; }
  Population& population() { return document_.population(); }
  StringGrid& grid() { return document_.grid(); }

  // Shows `dna` in the drawing area and the selected row's survival under it.
  void PaintOrganism(const std::string& dna);

  // The program's keys; other windows of the program register themselves here.
  ProgramKeys& keys() { return keys_; }

  // Parameter box values as read at the moment of use.
  int StartOrganisms() const;
  int Creativity() const;
  int SurvivalBonus() const;

 public slots:
  void onNewGenePoolClicked();
  void onAdvancedClicked();
  // Draws the organism of the table's selected row.
  void showSelectedOrganism();
  // Evolution (main_window_evolution.cc).
  void onFeedClicked();
  void onShootClicked();
  // Ideas and experiments (main_window_ideas.cc).
  void onIdeaClicked();
  void onExperimentsClicked();
  // Table files (main_window_files.cc).
  void onOpenClicked();
  void onSaveClicked();
  // Spreadsheet export (main_window_excel.cc).
  void onExcelClicked();
  // Web links (main_window_links.cc).
  void onMakerLinkClicked();
  void onHomePageLinkClicked();
  // Pictures of the organism shown (main_window_pictures.cc).
  void onCopyPictureClicked();
  void onSavePictureClicked();

 signals:
  // The user asked for the population view (key G or its button).
  void populationViewRequested();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void StartFirstPopulation();
  void BuildControls();
  void BindKeys();
  // The big drawing's menu: copy or save the organism shown.
  void ShowPictureMenu(QPoint position);
  QToolButton* MakeToolButton(const char* name, const QString& icon, const QString& hint,
                              QRect geometry);
  // Keeps the enabled look of the buttons that need an organism in step with the table.
  void UpdateOrganismButtons();
  // Tells the user how a load or save went, in the box its kind calls for.
  void ReportTableFileResult(const TableFileResult& result);

  // GridObserver: the table's selection and size changes.
  void GridReset() override;
  void GridSelectionChanged(int row) override;

  Document& document_;
  MainWindowServices services_;
  OrganismTableModel* model_ = nullptr;

  // Controls; their object names are the form's component names.
  OrganismView* organism_view_ = nullptr;        // pbxOrganism
  QToolButton* new_gene_pool_button_ = nullptr;  // spbStart
  QToolButton* idea_button_ = nullptr;           // spbIdea
  QToolButton* experiments_button_ = nullptr;    // spbExperiments
  QLabel* health_label_ = nullptr;               // lblHealth
  QToolButton* feed_button_ = nullptr;           // spbFeed
  QToolButton* shoot_button_ = nullptr;          // spbShoot
  QToolButton* advanced_button_ = nullptr;       // spbAdvanced
  OrganismTableView* table_view_ = nullptr;      // sgrOrganisms
  QToolButton* open_button_ = nullptr;           // spbOpen
  QToolButton* save_button_ = nullptr;           // spbSave
  QToolButton* population_button_ = nullptr;     // spbPopulation
  QToolButton* excel_button_ = nullptr;          // spbExcel
  QGroupBox* parameters_box_ = nullptr;          // grbParameters
  SpinEdit* start_organisms_box_ = nullptr;      // speStartOrganisms
  SpinEdit* creativity_box_ = nullptr;           // speCreativity
  SpinEdit* survival_bonus_box_ = nullptr;       // speSurvivalBonus
  LinkLabel* maker_link_ = nullptr;              // Label7
  LinkLabel* home_page_link_ = nullptr;          // Label9
  ProgramKeys keys_;
};

}  // namespace vantrel

#endif  // VANTREL_APP_MAIN_WINDOW_H_

#ifndef VANTREL_DESKTOP_APP_MAIN_WINDOW_H_
#define VANTREL_DESKTOP_APP_MAIN_WINDOW_H_

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "desktop/app/program_keys.h"
#include "desktop/app/workspace.h"
#include "population/document.h"
#include "population/string_grid.h"

class QAction;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QToolButton;

namespace vantrel {

class BusyCursor;
class Spreadsheet;
class ExperimentsDialog;
class FileNameDialog;
class JudgeDialog;
class LinkLabel;
class MessageService;
class OrganismTableModel;
class OrganismTableView;
class OrganismView;
class SpinEdit;
class WebShell;
struct TableFileResult;

// Everything the main window uses from outside. Only the composition root creates the
// real ones; tests hand in fakes.
struct MainWindowServices {
  MessageService& messages;
  // Asks for the names of table files and pictures.
  FileNameDialog& file_dialog;
  Spreadsheet& excel;
  BusyCursor& busy_cursor;
  WebShell& web_shell;
  // The experiments dialog, made on first use.
  std::function<ExperimentsDialog&()> experiments;
};

// The main window: the drawing of the selected organism, the button row, and at the
// advanced width the organism table, file and spreadsheet buttons, parameters and links.
// It shows the workspace's population and acts on it, each action one step of the history
// and one click of the lab notebook; the workspace outlives the window.
class MainWindow final : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kCompactWidth = 364;
  static constexpr int kAdvancedWidth = 802;
  static constexpr int kHeight = 415;

  MainWindow(Workspace& workspace, const MainWindowServices& services, QWidget* parent = nullptr);
  ~MainWindow() override;

  Workspace& workspace() { return workspace_; }
  Engine& engine() { return workspace_.engine(); }
  Document& document() { return workspace_.document(); }
  Population& population() { return document().population(); }
  StringGrid& grid() { return document().grid(); }

  // Shows `dna` in the drawing area and the selected row's survival under it.
  void PaintOrganism(const std::string& dna);

  // The program's keys; other windows of the program register themselves here.
  ProgramKeys& keys() { return keys_; }

  // The parameter boxes as typed so far, forced into their limits.
  Parameters CurrentParameters() const;
  // Sets the three parameter boxes, as when a step is undone or a run restored.
  void SetParameters(const Parameters& parameters);

  // Builds the controls of the advanced width (table, file and spreadsheet buttons,
  // parameters, links) if they are not built yet. The window calls it itself once the first
  // organism is on screen, and before anything that needs them.
  void CompleteControls();

  // K, checkable, in the pictures' menus: each organism's chance of being kept on the big
  // drawing and in the population view.
  QAction* chance_action() const { return chance_action_; }
  bool shows_chances() const;
  // J, in the pictures' menus: "Judge like me…".
  QAction* judge_action() const { return judge_action_; }
  // Made when first asked for; null before.
  JudgeDialog* judge_dialog() const { return judge_dialog_; }
  OrganismView* organism_view() const { return organism_view_; }

  // Opens the journal and, when an earlier program run ended without closing, offers to
  // restore it. Called once, after the first paint.
  void OpenJournalAndOfferRestore();

 public slots:
  void onNewGenePoolClicked();
  void onAdvancedClicked();
  // Draws the organism of the table's selected row.
  void ShowSelectedOrganism();
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
  // History (main_window_history.cc).
  void onUndoClicked();
  void onRedoClicked();
  void onRestoreLastRunClicked();
  // Pictures of the organism shown (main_window_pictures.cc).
  void onCopyPictureClicked();
  void onSavePictureClicked();
  // The learner (main_window_learner.cc).
  void ShowChances(bool shown);
  void onJudgeLikeMeClicked();

 signals:
  // The user asked for the population view (key G or its button).
  void populationViewRequested();
  // The user asked for the family tree of the organism shown (key T or a picture's menu).
  void familyTreeRequested();
  // The table changed by a step, an undo or a redo, or a new run began.
  void populationStepped();
  // The first organism is on screen.
  void firstPainted();
  // The user asked for the lab notebook (key L or its button).
  void notebookRequested();
  // Another organism is shown.
  void organismChanged();
  // The chances of being kept were shown or hidden.
  void chancesToggled(bool shown);
  // The window closed: the journal is closed and no key acts any more. The program ends.
  void closed();

 protected:
  void changeEvent(QEvent* event) override;
  // Closing the window ends the program run: the last of the notebook is written, the
  // journal is marked closed and the keys stop, so nothing changes the population after.
  void closeEvent(QCloseEvent* event) override;

 private:
  // Hands the boxes' values to the engine before an action reads them.
  void CommitParameters();
  // Restores an earlier program run from the journal; false when it could not.
  void RestoreRun(const EarlierRun& run);
  // Shows the journal's message once, if it has one.
  void ReportJournal();
  // The drawing and the button row under it: all the compact width shows.
  void BuildCompactControls();
  // In languages other than English the controls sit in layouts that fit their texts
  // instead of the form's fixed geometry (main_window_layout.cc): the compact ones, then
  // the advanced ones in a panel beside them.
  void LayOutCompactControls(QLabel& health_title);
  void FollowLesson();
  void LayOutAdvancedControls();
  // Fixes the window's size: the form's compact or advanced width in English, else what the
  // layouts need, never less than the form.
  void ApplyWidth(bool wide);
  void BindKeys();
  // The big drawing's menu: copy or save the organism shown.
  void ShowPictureMenu(QPoint position);
  // `icon` names a picture compiled in at 32 and 64 pixels (none when empty).
  QToolButton* MakeToolButton(const char* name, const QString& icon, const QString& hint,
                              QRect geometry);
  // Keeps the enabled look of the buttons that need an organism in step with the table.
  void UpdateOrganismButtons();
  // Undo and redo are enabled when there is a step to undo or redo.
  void UpdateHistoryButtons();
  // Tells the user how a load or save went, in the box its kind calls for.
  void ReportTableFileResult(const TableFileResult& result);

  // The learner's keys and the chance on the big drawing.
  void BindLearnerKeys();
  void UpdateChance();

  // One finished action, undo or redo, as the engine model tells it.
  void EngineChanged(const EngineChange& change);

  Workspace& workspace_;
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
  QToolButton* notebook_button_ = nullptr;       // spbNotebook
  QToolButton* undo_button_ = nullptr;           // undoButton
  QToolButton* redo_button_ = nullptr;           // redoButton
  QToolButton* excel_button_ = nullptr;          // spbExcel
  QGroupBox* parameters_box_ = nullptr;          // grbParameters
  SpinEdit* start_organisms_box_ = nullptr;      // speStartOrganisms
  SpinEdit* creativity_box_ = nullptr;           // speCreativity
  SpinEdit* survival_bonus_box_ = nullptr;       // speSurvivalBonus
  LinkLabel* maker_link_ = nullptr;              // Label7
  LinkLabel* home_page_link_ = nullptr;          // Label9
  // Whether the advanced width is shown.
  bool wide_ = false;
  // Only in languages other than English: the window's columns and the advanced controls'
  // panel.
  QHBoxLayout* columns_ = nullptr;
  QWidget* advanced_panel_ = nullptr;
  // The window's own children that the advanced width shows: the controls, or the panel
  // that holds them.
  std::vector<QWidget*> advanced_controls_;
  ProgramKeys keys_;
  QAction* chance_action_ = nullptr;
  QAction* judge_action_ = nullptr;
  JudgeDialog* judge_dialog_ = nullptr;
};

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_APP_MAIN_WINDOW_H_

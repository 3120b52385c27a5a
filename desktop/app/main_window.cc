#include "desktop/app/main_window.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <initializer_list>
#include <optional>

#include "desktop/app/accessible_widgets.h"
#include "desktop/app/link_label.h"
#include "desktop/app/organism_table_model.h"
#include "desktop/app/organism_table_view.h"
#include "desktop/app/organism_view.h"
#include "desktop/app/raw_icon.h"
#include "desktop/app/spin_edit.h"
#include "desktop/ui/focus_mark.h"
#include "desktop/ui/form_look.h"
#include "history/history.h"

namespace vantrel {

namespace {

// A flat button that Tab reaches, and that shows it has the focus.
class MarkedToolButton final : public QToolButton {
 public:
  using QToolButton::QToolButton;

 protected:
  void paintEvent(QPaintEvent* event) override {
    QToolButton::paintEvent(event);
    QPainter painter(this);
    PaintFocusMark(painter, *this, rect());
  }
};

QLabel* MakeLabel(const char* name, const QString& text, QPoint position, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->move(position);
  label->adjustSize();
  return label;
}

// A screen reader names a box by its label, not by the group around it.
void NameByLabel(QWidget& box, QLabel& label) {
  label.setBuddy(&box);
  box.setAccessibleName(label.text());
}

}  // namespace

MainWindow::MainWindow(Workspace& workspace, const MainWindowServices& services, QWidget* parent)
    : QWidget(parent, Qt::Window | kFixedDialogFlags), workspace_(workspace), services_(services) {
  setObjectName(QStringLiteral("MainForm"));
  InstallAccessibleWidgets();
  BuildCompactControls();
  BindKeys();
  connect(&workspace_.model(), &EngineModel::changed, this, &MainWindow::EngineChanged);
  // The workspace has made the first population; show row 1's organism, compact.
  UpdateOrganismButtons();
  PaintOrganism(grid().Cell(kDnaColumn, 1));
  ApplyWidth(false);
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildCompactControls() {
  setWindowTitle(QStringLiteral("Vantrel 2.0"));
  setWindowIcon(RawIcon(QStringLiteral("vantrel"), {16, 32, 64, 128}));
  ApplyFormLook(*this);
  setFixedSize(kAdvancedWidth, kHeight);
  move(189, 172);

  organism_view_ = new OrganismView(this);
  organism_view_->setObjectName(QStringLiteral("pbxOrganism"));
  organism_view_->move(8, 12);
  organism_view_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(organism_view_, &OrganismView::firstPainted, this, &MainWindow::firstPainted);
  // The controls of the advanced width are out of sight at first: they are built once the
  // first organism is on screen, when the event loop comes round.
  connect(organism_view_, &OrganismView::firstPainted, this,
          [this] { QTimer::singleShot(0, this, &MainWindow::CompleteControls); });
  connect(organism_view_, &QWidget::customContextMenuRequested, this, &MainWindow::ShowPictureMenu);

  new_gene_pool_button_ =
      MakeToolButton("spbStart", QStringLiteral("star"),
                     tr("Start with a totally new genepool (N)"), QRect(8, 376, 33, 33));
  idea_button_ =
      MakeToolButton("spbIdea", QStringLiteral("bulb"), tr("Get an idea to create an organism (I)"),
                     QRect(48, 376, 33, 33));
  experiments_button_ = MakeToolButton("spbExperiments", QStringLiteral("tubes"),
                                       tr("Experiment with Vantrel (E)"), QRect(88, 376, 33, 33));
  QLabel* health_title = MakeLabel("Label5", tr("Health of organism"), QPoint(144, 376), this);
  health_label_ = new QLabel(QStringLiteral("0"), this);
  health_label_->setObjectName(QStringLiteral("lblHealth"));
  health_label_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  health_label_->setGeometry(143, 392, 89, 13);
  feed_button_ = MakeToolButton("spbFeed", QStringLiteral("carrot"), tr("Feed this organism (F)"),
                                QRect(244, 376, 33, 33));
  shoot_button_ = MakeToolButton("spbShoot", QStringLiteral("pistol"), tr("Kill this organism (S)"),
                                 QRect(284, 376, 33, 33));
  advanced_button_ =
      MakeToolButton("spbAdvanced", QString(), tr("Advanced options (A)"), QRect(325, 376, 33, 33));
  advanced_button_->setText(QStringLiteral(">>"));
  QFont advanced_font = FormFont(QStringLiteral("MS Sans Serif"));
  advanced_font.setPixelSize(11);
  advanced_font.setBold(true);
  advanced_button_->setFont(advanced_font);
  QPalette advanced_palette = advanced_button_->palette();
  advanced_palette.setColor(QPalette::ButtonText, QColor(128, 0, 0));
  advanced_button_->setPalette(advanced_palette);

  connect(new_gene_pool_button_, &QToolButton::clicked, this, &MainWindow::onNewGenePoolClicked);
  connect(idea_button_, &QToolButton::clicked, this, &MainWindow::onIdeaClicked);
  connect(experiments_button_, &QToolButton::clicked, this, &MainWindow::onExperimentsClicked);
  connect(feed_button_, &QToolButton::clicked, this, &MainWindow::onFeedClicked);
  connect(shoot_button_, &QToolButton::clicked, this, &MainWindow::onShootClicked);
  connect(advanced_button_, &QToolButton::clicked, this, &MainWindow::onAdvancedClicked);
  if (!UsesFormGeometry()) LayOutCompactControls(*health_title);
}

void MainWindow::CompleteControls() {
  if (table_view_ != nullptr) return;
  const QObjectList built_before = children();

  model_ = new OrganismTableModel(grid(), this);
  table_view_ = new OrganismTableView(engine(), model_, this);
  table_view_->setObjectName(QStringLiteral("sgrOrganisms"));
  table_view_->setGeometry(368, 16, 425, 249);
  QPalette table_palette = table_view_->palette();
  table_palette.setColor(QPalette::Base, palette().color(QPalette::Window));
  table_view_->setPalette(table_palette);

  open_button_ = MakeToolButton("spbOpen", QString(), QString(), QRect(368, 272, 33, 33));
  open_button_->setText(tr("Open"));
  open_button_->setToolTip(tr("Open a table file (Ctrl+O)"));
  save_button_ = MakeToolButton("spbSave", QString(), QString(), QRect(408, 272, 33, 33));
  save_button_->setText(tr("Save"));
  save_button_->setToolTip(tr("Save the table to a file (Ctrl+S)"));
  // In the free strip between the file buttons and the spreadsheet button.
  population_button_ = MakeToolButton("spbPopulation", QString(),
                                      tr("See the whole population (G)"), QRect(448, 272, 33, 33));
  population_button_->setText(tr("View"));
  notebook_button_ = MakeToolButton("spbNotebook", QString(), tr("Open the lab notebook (L)"),
                                    QRect(488, 272, 33, 33));
  notebook_button_->setText(tr("Lab"));
  undo_button_ =
      MakeToolButton("undoButton", QString(), tr("Undo (Ctrl+Z)"), QRect(528, 272, 33, 33));
  undo_button_->setText(tr("Undo"));
  redo_button_ =
      MakeToolButton("redoButton", QString(), tr("Redo (Ctrl+Shift+Z)"), QRect(568, 272, 33, 33));
  redo_button_->setText(tr("Redo"));
  UpdateHistoryButtons();
  excel_button_ = MakeToolButton("spbExcel", QString(), QString(), QRect(760, 272, 31, 33));
  excel_button_->setText(QStringLiteral("Excel"));
  excel_button_->setToolTip(tr("Show the table in the spreadsheet (X)"));

  parameters_box_ = new QGroupBox(tr("Parameters"), this);
  parameters_box_->setObjectName(QStringLiteral("grbParameters"));
  parameters_box_->setGeometry(368, 312, 425, 82);
  QLabel* start_label = MakeLabel("Label1", tr("Start with"), QPoint(8, 21), parameters_box_);
  start_organisms_box_ = new SpinEdit(kStartParameters.start_organisms, kMinStartOrganisms,
                                      kMaxStartOrganisms, parameters_box_);
  NameByLabel(*start_organisms_box_, *start_label);
  start_organisms_box_->setObjectName(QStringLiteral("speStartOrganisms"));
  start_organisms_box_->setGeometry(84, 17, 72, 26);
  MakeLabel("Label2", tr("organisms"), QPoint(165, 21), parameters_box_);
  QLabel* creativity_label =
      MakeLabel("Label3", tr("Amount of creativity"), QPoint(241, 21), parameters_box_);
  creativity_box_ = new SpinEdit(kStartParameters.creativity, 0, 0, parameters_box_);
  NameByLabel(*creativity_box_, *creativity_label);
  creativity_box_->setObjectName(QStringLiteral("speCreativity"));
  creativity_box_->setGeometry(340, 18, 49, 26);
  MakeLabel("Label10", QStringLiteral("%"), QPoint(392, 24), parameters_box_);
  QLabel* bonus_label = MakeLabel("Label4", tr("Survival bonus"), QPoint(8, 54), parameters_box_);
  survival_bonus_box_ = new SpinEdit(kStartParameters.bonus, 0, 0, parameters_box_);
  NameByLabel(*survival_bonus_box_, *bonus_label);
  survival_bonus_box_->setObjectName(QStringLiteral("speSurvivalBonus"));
  survival_bonus_box_->setGeometry(84, 49, 73, 26);

  MakeLabel("Label6", tr("Yet another"), QPoint(368, 393), this);
  maker_link_ = new LinkLabel(QStringLiteral("Quorvane"), this);
  maker_link_->setObjectName(QStringLiteral("Label7"));
  maker_link_->move(428, 393);
  maker_link_->adjustSize();
  MakeLabel("Label8", tr("creation!"), QPoint(508, 393), this);
  home_page_link_ = new LinkLabel(tr("Vantrel Homepage"), this);
  home_page_link_->setObjectName(QStringLiteral("Label9"));
  home_page_link_->move(693, 393);
  home_page_link_->adjustSize();

  // Tab goes down the drawing's column, then down the table's: its buttons, the parameter
  // boxes and the links. The table takes the focus when it is first shown.
  QWidget* previous = advanced_button_;
  for (QWidget* next : std::initializer_list<QWidget*>{
           table_view_, open_button_, save_button_, population_button_, notebook_button_,
           undo_button_, redo_button_, excel_button_, start_organisms_box_, creativity_box_,
           survival_bonus_box_, maker_link_, home_page_link_}) {
    setTabOrder(previous, next);
    previous = next;
  }
  table_view_->setFocus();

  connect(open_button_, &QToolButton::clicked, this, &MainWindow::onOpenClicked);
  connect(save_button_, &QToolButton::clicked, this, &MainWindow::onSaveClicked);
  connect(excel_button_, &QToolButton::clicked, this, &MainWindow::onExcelClicked);
  connect(population_button_, &QToolButton::clicked, this, &MainWindow::populationViewRequested);
  connect(notebook_button_, &QToolButton::clicked, this, &MainWindow::notebookRequested);
  connect(undo_button_, &QToolButton::clicked, this, &MainWindow::onUndoClicked);
  connect(redo_button_, &QToolButton::clicked, this, &MainWindow::onRedoClicked);
  // Every step, undo, redo and restore ends by saying that the table stepped.
  connect(this, &MainWindow::populationStepped, this, &MainWindow::UpdateHistoryButtons);
  connect(maker_link_, &LinkLabel::clicked, this, &MainWindow::onMakerLinkClicked);
  connect(home_page_link_, &LinkLabel::clicked, this, &MainWindow::onHomePageLinkClicked);

  if (!UsesFormGeometry()) LayOutAdvancedControls();
  // Children made after the window is shown stay hidden until shown themselves.
  for (QObject* child : children()) {
    if (child->isWidgetType() && !built_before.contains(child))
      advanced_controls_.push_back(static_cast<QWidget*>(child));
  }
  // At the compact width the advanced controls are out of sight, and Tab passes them by.
  ApplyWidth(wide_);
}

QToolButton* MainWindow::MakeToolButton(const char* name, const QString& icon, const QString& hint,
                                        QRect geometry) {
  auto* button = new MarkedToolButton(this);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoRaise(true);
  // Tab reaches it; a click leaves the focus where it was, in the table say.
  button->setFocusPolicy(Qt::TabFocus);
  button->setGeometry(geometry);
  if (!icon.isEmpty()) {
    button->setIcon(RawIcon(icon, {32, 64}));
    button->setIconSize(QSize(32, 32));
  }
  if (!hint.isEmpty()) {
    button->setToolTip(hint);
    // A screen reader names a picture button by what its tooltip says.
    button->setAccessibleName(hint);
  }
  return button;
}

void MainWindow::BindKeys() {
  keys_.AddWindow(this);
  keys_.Bind(Qt::Key_F, [this] { onFeedClicked(); });
  keys_.Bind(Qt::Key_S, [this] { onShootClicked(); });
  keys_.Bind(Qt::Key_N, [this] { onNewGenePoolClicked(); });
  keys_.Bind(Qt::Key_G, [this] { emit populationViewRequested(); });
  keys_.Bind(Qt::Key_T, [this] { emit familyTreeRequested(); });
  keys_.Bind(Qt::Key_L, [this] { emit notebookRequested(); });
  keys_.Bind(Qt::Key_I, [this] { onIdeaClicked(); });
  keys_.Bind(Qt::Key_E, [this] { onExperimentsClicked(); });
  keys_.Bind(Qt::Key_A, [this] { onAdvancedClicked(); });
  keys_.Bind(Qt::Key_X, [this] { onExcelClicked(); });
  keys_.Bind(QKeyCombination(Qt::ControlModifier, Qt::Key_O), [this] { onOpenClicked(); });
  keys_.Bind(QKeyCombination(Qt::ControlModifier, Qt::Key_S), [this] { onSaveClicked(); });
  // In a parameter box these undo its typing first.
  constexpr auto kUndoFirst = ProgramKeys::InTypedText::kUndoFirst;
  constexpr auto kRedoFirst = ProgramKeys::InTypedText::kRedoFirst;
  keys_.Bind(
      QKeyCombination(Qt::ControlModifier, Qt::Key_Z), [this] { onUndoClicked(); }, kUndoFirst);
  keys_.Bind(
      QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z),
      [this] { onRedoClicked(); }, kRedoFirst);
  keys_.Bind(
      QKeyCombination(Qt::ControlModifier, Qt::Key_Y), [this] { onRedoClicked(); }, kRedoFirst);
  keys_.Bind(QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_R),
             [this] { onRestoreLastRunClicked(); });
  // The picture, not a cell, also when the table has the focus.
  keys_.Bind(QKeyCombination(Qt::ControlModifier, Qt::Key_C), [this] { onCopyPictureClicked(); });
  BindLearnerKeys();
}

void MainWindow::UpdateHistoryButtons() {
  if (undo_button_ == nullptr) return;
  undo_button_->setEnabled(workspace_.history().CanUndo());
  redo_button_->setEnabled(workspace_.history().CanRedo());
}

void MainWindow::PaintOrganism(const std::string& dna) {
  const std::string& survival = population().SelectedSurvival();
  health_label_->setText(
      QString::fromLatin1(survival.data(), static_cast<qsizetype>(survival.size())));
  organism_view_->ShowDna(dna);
  emit organismChanged();
}

// Until the boxes are built, the engine's parameters are what they would show.
Parameters MainWindow::CurrentParameters() const {
  if (start_organisms_box_ == nullptr) return workspace_.engine().parameters();
  // A value typed and not yet left is read as typed, forced into the limits.
  return Capped(
      {start_organisms_box_->Value(), creativity_box_->Value(), survival_bonus_box_->Value()});
}

// A step takes the boxes' values as typed; the boxes then show them as taken, and what was
// typed is no longer the box's to undo (Ctrl+Z undoes the step).
void MainWindow::CommitParameters() {
  engine().SetParameters(CurrentParameters());
  if (start_organisms_box_ != nullptr) SetParameters(engine().parameters());
}

void MainWindow::SetParameters(const Parameters& parameters) {
  CompleteControls();
  start_organisms_box_->SetValue(parameters.start_organisms);
  creativity_box_->SetValue(parameters.creativity);
  survival_bonus_box_->SetValue(parameters.bonus);
  FollowLesson();
}

// A lesson's title in the window's title (plain text there), and its locked parameters as
// boxes that show their values and take no typing.
void MainWindow::FollowLesson() {
  const std::optional<OpenLessonState>& lesson = engine().lesson();
  const QString program = QStringLiteral("Vantrel 2.0");
  setWindowTitle(lesson && !lesson->title.empty()
                     ? QString::fromStdString(lesson->title) + QStringLiteral(" \u2014 ") + program
                     : program);
  if (start_organisms_box_ == nullptr) return;
  const bool locked = engine().parameters_locked();
  for (SpinEdit* box : {start_organisms_box_, creativity_box_, survival_bonus_box_}) {
    box->setReadOnly(locked);
  }
}

void MainWindow::onNewGenePoolClicked() {
  CommitParameters();
  engine().NewGenePool();
}

void MainWindow::onAdvancedClicked() {
  CompleteControls();
  wide_ = !wide_;
  ApplyWidth(wide_);
  advanced_button_->setText(wide_ ? QStringLiteral("<<") : QStringLiteral(">>"));
}

void MainWindow::ShowSelectedOrganism() { PaintOrganism(population().SelectedDna()); }

void MainWindow::UpdateOrganismButtons() {
  feed_button_->setEnabled(grid().HasBodyRows());
  shoot_button_->setEnabled(grid().HasBodyRows());
}

void MainWindow::EngineChanged(const EngineChange& change) {
  if (change.parameters) SetParameters(engine().parameters());
  if (change.table || change.selection) {
    if (table_view_ != nullptr) table_view_->ShowGridSelection();
    UpdateOrganismButtons();
    if (grid().HasBodyRows()) ShowSelectedOrganism();
  }
  if (change.table || change.selection || change.learner) UpdateChance();
  FollowLesson();
  ReportJournal();
  emit populationStepped();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  workspace_.CloseJournal();
  keys_.Stop();
  QWidget::closeEvent(event);
  emit closed();
}

void MainWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && grid().HasBodyRows()) {
    ShowSelectedOrganism();
  }
  QWidget::changeEvent(event);
}

}  // namespace vantrel

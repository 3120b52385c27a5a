#include "desktop/notebook/notebook_window.h"

#include <QAction>
#include <QFontMetrics>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "desktop/files/pupil_setting.h"
#include "desktop/notebook/auto_run_panel.h"
#include "desktop/notebook/class_results_window.h"
#include "desktop/notebook/run_comparison_view.h"
#include "desktop/notebook/run_curve_view.h"
#include "desktop/notebook/selected_for_panel.h"
#include "desktop/notebook/shown_numbers.h"
#include "desktop/notebook/wrapped_label.h"
#include "lab/idea_wording.h"
#include "lab/lesson.h"
#include "lab/notebook_view.h"
#include "lab/organism_wording.h"
#include "lab/run_csv.h"
#include "storage/atomic_file.h"
#include "storage/spreadsheet.h"

namespace vantrel {

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

QLabel* MakeCaption(const QString& text, QWidget* parent) {
  auto* caption = new QLabel(text, parent);
  QFont font = caption->font();
  font.setPointSizeF(font.pointSizeF() * 0.85);
  font.setCapitalization(QFont::AllUppercase);
  font.setLetterSpacing(QFont::PercentageSpacing, 108);
  caption->setFont(font);
  caption->setForegroundRole(QPalette::PlaceholderText);
  // A capital's accent ("Ü") can reach above the font's ascent, where the label would cut
  // it off: room above the line for the highest mark of the text as shown.
  const QFontMetrics metrics(font);
  const int above = -metrics.tightBoundingRect(text.toUpper()).top() - metrics.ascent();
  if (above > 0) caption->setContentsMargins(0, above + 1, 0, 0);
  return caption;
}

// A number with its caption below, in a box of fixed width so that a changing number
// never moves its neighbours.
QWidget* MakeCounter(const QString& caption, const QString& object_name, QLabel*& value,
                     QWidget* parent) {
  auto* box = new QFrame(parent);
  box->setObjectName(QStringLiteral("frmCounter"));
  value = new QLabel(QStringLiteral("0"), box);
  value->setObjectName(object_name);
  QFont font = value->font();
  font.setPointSizeF(font.pointSizeF() * 1.7);
  font.setBold(true);
  value->setFont(font);
  value->setAccessibleName(caption);
  auto* column = new QVBoxLayout(box);
  column->setContentsMargins(12, 6, 12, 6);
  column->setSpacing(0);
  column->addWidget(value);
  column->addWidget(MakeCaption(caption, box));
  box->setMinimumWidth(96);
  box->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  return box;
}

QString VerdictsHtml(const std::vector<WordCheck>& checks) {
  QStringList parts;
  for (const WordCheck& check : checks) {
    const QString word = QString::fromStdString(check.word).toHtmlEscaped();
    parts.append(check.met ? QStringLiteral("<span style=\"color:#1b7f3b\">✓ %1</span>").arg(word)
                           : QStringLiteral("<span style=\"color:#c0392b\">✗ %1</span>").arg(word));
  }
  return parts.join(QStringLiteral("&nbsp;&nbsp;&nbsp;"));
}

}  // namespace

NotebookWindow::NotebookWindow(LabNotebook& notebook, NotebookActions& actions,
                               const NotebookServices& services, QWidget* parent)
    : QWidget(parent, Qt::Window),
      notebook_(notebook),
      actions_(actions),
      services_(services),
      goal_(new WrappedLabel(this)),
      goal_note_(new QLabel(this)),
      run_title_(new QLabel(this)),
      description_(new WrappedLabel(this)),
      verdicts_(new QLabel(this)),
      selected_for_(new SelectedForPanel(notebook, actions, this)),
      pupil_(new QLineEdit(this)),
      reached_button_(new QPushButton(tr("Reached"), this)),
      export_button_(new QPushButton(tr("Export runs…"), this)),
      spreadsheet_button_(new QPushButton(tr("To spreadsheet"), this)),
      auto_button_(new QPushButton(tr("Run automatically…"), this)),
      class_button_(new QPushButton(tr("Class results…"), this)),
      tabs_(new QTabWidget(this)),
      curves_(new RunCurveView(this)),
      comparison_(new RunComparisonView(this)),
      auto_run_(new AutoRunPanel(notebook, actions, this)) {
  setObjectName(QStringLiteral("frmNotebook"));
  setWindowTitle(tr("Lab notebook"));
  resize(960, 780);
  setStyleSheet(QStringLiteral(
      "QFrame#frmGoalCard { background: palette(base); border: 1px solid palette(mid);"
      " border-radius: 6px; }"
      "QFrame#frmCounter { background: palette(base); border: 1px solid palette(midlight);"
      " border-radius: 6px; }"
      "QLabel#lblGoalNote { background: #fff4d6; color: #6b4e00; border: 1px solid #f0d48a;"
      " border-radius: 4px; padding: 4px 8px; }"
      "QPushButton#btnReached { font-weight: bold; padding: 4px 18px; }"));

  tabs_->setObjectName(QStringLiteral("tabNotebook"));
  tabs_->setDocumentMode(true);
  tabs_->addTab(curves_, tr("This run"));
  tabs_->addTab(comparison_, tr("Compare runs"));
  // The automatic runs' form is the tallest page: it scrolls rather than make the window
  // taller than a laptop's screen.
  auto* auto_run_page = new QScrollArea(this);
  auto_run_page->setObjectName(QStringLiteral("scrRunAutomatically"));
  auto_run_page->setFrameShape(QFrame::NoFrame);
  auto_run_page->setWidgetResizable(true);
  // Tab goes through the page's controls; the scroll area itself would be a stop that
  // shows nothing.
  auto_run_page->setFocusPolicy(Qt::NoFocus);
  auto_run_page->setWidget(auto_run_);
  tabs_->addTab(auto_run_page, tr("Run automatically"));

  // On a screen smaller than the notebook the whole of it scrolls, so that the window can
  // fit the screen.
  auto* page = new QWidget(this);
  auto* column = new QVBoxLayout(page);
  column->setContentsMargins(12, 12, 12, 8);
  column->setSpacing(10);
  column->addWidget(MakeHeader());
  column->addWidget(MakeButtons());
  column->addWidget(tabs_, 1);
  page_ = new QScrollArea(this);
  page_->setObjectName(QStringLiteral("scrNotebook"));
  page_->setFrameShape(QFrame::NoFrame);
  page_->setWidgetResizable(true);
  page_->setFocusPolicy(Qt::NoFocus);
  page_->setWidget(page);
  auto* whole = new QVBoxLayout(this);
  whole->setContentsMargins(0, 0, 0, 0);
  whole->addWidget(page_);

  // A window action like the program's keys, which the program adds to this window too.
  auto* export_key = new QAction(this);
  export_key->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
  addAction(export_key);
  connect(export_key, &QAction::triggered, this, &NotebookWindow::onExportRunsClicked);
  connect(tabs_, &QTabWidget::currentChanged, this, &NotebookWindow::SchedulePlots);
  connect(auto_run_, &AutoRunPanel::runsAdded, this, &NotebookWindow::automaticRunsAdded);

  // The name remembered from the last time, for this run and every run after it.
  pupil_->setText(RememberedPupil());
  if (!pupil_->text().isEmpty()) TakePupil();
  connect(pupil_, &QLineEdit::editingFinished, this, &NotebookWindow::TakePupil);
}

void NotebookWindow::TakePupil() {
  const std::string name = CleanPupilName(pupil_->text().toStdString());
  pupil_->setText(QString::fromStdString(name));
  RememberPupil(pupil_->text());
  if (name != notebook_.pupil()) actions_.SetPupil(name);
}

// The name field says its editing finished when it loses the focus as the window goes,
// after this window's own part is gone.
NotebookWindow::~NotebookWindow() { disconnect(pupil_, nullptr, this, nullptr); }

QSize NotebookWindow::minimumSizeHint() const { return page_->widget()->minimumSizeHint(); }

QWidget* NotebookWindow::MakeHeader() {
  auto* card = new QFrame(this);
  card->setObjectName(QStringLiteral("frmGoalCard"));

  goal_->setObjectName(QStringLiteral("lblGoal"));
  goal_->setWordWrap(true);
  goal_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  QFont goal_font = goal_->font();
  goal_font.setPointSizeF(goal_font.pointSizeF() * 1.45);
  goal_font.setBold(true);
  goal_->setFont(goal_font);
  goal_note_->setObjectName(QStringLiteral("lblGoalNote"));
  goal_note_->setWordWrap(true);
  goal_note_->hide();
  run_title_->setObjectName(QStringLiteral("lblRun"));
  run_title_->setForegroundRole(QPalette::PlaceholderText);
  description_->setObjectName(QStringLiteral("lblDescription"));
  description_->setWordWrap(true);
  verdicts_->setObjectName(QStringLiteral("lblVerdicts"));
  verdicts_->setTextFormat(Qt::RichText);
  QFont verdict_font = verdicts_->font();
  verdict_font.setPointSizeF(verdict_font.pointSizeF() * 1.15);
  verdicts_->setFont(verdict_font);

  auto* counters = new QHBoxLayout;
  counters->setSpacing(8);
  counters->addWidget(MakeCounter(tr("Feeds"), QStringLiteral("lblFeeds"), feeds_, card));
  counters->addWidget(MakeCounter(tr("Shots"), QStringLiteral("lblShots"), shots_, card));
  counters->addWidget(MakeCounter(tr("Clicks"), QStringLiteral("lblClicks"), clicks_, card));
  counters->addWidget(
      MakeCounter(tr("First match"), QStringLiteral("lblFirstMatch"), first_match_, card));
  counters->addWidget(MakeCounter(tr("Stable"), QStringLiteral("lblStable"), stable_, card));
  counters->addStretch();

  auto* on_screen = new QVBoxLayout;
  on_screen->setSpacing(2);
  on_screen->addWidget(MakeCaption(tr("On screen"), card));
  on_screen->addWidget(description_);
  on_screen->addWidget(verdicts_);

  auto* column = new QVBoxLayout(card);
  column->setContentsMargins(14, 10, 14, 12);
  column->setSpacing(6);
  auto* title_row = new QHBoxLayout;
  title_row->addWidget(MakeCaption(tr("Goal"), card));
  title_row->addStretch();
  title_row->addWidget(run_title_);
  column->addLayout(title_row);
  column->addWidget(goal_);
  column->addWidget(goal_note_);
  column->addSpacing(4);
  column->addLayout(counters);
  column->addSpacing(4);
  // What the learner found sits beside the organism on screen, under the counters.
  auto* lower = new QHBoxLayout;
  lower->setSpacing(12);
  lower->addLayout(on_screen, 3);
  on_screen->addStretch();
  selected_for_->setMinimumWidth(QFontMetrics(font()).horizontalAdvance(QLatin1Char('M')) * 18);
  lower->addWidget(selected_for_, 2);
  column->addLayout(lower);
  return card;
}

QWidget* NotebookWindow::MakeButtons() {
  auto* bar = new QWidget(this);
  reached_button_->setObjectName(QStringLiteral("btnReached"));
  export_button_->setObjectName(QStringLiteral("btnExportRuns"));
  export_button_->setToolTip(tr("Write every run to a CSV file (Ctrl+E)"));
  spreadsheet_button_->setObjectName(QStringLiteral("btnRunsToSpreadsheet"));
  spreadsheet_button_->setToolTip(
      tr("Open the run table in the spreadsheet, as a workbook of its own"));
  auto_button_->setObjectName(QStringLiteral("btnRunAutomatically"));
  auto_button_->setToolTip(tr("Let the program play the goal many times over"));
  class_button_->setObjectName(QStringLiteral("btnClassResults"));
  class_button_->setToolTip(tr("Pool the runs files of a whole class"));
  for (QPushButton* button :
       {reached_button_, export_button_, spreadsheet_button_, auto_button_, class_button_}) {
    // Keys belong to the program (F, S, R, ...); a focused button would take Space.
    button->setFocusPolicy(Qt::TabFocus);
    button->setAutoDefault(false);
  }
  auto* row = new QHBoxLayout(bar);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(reached_button_);
  row->addSpacing(12);
  row->addWidget(export_button_);
  row->addWidget(spreadsheet_button_);
  row->addStretch();
  row->addWidget(auto_button_);
  row->addWidget(class_button_);
  row->addSpacing(12);
  // Optional: whose runs these are, in the runs file and its name.
  auto* pupil_label = new QLabel(tr("Name"), bar);
  pupil_label->setBuddy(pupil_);
  pupil_->setObjectName(QStringLiteral("edtPupil"));
  pupil_->setAccessibleName(tr("Name"));
  pupil_->setMaxLength(static_cast<int>(kMaxPupilNameBytes));
  pupil_->setMinimumWidth(QFontMetrics(pupil_->font()).horizontalAdvance(QLatin1Char('M')) * 12);
  row->addWidget(pupil_label);
  row->addWidget(pupil_);

  connect(reached_button_, &QPushButton::clicked, this, &NotebookWindow::onReachedClicked);
  connect(export_button_, &QPushButton::clicked, this, &NotebookWindow::onExportRunsClicked);
  connect(spreadsheet_button_, &QPushButton::clicked, this,
          &NotebookWindow::onToSpreadsheetClicked);
  connect(auto_button_, &QPushButton::clicked, this, &NotebookWindow::onRunAutomaticallyClicked);
  connect(class_button_, &QPushButton::clicked, this, &NotebookWindow::onClassResultsClicked);
  return bar;
}

void NotebookWindow::SetConditionDefaults(const Parameters& parameters) {
  auto_run_->SetConditionDefaults(parameters);
}

void NotebookWindow::Refresh() {
  ++refreshes_;
  curves_->Note(notebook_);
  texts_stale_ = true;
  if (!isVisible()) return;
  UpdateTexts();
  SchedulePlots();
}

void NotebookWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // The window keeps the focus itself at first, so that the program's letter keys do not
  // type into the name field; Tab reaches the field.
  if (focusWidget() == nullptr) setFocus(Qt::OtherFocusReason);
  if (texts_stale_) UpdateTexts();
  SchedulePlots();
}

void NotebookWindow::UpdateTexts() {
  texts_stale_ = false;
  const NotebookView view = ReadNotebook(notebook_);
  run_title_->setText(Text(view.run_title));
  goal_->setText(Text(view.goal_text));
  goal_note_->setText(Text(view.goal_note_text));
  goal_note_->setVisible(view.goal_note != GoalNote::kNone);
  const std::array<QLabel*, 5> counters{feeds_, shots_, clicks_, first_match_, stable_};
  for (std::size_t i = 0; i < counters.size(); ++i) counters[i]->setText(Text(view.counters[i]));
  // Without a goal there is nothing to reach; the tooltip says so.
  reached_button_->setEnabled(view.can_declare_reached);
  reached_button_->setToolTip(!view.goal.empty()
                                  ? tr("Say the goal is reached at this click (R)")
                                  : tr("No goal to reach: press the light bulb for an idea first"));
  description_->setText(Text(view.description));
  verdicts_->setText(view.checks.empty() ? Text(view.checks_note) : VerdictsHtml(view.checks));
  selected_for_->Refresh();
  auto_run_->Refresh();
}

void NotebookWindow::SchedulePlots() {
  if (plots_scheduled_ || !isVisible()) return;
  plots_scheduled_ = true;
  // At most one drawing of the plots per interval, however fast the clicks come: the
  // table and the organism keep up with every click, the curves follow a moment later.
  constexpr qint64 kPlotIntervalMs = 40;
  const qint64 since = since_plots_.isValid() ? since_plots_.elapsed() : kPlotIntervalMs;
  QTimer::singleShot(static_cast<int>(std::max<qint64>(0, kPlotIntervalMs - since)), this,
                     &NotebookWindow::UpdatePlots);
}

void NotebookWindow::UpdatePlots() {
  plots_scheduled_ = false;
  since_plots_.start();
  if (!isVisible()) return;
  ++plot_updates_;
  // Only the tab on screen is drawn; the others catch up when they are chosen.
  if (tabs_->currentWidget() == curves_) curves_->Update(notebook_);
  if (tabs_->currentWidget() == comparison_) comparison_->Update(notebook_);
}

void NotebookWindow::onReachedClicked() {
  // Reached goes out of use once the run is reached: the focus it had goes on to Export,
  // the next thing to do with a finished run, and not down the page, which would scroll
  // it. It moves first, as the change's refresh may turn the button off at once.
  if (reached_button_->hasFocus()) {
    window()->setAttribute(Qt::WA_KeyboardFocusChange);
    export_button_->setFocus(Qt::OtherFocusReason);
  }
  if (actions_.DeclareReached()) emit reachedDeclared();
}

void NotebookWindow::onExportRunsClicked() {
  const std::optional<std::string> path =
      services_.runs_dialog.AskFileName(ExportRunsQuestion(notebook_.pupil()));
  if (!path) return;
  const std::string error = WriteFileAtomically(*path, RunsCsv(notebook_.runs().runs()));
  if (!error.empty()) services_.messages.ShowError(ErrorReportText(error));
}

void NotebookWindow::onToSpreadsheetClicked() {
  const std::optional<std::string> failure = ShowOrSaveWorkbook(
      {{RunsSheet(notebook_.runs().runs())}}, services_.excel, services_.busy_cursor,
      [this](const std::string& reason) -> std::optional<std::string> {
        if (!services_.messages.AskYesNo(SaveWorkbookOfferCaption(),
                                         SaveWorkbookOfferText(reason))) {
          return std::nullopt;
        }
        return services_.runs_dialog.AskFileName(SaveWorkbookQuestion("runs.xlsx"));
      });
  if (failure) services_.messages.ShowError(ErrorReportText(*failure));
}

void NotebookWindow::onRunAutomaticallyClicked() {
  tabs_->setCurrentIndex(tabs_->count() - 1);
  if (!isVisible()) show();
  raise();
  activateWindow();
}

void NotebookWindow::onClassResultsClicked() {
  if (class_results_ == nullptr) {
    class_results_ = new ClassResultsWindow(services_.messages, services_.runs_dialog,
                                            services_.excel, services_.busy_cursor, this);
  }
  class_results_->show();
  class_results_->raise();
  class_results_->activateWindow();
}

}  // namespace vantrel

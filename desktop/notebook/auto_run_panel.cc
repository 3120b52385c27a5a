#include "desktop/notebook/auto_run_panel.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "desktop/notebook/batch_runner.h"
#include "desktop/notebook/shown_numbers.h"
#include "desktop/notebook/stable_distribution_view.h"
#include "desktop/ui/focus_mark.h"
#include "lab/batch_threads.h"
#include "lab/goal_list.h"
#include "lab/lab_options.h"
#include "lab/organism_wording.h"
#include "population/parameters.h"

namespace vantrel {

namespace {

constexpr int kStatusLines = 4;

QString AspectTitle(Aspect aspect) {
  switch (aspect) {
    case Aspect::kColour:
      return AutoRunPanel::tr("Colour");
    case Aspect::kIntensity:
      return AutoRunPanel::tr("Intensity");
    case Aspect::kShape:
      return AutoRunPanel::tr("Shape");
    case Aspect::kSize:
      return AutoRunPanel::tr("Size");
    case Aspect::kThickness:
      return AutoRunPanel::tr("Thickness");
    case Aspect::kLineStyle:
      return AutoRunPanel::tr("Line style");
    case Aspect::kSpokes:
      return AutoRunPanel::tr("Spokes");
  }
  return {};
}

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A goal word as the list shows it, in the program's language. The list's value is the
// word's index, so the goal written out keeps the English word whatever the list shows.
QString ListedWord(Aspect aspect, int word) { return Text(ShownWord(aspect, word)); }

// "1 condition", "2 conditions": English has no catalogue for its plural forms, so its one
// form is a text of its own.
QString ConditionCount(int count) {
  if (count == 1) return AutoRunPanel::tr("1 condition");
  return AutoRunPanel::tr("%1 conditions", nullptr, count).arg(ShownNumber(count));
}

}  // namespace

AutoRunPanel::AutoRunPanel(const LabNotebook& notebook, NotebookActions& actions, QWidget* parent)
    : QWidget(parent),
      notebook_(notebook),
      actions_(actions),
      runner_(new BatchRunner(this)),
      population_(new QSpinBox(this)),
      creativity_(new QSpinBox(this)),
      bonus_(new QSpinBox(this)),
      strictness_(new QDoubleSpinBox(this)),
      conditions_list_(new QListWidget(this)),
      runs_(new QSpinBox(this)),
      max_clicks_(new QSpinBox(this)),
      seed_(new QSpinBox(this)),
      run_button_(new QPushButton(tr("Run"), this)),
      cancel_button_(new QPushButton(tr("Cancel"), this)),
      progress_(new QProgressBar(this)),
      status_(new QLabel(this)),
      distribution_(new StableDistributionView(this)) {
  setObjectName(QStringLiteral("pnlAutoRun"));
  followed_goal_.fill(kNotJudged - 1);

  auto* choices = new QVBoxLayout;
  choices->setSpacing(8);
  choices->addWidget(MakeGoalBox());
  choices->addWidget(MakeConditionsBox());
  choices->addWidget(MakeRunsBox());

  run_button_->setObjectName(QStringLiteral("btnRun"));
  run_button_->setDefault(true);
  cancel_button_->setObjectName(QStringLiteral("btnCancel"));
  cancel_button_->setEnabled(false);
  progress_->setObjectName(QStringLiteral("prgRuns"));
  progress_->setRange(0, 1);
  progress_->setValue(0);
  progress_->setTextVisible(true);
  LocaliseWidget(*progress_);
  status_->setObjectName(QStringLiteral("lblAutoStatus"));
  status_->setWordWrap(true);
  // The status says one line or four: a height of its own keeps the controls above it in
  // place whatever it says.
  status_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  status_->setFixedHeight(fontMetrics().lineSpacing() * kStatusLines + 4);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(run_button_);
  buttons->addWidget(cancel_button_);
  buttons->addWidget(progress_, 1);
  choices->addLayout(buttons);
  choices->addWidget(status_);
  choices->addStretch();

  auto* left = new QWidget(this);
  left->setLayout(choices);
  // The choices keep to a narrow column beside the plot, but never narrower than their
  // labels need: longer words in another language widen it rather than be cut.
  left->setMaximumWidth(std::max(400, left->minimumSizeHint().width()));
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(8, 8, 8, 8);
  row->addWidget(left);
  row->addWidget(distribution_, 1);

  connect(run_button_, &QPushButton::clicked, this, &AutoRunPanel::onRunClicked);
  connect(cancel_button_, &QPushButton::clicked, this, &AutoRunPanel::onCancelClicked);
  connect(runner_, &BatchRunner::progressed, this, &AutoRunPanel::BatchProgressed);
  connect(runner_, &BatchRunner::finished, this, &AutoRunPanel::BatchFinished);

  // Scrolling the page over a number box scrolls the page: only a focused box takes the wheel.
  for (QAbstractSpinBox* box : std::initializer_list<QAbstractSpinBox*>{
           population_, creativity_, bonus_, strictness_, runs_, max_clicks_, seed_}) {
    LocaliseWidget(*box);
    TakeWheelOnlyWithFocus(*box);
  }
  // Tab follows the screen: the goal's lists row by row, the condition's boxes, the lists
  // of conditions and runs, then Run and Cancel.
  std::vector<QWidget*> order = choice_boxes_;
  order.push_back(run_button_);
  order.push_back(cancel_button_);
  // Then the texts beside the plot.
  for (const char* text : {"txtSummary", "txtComparison"}) {
    order.push_back(distribution_->findChild<QWidget*>(QString::fromLatin1(text)));
  }
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
  ShowConditions();
  Refresh();
}

AutoRunPanel::~AutoRunPanel() {
  // Stops a sweep under way while the controls its signals reach still exist.
  delete runner_;
}

QWidget* AutoRunPanel::MakeGoalBox() {
  auto* box = new QGroupBox(tr("Goal"), this);
  auto* grid = new QGridLayout(box);
  grid->setHorizontalSpacing(8);
  for (int i = 0; i < kAspectCount; ++i) {
    const Aspect aspect = kAspects[i];
    auto* words = new QComboBox(box);
    words->setObjectName(QStringLiteral("cbxGoal%1").arg(i));
    words->addItem(tr("any"), kNotJudged);
    for (int w = 0; w < WordCount(aspect); ++w) words->addItem(ListedWord(aspect, w), w);
    words->setAccessibleName(AspectTitle(aspect));
    // Only the user's own choice stops the box from following the idea.
    connect(words, &QComboBox::activated, this, [this] {
      goal_edited_ = true;
      ShowPlanSize();
    });
    word_boxes_[i] = words;
    choice_boxes_.push_back(words);
    auto* label = new QLabel(AspectTitle(aspect), box);
    label->setBuddy(words);
    grid->addWidget(label, i / 2, (i % 2) * 2);
    grid->addWidget(words, i / 2, (i % 2) * 2 + 1);
  }
  auto* use_idea = new QPushButton(tr("Current idea"), box);
  use_idea->setObjectName(QStringLiteral("btnUseIdea"));
  use_idea->setToolTip(tr("Take the judged words of the current idea"));
  connect(use_idea, &QPushButton::clicked, this, &AutoRunPanel::onUseIdeaClicked);
  choice_boxes_.push_back(use_idea);
  grid->addWidget(use_idea, kAspectCount / 2, 2, 1, 2);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(3, 1);
  return box;
}

QWidget* AutoRunPanel::MakeConditionsBox() {
  auto* box = new QGroupBox(tr("Conditions"), this);
  population_->setRange(kMinStartOrganisms, kMaxStartOrganisms);
  population_->setAccessibleName(tr("Population"));
  creativity_->setRange(0, 99);
  creativity_->setSuffix(QStringLiteral(" %"));
  creativity_->setAccessibleName(tr("Creativity"));
  bonus_->setRange(-1'000'000, 1'000'000);
  bonus_->setAccessibleName(tr("Bonus"));
  strictness_->setRange(0, 1);
  strictness_->setDecimals(2);
  strictness_->setSingleStep(0.05);
  strictness_->setValue(LabOptions{}.strictnesses.front());
  strictness_->setAccessibleName(tr("Strictness"));
  strictness_->setToolTip(
      tr("How often the judge goes by the goal: 0.9 shoots a hit or feeds a miss "
         "once in ten clicks"));
  conditions_list_->setObjectName(QStringLiteral("lstConditions"));
  conditions_list_->setMaximumHeight(84);

  auto* values = new QGridLayout;
  const std::pair<QString, QWidget*> fields[] = {{tr("Population"), population_},
                                                 {tr("Creativity"), creativity_},
                                                 {tr("Bonus"), bonus_},
                                                 {tr("Strictness"), strictness_}};
  // Two by two, each title above its box: room for longer words than English ones.
  int place = 0;
  for (const auto& [title, field] : fields) {
    auto* label = new QLabel(title, box);
    label->setBuddy(field);
    values->addWidget(label, place / 2 * 2, place % 2);
    values->addWidget(field, place / 2 * 2 + 1, place % 2);
    choice_boxes_.push_back(field);
    ++place;
  }
  auto* add = new QPushButton(tr("Add"), box);
  add->setObjectName(QStringLiteral("btnAddCondition"));
  add->setToolTip(tr("Add these values as a condition of their own"));
  auto* remove = new QPushButton(tr("Remove"), box);
  remove->setObjectName(QStringLiteral("btnRemoveCondition"));
  connect(add, &QPushButton::clicked, this, &AutoRunPanel::onAddConditionClicked);
  connect(remove, &QPushButton::clicked, this, &AutoRunPanel::onRemoveConditionClicked);
  choice_boxes_.push_back(add);
  choice_boxes_.push_back(remove);
  choice_boxes_.push_back(conditions_list_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(add);
  buttons->addWidget(remove);

  auto* column_layout = new QVBoxLayout(box);
  column_layout->addLayout(values);
  column_layout->addLayout(buttons);
  column_layout->addWidget(conditions_list_);
  return box;
}

QWidget* AutoRunPanel::MakeRunsBox() {
  auto* box = new QGroupBox(tr("Runs"), this);
  runs_->setRange(1, 100'000);
  runs_->setValue(kPanelRuns);
  max_clicks_->setRange(1, std::numeric_limits<int>::max());
  max_clicks_->setValue(LabOptions{}.max_clicks);
  max_clicks_->setGroupSeparatorShown(true);
  max_clicks_->setToolTip(tr("A run that is not stable by then counts as not reached"));
  seed_->setRange(0, std::numeric_limits<int>::max());
  seed_->setValue(static_cast<int>(LabOptions{}.seed));
  seed_->setToolTip(tr("The same seed and choices give the same runs"));
  auto* form = new QFormLayout(box);
  form->addRow(tr("Runs per condition"), runs_);
  form->addRow(tr("Most clicks per run"), max_clicks_);
  form->addRow(tr("Seed"), seed_);
  for (QWidget* field : {static_cast<QWidget*>(runs_), static_cast<QWidget*>(max_clicks_),
                         static_cast<QWidget*>(seed_)}) {
    choice_boxes_.push_back(field);
  }
  connect(runs_, &QSpinBox::valueChanged, this, [this] { ShowPlanSize(); });
  return box;
}

void AutoRunPanel::Refresh() {
  if (goal_edited_ || notebook_.goal().word == followed_goal_) return;
  followed_goal_ = notebook_.goal().word;
  ShowGoal(notebook_.goal());
}

void AutoRunPanel::ShowGoal(const Goal& goal) {
  for (int i = 0; i < kAspectCount; ++i) {
    QComboBox* words = word_boxes_[i];
    words->setCurrentIndex(std::max(0, words->findData(goal.word[i])));
  }
  ShowPlanSize();
}

void AutoRunPanel::onUseIdeaClicked() {
  goal_edited_ = false;
  followed_goal_.fill(kNotJudged - 1);
  Refresh();
}

void AutoRunPanel::SetConditionDefaults(const Parameters& parameters) {
  population_->setValue(parameters.start_organisms);
  creativity_->setValue(parameters.creativity);
  bonus_->setValue(parameters.bonus);
  if (conditions_edited_ || runner_->running()) return;
  condition_choices_ = {{parameters, strictness_->value()}};
  ShowConditions();
}

void AutoRunPanel::onAddConditionClicked() {
  conditions_edited_ = true;
  condition_choices_.push_back(
      {{population_->value(), creativity_->value(), bonus_->value()}, strictness_->value()});
  ShowConditions();
}

void AutoRunPanel::onRemoveConditionClicked() {
  const int row = conditions_list_->currentRow();
  if (row < 0 || row >= static_cast<int>(condition_choices_.size())) return;
  conditions_edited_ = true;
  condition_choices_.erase(condition_choices_.begin() + row);
  ShowConditions();
}

void AutoRunPanel::ShowConditions() {
  if (condition_choices_.empty() && !conditions_edited_) {
    condition_choices_.push_back({Parameters{}, 1.0});
  }
  conditions_list_->clear();
  for (const ConditionChoice& choice : condition_choices_) {
    conditions_list_->addItem(tr("pop %1 · creativity %2% · bonus %3 · strictness %4")
                                  .arg(ShownNumber(choice.parameters.start_organisms),
                                       ShownNumber(choice.parameters.creativity),
                                       ShownNumber(choice.parameters.bonus),
                                       ShownDecimal(choice.strictness)));
  }
  conditions_list_->setCurrentRow(static_cast<int>(condition_choices_.size()) - 1);
  ShowPlanSize();
}

AutoRunPanel::Choice AutoRunPanel::PlanOfChoices() const {
  Choice choice;
  Goal goal;
  for (int i = 0; i < kAspectCount; ++i) goal.word[i] = word_boxes_[i]->currentData().toInt();
  if (!goal.HasJudgedWords()) {
    choice.error =
        tr("Pick at least one word for the goal: the judge feeds what "
           "meets it and shoots the rest.");
    return choice;
  }
  if (!GoalIsReachable(goal)) {
    choice.error = tr("No organism the genes can make meets this goal.");
    return choice;
  }
  if (condition_choices_.empty()) {
    choice.error = tr("Add at least one condition.");
    return choice;
  }
  goal.text = FormatGoalList(goal);
  BatchPlan& plan = choice.plan;
  for (const ConditionChoice& c : condition_choices_) {
    plan.conditions.push_back({goal, c.parameters, c.strictness});
  }
  plan.runs_per_condition = runs_->value();
  plan.base_seed = static_cast<std::uint32_t>(seed_->value());
  plan.max_clicks = max_clicks_->value();
  return choice;
}

void AutoRunPanel::ShowPlanSize() {
  if (runner_->running()) return;
  // The bar counts the runs the choices will play, goal or not.
  const int total = static_cast<int>(condition_choices_.size()) * runs_->value();
  progress_->setFormat(total > 0 ? tr("%v of %m runs", nullptr, total) : tr("No runs"));
  progress_->setRange(0, std::max(1, total));
  progress_->setValue(0);
  const Choice choice = PlanOfChoices();
  if (!choice.error.isEmpty()) {
    status_->setText(choice.error);
    run_button_->setEnabled(false);
    return;
  }
  const int conditions = static_cast<int>(choice.plan.conditions.size());
  // The goal stays as the command line writes it (color=green): it is what vantrel-lab takes.
  const int per_condition = choice.plan.runs_per_condition;
  const int total_runs = choice.plan.TotalRuns();
  const int threads = DefaultJobs();
  status_->setText(tr("Goal %1: %2 × %3 = %4 on %5.")
                       .arg(QString::fromStdString(choice.plan.conditions.front().goal.text),
                            ConditionCount(conditions),
                            tr("%1 runs", nullptr, per_condition).arg(ShownNumber(per_condition)),
                            tr("%1 runs", nullptr, total_runs).arg(ShownNumber(total_runs)),
                            tr("%1 threads", nullptr, threads).arg(ShownNumber(threads))));
  run_button_->setEnabled(true);
}

void AutoRunPanel::SetRunning(bool running) {
  // The button that goes out of use hands the focus to its counterpart, which is enabled
  // first: a disabled button with the focus would pass it on down the page, and the page
  // would scroll to wherever that is.
  QPushButton* from = running ? run_button_ : cancel_button_;
  QPushButton* to = running ? cancel_button_ : run_button_;
  to->setEnabled(true);
  if (from->hasFocus()) {
    // Shown as a focus the keyboard moved, so that the user sees where it went.
    window()->setAttribute(Qt::WA_KeyboardFocusChange);
    to->setFocus(Qt::OtherFocusReason);
  }
  from->setEnabled(false);
  for (QWidget* box : choice_boxes_) box->setEnabled(!running);
}

void AutoRunPanel::onRunClicked() {
  if (runner_->running()) return;
  Choice choice = PlanOfChoices();
  if (!choice.error.isEmpty()) {
    status_->setText(choice.error);
    return;
  }
  const int total = choice.plan.TotalRuns();
  progress_->setRange(0, total);
  progress_->setValue(0);
  status_->setText(tr("Playing %1 runs…", nullptr, total).arg(ShownNumber(total)));
  SetRunning(true);
  clock_.start();
  if (!runner_->Start(std::move(choice.plan), DefaultJobs())) SetRunning(false);
}

void AutoRunPanel::onCancelClicked() {
  if (!runner_->running()) return;
  // Cancel stays enabled, and keeps the focus, until the runs have stopped; pressing it
  // again asks nothing more.
  runner_->Cancel();
  status_->setText(tr("Stopping…"));
}

void AutoRunPanel::BatchProgressed(int done, int total) {
  progress_->setRange(0, total);
  progress_->setValue(done);
}

void AutoRunPanel::BatchFinished(bool cancelled) {
  const std::vector<BatchRun>& results = runner_->results();
  std::vector<Run> runs;
  runs.reserve(results.size());
  for (const BatchRun& result : results) runs.push_back(result.run);
  const int first_number = static_cast<int>(notebook_.runs().runs().size()) + 1;
  const int count = static_cast<int>(runs.size());
  actions_.AddRuns(std::move(runs));
  distribution_->Show(runner_->plan(), results, runner_->comparison());
  progress_->setValue(count);
  SetRunning(false);

  const QString seconds = ShownDecimal(static_cast<double>(clock_.elapsed()) / 1000, 1);
  const int planned = runner_->plan().TotalRuns();
  QString text = cancelled
                     ? tr("Cancelled after %1 s: %2 of %3 runs finished.", nullptr, planned)
                           .arg(seconds, ShownNumber(count), ShownNumber(planned))
                     : tr("%1 runs in %2 s.", nullptr, count).arg(ShownNumber(count), seconds);
  if (count > 0) {
    text += tr(" They joined the run table as runs %1 to %2.")
                .arg(ShownNumber(first_number), ShownNumber(first_number + count - 1));
  }
  status_->setText(text);
  if (count > 0) emit runsAdded(count);
}

}  // namespace vantrel

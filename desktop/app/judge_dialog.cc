#include "desktop/app/judge_dialog.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <string>

#include "lab/learner.h"
#include "lab/learner_texts.h"

namespace vantrel {

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

QSpinBox* MakeBox(const char* name, int value, int max, QWidget* parent) {
  auto* box = new QSpinBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setRange(1, max);
  box->setValue(value);
  box->setGroupSeparatorShown(true);
  return box;
}

}  // namespace

JudgeDialog::JudgeDialog(EngineModel& model, QWidget* parent)
    : QDialog(parent),
      model_(model),
      clicks_(MakeBox("speJudgeClicks", kFirstJudgedClicks, kMostJudgedClicks, this)),
      pace_(MakeBox("speJudgePace", kFirstJudgingPace, kFastestJudgingPace, this)),
      progress_(new QLabel(this)),
      play_(new QPushButton(Text(JudgeLikeMeText()), this)),
      cancel_(new QPushButton(Text(CancelJudgingText()), this)) {
  setObjectName(QStringLiteral("frmJudgeLikeMe"));
  // A dialog of today's look, not the main window's form font and colours.
  setFont(QApplication::font(this));
  setPalette(QApplication::palette(this));
  setWindowTitle(Text(JudgeLikeMeText()));
  progress_->setObjectName(QStringLiteral("lblJudgeProgress"));
  progress_->setTextFormat(Qt::PlainText);
  play_->setObjectName(QStringLiteral("btnJudgePlay"));
  play_->setDefault(true);
  cancel_->setObjectName(QStringLiteral("btnJudgeCancel"));

  auto* form = new QFormLayout;
  form->addRow(Text(JudgedClicksText()), clicks_);
  form->addRow(Text(JudgingPaceText()), pace_);
  clicks_->setAccessibleName(Text(JudgedClicksText()));
  pace_->setAccessibleName(Text(JudgingPaceText()));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(play_);
  buttons->addWidget(cancel_);
  auto* column = new QVBoxLayout(this);
  column->addLayout(form);
  column->addWidget(progress_);
  column->addLayout(buttons);
  // As large as its words, in every language, also while the progress line grows.
  column->setSizeConstraint(QLayout::SetFixedSize);

  connect(play_, &QPushButton::clicked, this, &JudgeDialog::Play);
  connect(cancel_, &QPushButton::clicked, this, &JudgeDialog::reject);
  connect(&timer_, &QTimer::timeout, this, &JudgeDialog::Tick);
  // Another action (a feed, an undo, a new gene pool ...) stops the judging in the engine:
  // the dialog stops with it.
  connect(&model_, &EngineModel::changed, this, [this] {
    if (playing() && !model_.engine().judging()) Finish();
  });
  ShowProgress();
}

// Judging still open when the dialog goes is closed, so no step stays half open.
JudgeDialog::~JudgeDialog() {
  if (playing()) model_.engine().StopJudging();
}

QString JudgeDialog::progress_text() const { return progress_->text(); }

void JudgeDialog::Play() {
  if (playing() || !model_.engine().StartJudging()) return;
  total_ = clicks_->value();
  played_ = 0;
  clicks_->setEnabled(false);
  pace_->setEnabled(false);
  play_->setEnabled(false);
  cancel_->setFocus(Qt::OtherFocusReason);
  timer_.start(std::max(1, 1000 / pace_->value()));
  ShowProgress();
}

void JudgeDialog::Tick() {
  if (!model_.engine().judging()) {
    Finish();
    return;
  }
  const int made = model_.engine().JudgeMore(1);
  played_ += made;
  ShowProgress();
  if (made == 0 || played_ >= total_) {
    timer_.stop();
    model_.engine().StopJudging();
    Finish();
    hide();
  }
}

void JudgeDialog::reject() {
  if (playing()) {
    timer_.stop();
    model_.engine().StopJudging();
    Finish();
  }
  QDialog::reject();
}

void JudgeDialog::closeEvent(QCloseEvent* event) {
  if (playing()) {
    timer_.stop();
    model_.engine().StopJudging();
    Finish();
  }
  QDialog::closeEvent(event);
}

void JudgeDialog::Finish() {
  timer_.stop();
  clicks_->setEnabled(true);
  pace_->setEnabled(true);
  play_->setEnabled(true);
  emit finished_playing(played_);
}

void JudgeDialog::ShowProgress() {
  const QString text = total_ > 0 ? Text(JudgingProgressText(played_, total_)) : QString();
  if (text == progress_->text()) return;
  progress_->setText(text);
  progress_->setAccessibleName(text);
  QAccessibleEvent event(progress_, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&event);
}

}  // namespace vantrel

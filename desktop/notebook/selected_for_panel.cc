#include "desktop/notebook/selected_for_panel.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>
#include <string>
#include <vector>

#include "lab/learner.h"
#include "lab/learner_texts.h"

namespace vantrel {

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

QLabel* MakePlainLabel(const char* name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

// A label's words and its accessible name together; a screen reader is told when they
// change, and only then.
void Say(QLabel& label, const QString& text) {
  label.setVisible(!text.isEmpty());
  if (label.text() == text && label.accessibleName() == text) return;
  label.setText(text);
  label.setAccessibleName(text);
  QAccessibleEvent event(&label, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&event);
}

}  // namespace

SelectedForPanel::SelectedForPanel(const LabNotebook& notebook, NotebookActions& actions,
                                   QWidget* parent)
    : QGroupBox(Text(WhatYouSelectForHeading()), parent),
      notebook_(notebook),
      actions_(actions),
      traits_(MakePlainLabel("lblSelectedFor", this)),
      accuracy_(MakePlainLabel("lblPredicted", this)),
      clicks_(MakePlainLabel("lblJudgedClicks", this)),
      forget_(new QPushButton(Text(ResetLearnerText()), this)) {
  setObjectName(QStringLiteral("grbSelectedFor"));
  QFont traits_font = traits_->font();
  traits_font.setPointSizeF(traits_font.pointSizeF() * 1.1);
  traits_->setFont(traits_font);
  accuracy_->setForegroundRole(QPalette::PlaceholderText);
  clicks_->setForegroundRole(QPalette::PlaceholderText);
  forget_->setObjectName(QStringLiteral("btnForgetLearned"));
  // Keys belong to the program (F, S, R, ...); a focused button would take Space.
  forget_->setFocusPolicy(Qt::TabFocus);
  forget_->setAutoDefault(false);
  auto* column = new QVBoxLayout(this);
  column->setSpacing(4);
  column->addWidget(traits_);
  column->addWidget(accuracy_);
  column->addWidget(clicks_);
  column->addStretch();
  column->addWidget(forget_, 0, Qt::AlignLeft);
  connect(forget_, &QPushButton::clicked, this, [this] { actions_.ResetLearner(); });
  Refresh();
}

void SelectedForPanel::Refresh() {
  const Learner& learner = actions_.learner();
  // The traits it weighs most, one a line, or what it needs before it can say any.
  QStringList lines;
  for (const LearnedTrait& trait : learner.Strongest()) lines.append(Text(trait.text));
  if (lines.isEmpty()) lines.append(Text(NothingLearnedText()));
  Say(*traits_, lines.join(QLatin1Char('\n')));
  Say(*accuracy_, Text(learner.AccuracyText()));
  const Run* run = notebook_.current_run();
  Say(*clicks_, Text(RunClicksText(run != nullptr ? run->clicks() : 0, actions_.learner_clicks())));
  forget_->setEnabled(learner.clicks() > 0);
}

QString SelectedForPanel::traits_text() const { return traits_->text(); }
QString SelectedForPanel::accuracy_text() const { return accuracy_->text(); }
QString SelectedForPanel::clicks_text() const { return clicks_->text(); }

}  // namespace vantrel

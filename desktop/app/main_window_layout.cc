// The main window in languages other than English: the same controls, in layouts that give
// every text the room it needs (German words run long), where English keeps the form's
// fixed geometry.
#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QToolButton>
#include <algorithm>

#include "desktop/app/link_label.h"
#include "desktop/app/main_window.h"
#include "desktop/app/organism_table_view.h"
#include "desktop/app/organism_view.h"
#include "desktop/app/spin_edit.h"
#include "desktop/ui/form_look.h"

namespace vantrel {

namespace {

// The form's gaps between neighbouring buttons and rows.
constexpr int kGap = 7;

// A button keeps the form's height; a picture button its width too, a text button grows
// with its text.
void KeepButtonSize(QToolButton& button) {
  if (button.text().isEmpty()) {
    button.setFixedSize(button.size());
  } else {
    button.setFixedHeight(button.height());
    button.setMinimumWidth(button.width());
  }
}

QLabel* LabelOf(QWidget& parent, const char* name) {
  return parent.findChild<QLabel*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

}  // namespace

void MainWindow::LayOutCompactControls(QLabel& health_title) {
  for (QToolButton* button : {new_gene_pool_button_, idea_button_, experiments_button_,
                              feed_button_, shoot_button_, advanced_button_}) {
    KeepButtonSize(*button);
  }
  health_label_->setMinimumWidth(health_label_->width());
  auto* health = new QVBoxLayout;
  health->setSpacing(3);
  health->addWidget(&health_title, 0, Qt::AlignHCenter);
  health->addWidget(health_label_);
  health->addStretch();

  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(kGap);
  buttons->addWidget(new_gene_pool_button_);
  buttons->addWidget(idea_button_);
  buttons->addWidget(experiments_button_);
  buttons->addSpacing(kGap);
  buttons->addLayout(health, 1);
  buttons->addSpacing(kGap);
  buttons->addWidget(feed_button_);
  buttons->addWidget(shoot_button_);
  buttons->addWidget(advanced_button_);

  auto* drawing = new QVBoxLayout;
  drawing->setSpacing(kGap);
  drawing->addWidget(organism_view_, 0, Qt::AlignHCenter | Qt::AlignTop);
  drawing->addStretch();
  drawing->addLayout(buttons);

  columns_ = new QHBoxLayout(this);
  columns_->setContentsMargins(8, 12, 6, 6);
  columns_->setSpacing(10);
  columns_->addLayout(drawing);
}

void MainWindow::LayOutAdvancedControls() {
  advanced_panel_ = new QWidget(this);
  advanced_panel_->setObjectName(QStringLiteral("advancedPanel"));
  // The form's size, or more where the titles need it.
  table_view_->setMinimumSize(table_view_->size().expandedTo(table_view_->minimumSize()));

  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(kGap);
  for (QToolButton* button : {open_button_, save_button_, population_button_, notebook_button_,
                              undo_button_, redo_button_}) {
    KeepButtonSize(*button);
    buttons->addWidget(button);
  }
  buttons->addStretch();
  KeepButtonSize(*excel_button_);
  buttons->addWidget(excel_button_);

  // The parameters as on the form: start with [ ] organisms, creativity [ ] %; bonus [ ].
  for (SpinEdit* box : {start_organisms_box_, creativity_box_, survival_bonus_box_}) {
    box->setFixedSize(box->size());
  }
  auto* parameters = new QGridLayout(parameters_box_);
  parameters->setContentsMargins(8, 4, 8, 6);
  parameters->setHorizontalSpacing(kGap);
  parameters->addWidget(LabelOf(*parameters_box_, "Label1"), 0, 0);
  parameters->addWidget(start_organisms_box_, 0, 1);
  parameters->addWidget(LabelOf(*parameters_box_, "Label2"), 0, 2);
  parameters->addWidget(LabelOf(*parameters_box_, "Label3"), 0, 4);
  parameters->addWidget(creativity_box_, 0, 5);
  parameters->addWidget(LabelOf(*parameters_box_, "Label10"), 0, 6);
  parameters->addWidget(LabelOf(*parameters_box_, "Label4"), 1, 0);
  parameters->addWidget(survival_bonus_box_, 1, 1);
  parameters->setColumnStretch(3, 1);
  parameters_box_->setMinimumSize(parameters_box_->size());

  auto* links = new QHBoxLayout;
  links->setSpacing(4);
  links->addWidget(LabelOf(*this, "Label6"));
  links->addWidget(maker_link_);
  links->addWidget(LabelOf(*this, "Label8"));
  links->addStretch();
  links->addWidget(home_page_link_);

  auto* panel = new QVBoxLayout(advanced_panel_);
  panel->setContentsMargins(0, 4, 3, 0);
  panel->setSpacing(kGap);
  panel->addWidget(table_view_, 1);
  panel->addLayout(buttons);
  panel->addWidget(parameters_box_);
  panel->addLayout(links);
  columns_->addWidget(advanced_panel_, 1);
}

void MainWindow::ApplyWidth(bool wide) {
  const int form_width = wide ? kAdvancedWidth : kCompactWidth;
  // The advanced controls beyond the compact width are hidden there, so that Tab never
  // stops at one out of sight. (In other languages they sit in one panel.)
  for (QWidget* control : advanced_controls_) control->setVisible(wide);
  if (columns_ == nullptr) {
    setFixedSize(form_width, kHeight);
    return;
  }
  // A hidden panel takes no room in the columns' size.
  columns_->invalidate();
  const QSize needed = columns_->sizeHint();
  setFixedSize(std::max(form_width, needed.width()), std::max(kHeight, needed.height()));
}

}  // namespace vantrel

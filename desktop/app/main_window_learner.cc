#include <QAction>
#include <QString>
#include <optional>

#include "desktop/app/judge_dialog.h"
#include "desktop/app/main_window.h"
#include "desktop/app/organism_view.h"
#include "lab/learner.h"
#include "lab/learner_texts.h"

namespace vantrel {

void MainWindow::BindLearnerKeys() {
  chance_action_ = keys_.Bind(Qt::Key_K, [this] { ShowChances(chance_action_->isChecked()); });
  chance_action_->setCheckable(true);
  chance_action_->setText(QString::fromStdString(ShowChancesText()));
  judge_action_ = keys_.Bind(Qt::Key_J, [this] { onJudgeLikeMeClicked(); });
  judge_action_->setText(QString::fromStdString(JudgeLikeMeText()) + QStringLiteral("…"));
}

bool MainWindow::shows_chances() const { return chance_action_->isChecked(); }

// The key and the menus toggle the action before this runs; a call from elsewhere sets it.
void MainWindow::ShowChances(bool shown) {
  chance_action_->setChecked(shown);
  UpdateChance();
  emit chancesToggled(shown);
}

void MainWindow::UpdateChance() {
  organism_view_->ShowChance(shows_chances() && grid().HasBodyRows()
                                 ? engine().ChanceKept(grid().SelectedRow())
                                 : std::nullopt);
}

void MainWindow::onJudgeLikeMeClicked() {
  if (judge_dialog_ == nullptr) {
    judge_dialog_ = new JudgeDialog(workspace_.model(), this);
  }
  judge_dialog_->show();
  judge_dialog_->raise();
  judge_dialog_->activateWindow();
}

}  // namespace vantrel

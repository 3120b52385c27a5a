#include "app/main_window.h"
#include "history/history.h"
#include "lab/run.h"
#include "population/evolution.h"

namespace vantrel {

// The carrot: reward the shown organism, then show a random one. When the random row is the
// one just fed the selection does not move and announces nothing, so the new score is shown
// here.
void MainWindow::onFeedClicked() {
  if (!grid().HasBodyRows()) return;
  NoteParameterChanges();
  bool same_row = false;
  {
    const HistoryStep step(workspace_.history(), StepKind::kFeed, CurrentParameters());
    same_row = FeedOrganism(population(), SurvivalBonus());
  }
  if (same_row) PaintOrganism(population().SelectedDna());
  workspace_.notebook().AfterClick(Click::kFeed);
  AfterStep();
}

// The pistol: a child of two random parents takes the shown organism's row, is drawn, and a
// random organism comes up next (drawn even when it is the child's own row).
void MainWindow::onShootClicked() {
  if (!grid().HasBodyRows()) return;
  NoteParameterChanges();
  {
    History& history = workspace_.history();
    const HistoryStep step(history, StepKind::kShoot, CurrentParameters());
    history.RecordBirth(GenerateOrganism(population(), Creativity()));
    PaintOrganism(population().SelectedDna());
    population().SelectRandomRow();
  }
  PaintOrganism(population().SelectedDna());
  workspace_.notebook().AfterClick(Click::kShoot);
  AfterStep();
}

}  // namespace vantrel

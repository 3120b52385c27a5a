#include "app/main_window.h"
#include "population/evolution.h"

namespace vantrel {

// The carrot: reward the shown organism, then show a random one. When the random row is the
// one just fed the selection does not move and announces nothing, so the new score is shown
// here.
void MainWindow::onFeedClicked() {
  if (FeedOrganism(population_, SurvivalBonus())) PaintOrganism(population_.SelectedDna());
}

// The pistol: a child of two random parents takes the shown organism's row, is drawn, and a
// random organism comes up next (drawn even when it is the child's own row).
void MainWindow::onShootClicked() {
  if (!grid_.HasBodyRows()) return;
  GenerateOrganism(population_, Creativity());
  PaintOrganism(population_.SelectedDna());
  population_.SelectRandomRow();
  PaintOrganism(population_.SelectedDna());
}

}  // namespace vantrel

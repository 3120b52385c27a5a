#include "app/main_window.h"
#include "population/evolution.h"

namespace vantrel {

// The carrot: reward the shown organism, then show a random one. When the random row is the
// one just fed the selection does not move and announces nothing, so the new score is shown
// here.
void MainWindow::onFeedClicked() {
  if (FeedOrganism(population(), SurvivalBonus())) PaintOrganism(population().SelectedDna());
}

// The pistol: a child of two random parents takes the shown organism's row, is drawn, and a
// random organism comes up next (drawn even when it is the child's own row).
void MainWindow::onShootClicked() {
  if (!grid().HasBodyRows()) return;
  GenerateOrganism(population(), Creativity());
  PaintOrganism(population().SelectedDna());
  population().SelectRandomRow();
  PaintOrganism(population().SelectedDna());
}

}  // namespace vantrel

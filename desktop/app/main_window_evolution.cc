#include "desktop/app/main_window.h"

namespace vantrel {

// The carrot: reward the shown organism, then show a random one.
void MainWindow::onFeedClicked() {
  CommitParameters();
  engine().Feed();
}

// The pistol: a child of two random parents takes the shown organism's row, and a random
// organism comes up next.
void MainWindow::onShootClicked() {
  CommitParameters();
  engine().Shoot();
}

}  // namespace vantrel

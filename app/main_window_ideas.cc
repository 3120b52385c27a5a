#include "app/main_window.h"
#include "ui/ideas.h"
#include "ui/messages.h"
#include "ui/qt/experiments_dialog.h"

namespace vantrel {

void MainWindow::onIdeaClicked() {
  services_.messages.ShowMessage(GenerateIdea(document_.random()));
}

void MainWindow::onExperimentsClicked() {
  // Modal: returns when the window is closed, which only hides it for the next showing.
  services_.experiments.exec();
}

}  // namespace vantrel

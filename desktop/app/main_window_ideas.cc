#include "desktop/app/main_window.h"
#include "desktop/ui/experiments_dialog.h"
#include "lab/ideas.h"
#include "messages/messages.h"

namespace vantrel {

void MainWindow::onIdeaClicked() {
  CommitParameters();
  const Idea idea = engine().NewIdea();
  services_.messages.ShowMessage(idea.text);
}

void MainWindow::onExperimentsClicked() {
  // Modal: returns when the window is closed, which only hides it for the next showing.
  services_.experiments().exec();
}

}  // namespace vantrel

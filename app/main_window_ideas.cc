#include "app/main_window.h"
#include "ui/ideas.h"
#include "ui/messages.h"
#include "ui/qt/experiments_dialog.h"

namespace vantrel {

void MainWindow::onIdeaClicked() {
  const std::string idea = GenerateIdea(*services_.random);
  if (services_.messages != nullptr) services_.messages->ShowMessage(idea);
}

void MainWindow::onExperimentsClicked() {
  // Modal: returns when the window is closed, which only hides it for the next showing.
  if (experiments_dialog_ != nullptr) experiments_dialog_->exec();
}

}  // namespace vantrel

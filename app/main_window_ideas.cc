#include "app/main_window.h"
#include "lab/goal.h"
#include "lab/ideas.h"
#include "ui/messages.h"
#include "ui/qt/experiments_dialog.h"

namespace vantrel {

void MainWindow::onIdeaClicked() {
  const Idea idea = MakeIdea(document().random());
  // A new idea is a new experiment run on the population as it stands, aiming for it.
  StartNotebookRun(GoalFromIdea(idea.words));
  emit populationStepped();
  services_.messages.ShowMessage(idea.text);
}

void MainWindow::onExperimentsClicked() {
  // Modal: returns when the window is closed, which only hides it for the next showing.
  services_.experiments().exec();
}

}  // namespace vantrel

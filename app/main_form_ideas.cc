#include "app/main_form.h"
#include "ui/ideas.h"
#include "ui/messages.h"
#include "ui/qt/experiments_window.h"

namespace vantrel {

void TMainForm::spbIdeaClick() {
  const std::string idea = GenerateIdea(*services_.random);
  if (services_.messages != nullptr) services_.messages->ShowMessage(idea);
}

void TMainForm::spbExperimentsClick() {
  // Modal: returns when the window is closed, which only hides it for the next showing.
  if (frmExperiments != nullptr) frmExperiments->exec();
}

}  // namespace vantrel

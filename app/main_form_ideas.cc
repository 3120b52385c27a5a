#include "app/main_form.h"

namespace vantrel {

void TMainForm::spbIdeaClick() {}

void TMainForm::spbExperimentsClick() {}

}  // namespace vantrel

#include "app/main_form.h"

namespace vantrel {

void TMainForm::spbFeedClick() {}

void TMainForm::spbShootClick() {}

}  // namespace vantrel

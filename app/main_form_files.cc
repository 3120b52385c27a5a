#include "app/main_form.h"

namespace vantrel {

void TMainForm::spbOpenClick() {}

void TMainForm::spbSaveClick() {}

}  // namespace vantrel

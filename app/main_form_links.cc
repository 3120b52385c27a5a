#include "app/main_form.h"

namespace vantrel {

void TMainForm::Label7Click() {}

void TMainForm::Label9Click() {}

}  // namespace vantrel

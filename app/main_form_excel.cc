#include "app/main_form.h"

namespace vantrel {

void TMainForm::spbExcelClick() {}

}  // namespace vantrel

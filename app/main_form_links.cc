#include "app/main_form.h"
#include "ui/web_links.h"

namespace vantrel {

void TMainForm::Label7Click() {
  OpenWebPage(*services_.messages, *services_.web_shell, kMakerHomePage);
}

void TMainForm::Label9Click() {
  OpenWebPage(*services_.messages, *services_.web_shell, kProductPage);
}

}  // namespace vantrel

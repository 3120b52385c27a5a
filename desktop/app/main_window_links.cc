#include "desktop/app/main_window.h"
#include "messages/web_links.h"

namespace vantrel {

void MainWindow::onMakerLinkClicked() {
  OpenWebPage(services_.messages, services_.web_shell, kMakerHomePage);
}

void MainWindow::onHomePageLinkClicked() {
  OpenWebPage(services_.messages, services_.web_shell, kProductPage);
}

}  // namespace vantrel

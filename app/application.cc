#include "app/application.h"

#include <QScreen>
#include <algorithm>

namespace vantrel {

namespace {

// Shows a window of the program, or brings it to the front when it is open already. The
// first time it opens beside `anchor`, where it covers nothing of it.
void Present(QWidget& window, const QWidget& anchor) {
  if (!window.property("vantrel_placed").toBool()) {
    QPoint place = anchor.frameGeometry().topRight() + QPoint(8, 0);
    const QRect screen = anchor.screen()->availableGeometry();
    place.setX(std::max(screen.left(), std::min(place.x(), screen.right() - window.width())));
    window.move(place);
    window.setProperty("vantrel_placed", true);
  }
  window.show();
  window.raise();
  window.activateWindow();
}

}  // namespace

VantrelApplication::VantrelApplication() : main_window_(document_, Services()) {
  messages_.SetOwner(&main_window_);
  file_dialogs_.SetOwner(&main_window_);
  main_window_.keys().AddWindow(&population_window_);
  QObject::connect(&main_window_, &MainWindow::populationViewRequested, &population_window_,
                   [this] { Present(population_window_, main_window_); });
}

MainWindowServices VantrelApplication::Services() {
  return {clock_,       messages_,  file_dialogs_, excel_,
          busy_cursor_, web_shell_, experiments_,  picture_dialog_};
}

}  // namespace vantrel

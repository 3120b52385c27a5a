#include "desktop/storage/qt_busy_cursor.h"

#include <QApplication>
#include <QCursor>

namespace vantrel {

void QtBusyCursor::ShowHourglass() {
  if (shown_) return;
  QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
  shown_ = true;
}

void QtBusyCursor::ShowDefault() {
  if (!shown_) return;
  QApplication::restoreOverrideCursor();
  shown_ = false;
}

}  // namespace vantrel

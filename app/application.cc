#include "app/application.h"

namespace vantrel {

VantrelApplication::VantrelApplication() : main_window_(document_, Services()) {
  messages_.SetOwner(&main_window_);
  file_dialogs_.SetOwner(&main_window_);
}

MainWindowServices VantrelApplication::Services() {
  return {clock_, messages_, file_dialogs_, excel_, busy_cursor_, web_shell_, experiments_};
}

}  // namespace vantrel

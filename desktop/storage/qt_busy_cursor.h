#ifndef VANTREL_DESKTOP_STORAGE_QT_BUSY_CURSOR_H_
#define VANTREL_DESKTOP_STORAGE_QT_BUSY_CURSOR_H_

#include "storage/busy_cursor.h"

namespace vantrel {

// The application-wide override cursor. Only the override this object set is taken back,
// so an unmatched ShowDefault leaves other overrides alone.
class QtBusyCursor final : public BusyCursor {
 public:
  QtBusyCursor() = default;
  QtBusyCursor(const QtBusyCursor&) = delete;
  QtBusyCursor& operator=(const QtBusyCursor&) = delete;
  ~QtBusyCursor() override { ShowDefault(); }

  void ShowHourglass() override;
  void ShowDefault() override;

 private:
  bool shown_ = false;
};

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_STORAGE_QT_BUSY_CURSOR_H_

#ifndef VANTREL_STORAGE_BUSY_CURSOR_H_
#define VANTREL_STORAGE_BUSY_CURSOR_H_

namespace vantrel {

// The mouse cursor of the whole program, over all of its windows, while it is busy.
class BusyCursor {
 public:
  virtual ~BusyCursor() = default;

  // Shows the hourglass.
  virtual void ShowHourglass() = 0;
  // Back to the default cursor; harmless when the hourglass is not shown.
  virtual void ShowDefault() = 0;
};

}  // namespace vantrel

#endif  // VANTREL_STORAGE_BUSY_CURSOR_H_

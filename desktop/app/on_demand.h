#ifndef VANTREL_DESKTOP_APP_ON_DEMAND_H_
#define VANTREL_DESKTOP_APP_ON_DEMAND_H_

#include <functional>
#include <memory>
#include <utility>

namespace vantrel {

// A window made the first time it is asked for, not at start-up: the program opens with its
// main window alone, and windows the user never opens cost nothing. Once made it is kept.
template <typename Window>
class OnDemand {
 public:
  // `make` builds the window; `made` then wires it up (keys, signals).
  explicit OnDemand(std::function<std::unique_ptr<Window>()> make,
                    std::function<void(Window&)> made = {})
      : make_(std::move(make)), made_(std::move(made)) {}

  // For a `make` that always gives a window.
  Window& Get() { return *TryGet(); }
  // For a `make` that may give none (a plugin that cannot be loaded): the window, or null,
  // and then the next call tries again.
  Window* TryGet() {
    if (!window_) {
      window_ = make_();
      if (window_ && made_) made_(*window_);
    }
    return window_.get();
  }
  // The window when it has been made, else null.
  Window* IfMade() { return window_.get(); }

 private:
  std::function<std::unique_ptr<Window>()> make_;
  std::function<void(Window&)> made_;
  std::unique_ptr<Window> window_;
};

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_APP_ON_DEMAND_H_

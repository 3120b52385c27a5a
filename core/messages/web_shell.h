#ifndef VANTREL_MESSAGES_WEB_SHELL_H_
#define VANTREL_MESSAGES_WEB_SHELL_H_

#include <functional>
#include <string>

namespace vantrel {

// Hands a web address to the desktop, which opens it in the user's web browser. The
// outcome is a shell-style result: above 32 means the page was handed over, 32 or less is
// a failure code.
class WebShell {
 public:
  // The highest result that still means failure.
  static constexpr int kLastFailure = 32;

  using ResultCallback = std::function<void(int result)>;

  virtual ~WebShell() = default;

  // Opens `address` and calls `done` exactly once with the result, on the calling thread,
  // either before returning or later from the event loop. Opening may take long (until the
  // browser closes), so the shell must never block its caller on it. A shell destroyed before the
  // result is known never calls `done`, so what `done` refers to need only outlive the shell.
  virtual void Open(const std::string& address, ResultCallback done) = 0;
};

}  // namespace vantrel

#endif  // VANTREL_MESSAGES_WEB_SHELL_H_

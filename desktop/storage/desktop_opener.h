#ifndef VANTREL_DESKTOP_STORAGE_DESKTOP_OPENER_H_
#define VANTREL_DESKTOP_STORAGE_DESKTOP_OPENER_H_

#include <QString>
#include <optional>
#include <string>

#include "desktop/files/helper_launcher.h"

namespace vantrel {

// Hands a file to the desktop's application for its type through an opener program
// (xdg-open), and says beforehand whether an application is registered for the type (asked
// of xdg-mime). The opener's exit code is awaited for a while, so that its failure is seen;
// an opener still running by then has started the application and waits on it (xdg-open
// does so without a desktop environment), which counts as opened.
class DesktopOpener {
 public:
  // Programs are looked up on PATH unless they hold a slash.
  DesktopOpener(QString opener, QString mime_query, int verdict_ms);
  // Openers still waiting on their application are stopped by the launcher; the
  // application itself runs on.
  ~DesktopOpener() = default;

  DesktopOpener(const DesktopOpener&) = delete;
  DesktopOpener& operator=(const DesktopOpener&) = delete;

  // Why files of `mime_type` (shown to the user as `kind`, say ".xlsx") cannot be opened,
  // or nothing when an opener exists and an application is registered for the type.
  std::optional<std::string> CheckCanOpen(const QString& mime_type, const QString& kind) const;

  // Opens `path`; returns why that failed, if it did.
  std::optional<std::string> Open(const QString& path);

 private:
  QString opener_;
  QString mime_query_;
  int verdict_ms_;
  HelperLauncher launcher_;
};

// The reason an xdg-open exit code stands for.
std::string OpenerExitReason(int exit_code);

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_STORAGE_DESKTOP_OPENER_H_

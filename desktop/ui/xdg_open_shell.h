#ifndef VANTREL_DESKTOP_UI_XDG_OPEN_SHELL_H_
#define VANTREL_DESKTOP_UI_XDG_OPEN_SHELL_H_

#include <QObject>
#include <QString>
#include <map>

#include "desktop/files/helper_launcher.h"
#include "messages/web_shell.h"

namespace vantrel {

// Opens web addresses with xdg-open and reports its verdict as a shell-style result. The
// opener runs without anyone waiting for it: without a desktop environment it may keep
// the browser in the foreground and only end when the browser closes, and the window must
// stay responsive meanwhile. Its verdict comes back through the event loop.
//
// Results: exit 0 gives kOpened; "required tool not found" (exit 3) or no opener program
// at all gives kNoOpener; "file not found" (exit 2) gives 2; failing to start for lack of
// resources gives 0; any other failure gives its own number (exit code or error number),
// negated when it would otherwise read as success.
class XdgOpenShell final : public QObject, public WebShell {
  Q_OBJECT

 public:
  static constexpr int kOpened = 42;
  static constexpr int kNoOpener = 31;

  // `program` is looked up on PATH unless it holds a slash.
  explicit XdgOpenShell(QString program = QString::fromLatin1(kOpenerProgram),
                        QObject* parent = nullptr);
  // Openers still running are stopped by the launcher; their results are dropped.
  ~XdgOpenShell() override = default;

  void Open(const std::string& address, ResultCallback done) override;

  // Openers started whose verdict is not in yet.
  int PendingCount() const { return static_cast<int>(pending_.size()); }

 private:
  void Finish(QProcess* process, int result);
  void Report(ResultCallback done, int result);

  QString program_;
  std::map<QProcess*, ResultCallback> pending_;
  // Declared last so that it goes first, stopping openers whose verdicts are still due.
  HelperLauncher launcher_;
};

// The result for a process that failed to start, from QProcess's error text (which ends
// with the system's description of the error number).
int ShellResultForStartFailure(const QString& error_text);

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_UI_XDG_OPEN_SHELL_H_

#include "desktop/ui/xdg_open_shell.h"

#include <QProcess>
#include <QTimer>
#include <cerrno>
#include <utility>

namespace vantrel {

namespace {

// A failure's own number, kept out of the success range.
int FailureResult(int number) { return number > WebShell::kLastFailure ? -number : number; }

int ResultForExit(int exit_code) {
  switch (exit_code) {
    case kOpenerSucceeded:
      return XdgOpenShell::kOpened;
    case kOpenerFileNotFound:
      return 2;
    case kOpenerToolNotFound:
      return XdgOpenShell::kNoOpener;
    default:
      return FailureResult(exit_code);
  }
}

// A killed opener is reported as a shell reports it: 128 plus the signal.
int ResultForCrash(int signal) { return FailureResult(128 + signal); }

// The error number whose description ends `text`, or 0 when none does. The longest
// description wins, so that one that ends another cannot shadow it.
int ErrorNumberIn(const QString& text) {
  constexpr int kLastErrorNumber = 255;
  int found = 0;
  qsizetype found_length = 0;
  for (int number = 1; number <= kLastErrorNumber; ++number) {
    const QString description = qt_error_string(number);
    if (description.size() > found_length && text.endsWith(description)) {
      found = number;
      found_length = description.size();
    }
  }
  return found;
}

}  // namespace

int ShellResultForStartFailure(const QString& error_text) {
  const int number = ErrorNumberIn(error_text);
  switch (number) {
    case ENOENT:
      return XdgOpenShell::kNoOpener;
    // A program that exists but cannot be started for want of processes, memory or file
    // handles (the pipes) is out of resources; so is a failure Qt gives no reason for.
    case 0:
    case EAGAIN:
    case ENOMEM:
    case EMFILE:
    case ENFILE:
      return 0;
    default:
      return FailureResult(number);
  }
}

XdgOpenShell::XdgOpenShell(QString program, QObject* parent)
    : QObject(parent), program_(std::move(program)) {}

void XdgOpenShell::Open(const std::string& address, ResultCallback done) {
  const QString program = HelperLauncher::Locate(program_);
  if (program.isEmpty()) {
    Report(std::move(done), kNoOpener);
    return;
  }
  launcher_.Start(program, {QString::fromStdString(address)}, [this, &done](QProcess& started) {
    QProcess* process = &started;
    pending_.emplace(process, std::move(done));
    connect(process, &QProcess::errorOccurred, this, [this, process](QProcess::ProcessError error) {
      // Other errors (a crash) are followed by finished(), which reports them.
      if (error == QProcess::FailedToStart) {
        Finish(process, ShellResultForStartFailure(process->errorString()));
      }
    });
    connect(process, &QProcess::finished, this,
            [this, process](int exit_code, QProcess::ExitStatus status) {
              Finish(process, status == QProcess::CrashExit ? ResultForCrash(exit_code)
                                                            : ResultForExit(exit_code));
            });
  });
}

void XdgOpenShell::Finish(QProcess* process, int result) {
  const auto found = pending_.find(process);
  if (found == pending_.end()) return;  // the verdict is already in
  ResultCallback done = std::move(found->second);
  pending_.erase(found);
  process->disconnect(this);
  launcher_.Finished(process);
  Report(std::move(done), result);
}

void XdgOpenShell::Report(ResultCallback done, int result) {
  // From the event loop rather than from inside Open or a QProcess signal: the caller may
  // show a modal box. A shell destroyed first drops the report.
  QTimer::singleShot(0, this, [done = std::move(done), result] { done(result); });
}

}  // namespace vantrel

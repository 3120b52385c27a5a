#include "ui/qt/xdg_open_shell.h"

#include <QFileInfo>
#include <QProcess>
#include <QTimer>
#include <cerrno>
#include <utility>

#include "ui/qt/program_lookup.h"

namespace vantrel {

namespace {

// xdg-open's own exit codes.
constexpr int kExitFileNotFound = 2;
constexpr int kExitToolNotFound = 3;
// How long shutting down waits for a killed opener to go.
constexpr int kKillWaitMs = 1000;

// A failure's own number, kept out of the success range.
int FailureResult(int number) { return number > WebShell::kLastFailure ? -number : number; }

int ResultForExit(int exit_code) {
  switch (exit_code) {
    case 0:
      return XdgOpenShell::kOpened;
    case kExitFileNotFound:
      return 2;
    case kExitToolNotFound:
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

XdgOpenShell::~XdgOpenShell() {
  for (const auto& [process, done] : pending_) {
    process->disconnect(this);
    process->kill();
    process->waitForFinished(kKillWaitMs);
  }
  // QObject deletes the processes along with its other children.
}

void XdgOpenShell::Open(const std::string& address, ResultCallback done) {
  const QString program = LocateProgram(program_);
  if (program.isEmpty() || !QFileInfo::exists(program)) {
    Report(std::move(done), kNoOpener);
    return;
  }
  auto* process = new QProcess(this);
  pending_.emplace(process, std::move(done));
  process->setProgram(program);
  process->setArguments({QString::fromStdString(address)});
  // A browser started in the foreground inherits the opener's streams: give it ours and no
  // input, so that it holds no pipe of this program open and never writes into a closed one.
  process->setProcessChannelMode(QProcess::ForwardedChannels);
  process->setStandardInputFile(QProcess::nullDevice());
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
  process->start();
}

void XdgOpenShell::Finish(QProcess* process, int result) {
  const auto found = pending_.find(process);
  if (found == pending_.end()) return;  // the verdict is already in
  ResultCallback done = std::move(found->second);
  pending_.erase(found);
  process->disconnect(this);
  process->deleteLater();
  Report(std::move(done), result);
}

void XdgOpenShell::Report(ResultCallback done, int result) {
  // From the event loop rather than from inside Open or a QProcess signal: the caller may
  // show a modal box. A shell destroyed first drops the report.
  QTimer::singleShot(0, this, [done = std::move(done), result] { done(result); });
}

}  // namespace vantrel

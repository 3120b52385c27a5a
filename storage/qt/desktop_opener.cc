#include "storage/qt/desktop_opener.h"

#include <QProcess>
#include <utility>

namespace vantrel {

namespace {

// How long the MIME query may take to answer.
constexpr int kQueryTimeoutMs = 10000;

// The program's path when it exists and may be run, else the empty text.
QString FindProgram(const QString& program) {
  const QString path = HelperLauncher::Locate(program);
  return HelperLauncher::IsRunnable(path) ? path : QString();
}

std::string Quoted(const QString& text) { return "\"" + text.toStdString() + "\""; }

}  // namespace

std::string OpenerExitReason(int exit_code) {
  switch (exit_code) {
    case kOpenerSyntaxError:
      return "the opener was called wrongly";
    case kOpenerFileNotFound:
      return "the file does not exist";
    case kOpenerToolNotFound:
      return "no application was found for it";
    case kOpenerActionFailed:
      return "the application failed";
    default:
      return "the opener failed";
  }
}

DesktopOpener::DesktopOpener(QString opener, QString mime_query, int verdict_ms)
    : opener_(std::move(opener)), mime_query_(std::move(mime_query)), verdict_ms_(verdict_ms) {}

std::optional<std::string> DesktopOpener::CheckCanOpen(const QString& mime_type,
                                                       const QString& kind) const {
  if (FindProgram(opener_).isEmpty()) {
    return "Cannot open " + kind.toStdString() + " files: the program " + Quoted(opener_) +
           " was not found";
  }
  const std::string not_registered =
      "No application is registered to open " + kind.toStdString() + " files";
  const QString query = FindProgram(mime_query_);
  if (query.isEmpty()) return not_registered + " (" + Quoted(mime_query_) + " was not found)";
  bool timed_out = false;
  const std::optional<QByteArray> answer =
      HelperLauncher::Query(query, {QStringLiteral("query"), QStringLiteral("default"), mime_type},
                            kQueryTimeoutMs, &timed_out);
  if (timed_out) return not_registered + " (" + Quoted(mime_query_) + " gave no answer)";
  if (!answer || answer->trimmed().isEmpty()) return not_registered;
  return std::nullopt;
}

std::optional<std::string> DesktopOpener::Open(const QString& path) {
  const QString program = FindProgram(opener_);
  if (program.isEmpty()) return "The program " + Quoted(opener_) + " was not found";

  QProcess* process = launcher_.Start(program, {path});
  if (!process->waitForStarted()) {
    const std::string reason = process->errorString().toStdString();
    launcher_.Finished(process);
    return "Cannot start " + Quoted(opener_) + ": " + reason;
  }
  // Still running after the wait: it has started the application and waits on it. The
  // launcher keeps it until it ends or the launcher goes.
  if (!process->waitForFinished(verdict_ms_) && process->state() != QProcess::NotRunning) {
    return std::nullopt;
  }
  const bool crashed = process->exitStatus() == QProcess::CrashExit;
  const int exit_code = process->exitCode();
  launcher_.Finished(process);
  if (crashed) return Quoted(opener_) + " stopped abnormally while opening " + Quoted(path);
  if (exit_code == kOpenerSucceeded) return std::nullopt;
  return Quoted(opener_) + " could not open " + Quoted(path) + ": " + OpenerExitReason(exit_code) +
         " (exit code " + std::to_string(exit_code) + ")";
}

}  // namespace vantrel

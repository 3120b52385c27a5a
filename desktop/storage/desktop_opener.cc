#include "desktop/storage/desktop_opener.h"

#include <QCoreApplication>
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

QString Quoted(const QString& text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

// The opener's words in the program's language.
QString Say(const char* text) { return QCoreApplication::translate("DesktopOpener", text); }

}  // namespace

std::string OpenerExitReason(int exit_code) {
  switch (exit_code) {
    case kOpenerSyntaxError:
      return Say("the opener was called wrongly").toStdString();
    case kOpenerFileNotFound:
      return Say("the file does not exist").toStdString();
    case kOpenerToolNotFound:
      return Say("no application was found for it").toStdString();
    case kOpenerActionFailed:
      return Say("the application failed").toStdString();
    default:
      return Say("the opener failed").toStdString();
  }
}

DesktopOpener::DesktopOpener(QString opener, QString mime_query, int verdict_ms)
    : opener_(std::move(opener)), mime_query_(std::move(mime_query)), verdict_ms_(verdict_ms) {}

std::optional<std::string> DesktopOpener::CheckCanOpen(const QString& mime_type,
                                                       const QString& kind) const {
  if (FindProgram(opener_).isEmpty()) {
    return Say("Cannot open %1 files: the program %2 was not found")
        .arg(kind, Quoted(opener_))
        .toStdString();
  }
  const QString query = FindProgram(mime_query_);
  if (query.isEmpty()) {
    return Say("No application is registered to open %1 files (%2 was not found)")
        .arg(kind, Quoted(mime_query_))
        .toStdString();
  }
  bool timed_out = false;
  const std::optional<QByteArray> answer =
      HelperLauncher::Query(query, {QStringLiteral("query"), QStringLiteral("default"), mime_type},
                            kQueryTimeoutMs, &timed_out);
  if (timed_out) {
    return Say("No application is registered to open %1 files (%2 gave no answer)")
        .arg(kind, Quoted(mime_query_))
        .toStdString();
  }
  if (!answer || answer->trimmed().isEmpty()) {
    return Say("No application is registered to open %1 files").arg(kind).toStdString();
  }
  return std::nullopt;
}

std::optional<std::string> DesktopOpener::Open(const QString& path) {
  const QString program = FindProgram(opener_);
  if (program.isEmpty())
    return Say("The program %1 was not found").arg(Quoted(opener_)).toStdString();

  QProcess* process = launcher_.Start(program, {path});
  if (!process->waitForStarted()) {
    const QString reason = process->errorString();
    launcher_.Finished(process);
    return Say("Cannot start %1: %2").arg(Quoted(opener_), reason).toStdString();
  }
  // Still running after the wait: it has started the application and waits on it. The
  // launcher keeps it until it ends or the launcher goes.
  if (!process->waitForFinished(verdict_ms_) && process->state() != QProcess::NotRunning) {
    return std::nullopt;
  }
  const bool crashed = process->exitStatus() == QProcess::CrashExit;
  const int exit_code = process->exitCode();
  launcher_.Finished(process);
  if (crashed) {
    return Say("%1 stopped abnormally while opening %2")
        .arg(Quoted(opener_), Quoted(path))
        .toStdString();
  }
  if (exit_code == kOpenerSucceeded) return std::nullopt;
  return Say("%1 could not open %2: %3 (exit code %4)")
      .arg(Quoted(opener_), Quoted(path), QString::fromStdString(OpenerExitReason(exit_code)))
      .arg(exit_code)
      .toStdString();
}

}  // namespace vantrel

#include "storage/qt/desktop_opener.h"

#include <QFileInfo>
#include <QProcess>
#include <algorithm>
#include <utility>

#include "ui/qt/program_lookup.h"

namespace vantrel {

namespace {

// How long xdg-mime may take to answer, and shutting down may wait for a killed opener.
constexpr int kQueryTimeoutMs = 10000;
constexpr int kKillWaitMs = 1000;

// The program's path when it exists and may be run, else the empty text.
QString FindProgram(const QString& program) {
  const QString path = LocateProgram(program);
  return !path.isEmpty() && QFileInfo(path).isExecutable() ? path : QString();
}

std::string Quoted(const QString& text) { return "\"" + text.toStdString() + "\""; }

}  // namespace

std::string OpenerExitReason(int exit_code) {
  switch (exit_code) {
    case 1:
      return "the opener was called wrongly";
    case 2:
      return "the file does not exist";
    case 3:
      return "no application was found for it";
    case 4:
      return "the application failed";
    default:
      return "the opener failed";
  }
}

DesktopOpener::DesktopOpener(QString opener, QString mime_query, int verdict_ms)
    : opener_(std::move(opener)), mime_query_(std::move(mime_query)), verdict_ms_(verdict_ms) {}

DesktopOpener::~DesktopOpener() {
  // The opener started the application as a child of its own, which outlives it.
  for (const std::unique_ptr<QProcess>& process : waiting_) {
    process->kill();
    process->waitForFinished(kKillWaitMs);
  }
}

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
  QProcess process;
  process.setStandardInputFile(QProcess::nullDevice());
  process.start(query, {QStringLiteral("query"), QStringLiteral("default"), mime_type});
  if (!process.waitForFinished(kQueryTimeoutMs)) {
    process.kill();
    process.waitForFinished(kKillWaitMs);
    return not_registered + " (" + Quoted(mime_query_) + " gave no answer)";
  }
  const bool registered = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0 &&
                          !process.readAllStandardOutput().trimmed().isEmpty();
  if (!registered) return not_registered;
  return std::nullopt;
}

std::optional<std::string> DesktopOpener::Open(const QString& path) {
  waiting_.erase(std::remove_if(waiting_.begin(), waiting_.end(),
                                [](const std::unique_ptr<QProcess>& process) {
                                  return process->state() == QProcess::NotRunning;
                                }),
                 waiting_.end());
  const QString program = FindProgram(opener_);
  if (program.isEmpty()) return "The program " + Quoted(opener_) + " was not found";

  auto process = std::make_unique<QProcess>();
  // The application inherits the opener's streams: give it ours and no input, so that it
  // holds no pipe of this program that could close under it.
  process->setProcessChannelMode(QProcess::ForwardedChannels);
  process->setStandardInputFile(QProcess::nullDevice());
  process->start(program, {path});
  if (!process->waitForStarted()) {
    return "Cannot start " + Quoted(opener_) + ": " + process->errorString().toStdString();
  }
  if (!process->waitForFinished(verdict_ms_) && process->state() != QProcess::NotRunning) {
    waiting_.push_back(std::move(process));
    return std::nullopt;
  }
  if (process->exitStatus() == QProcess::CrashExit) {
    return Quoted(opener_) + " stopped abnormally while opening " + Quoted(path);
  }
  const int exit_code = process->exitCode();
  if (exit_code == 0) return std::nullopt;
  return Quoted(opener_) + " could not open " + Quoted(path) + ": " + OpenerExitReason(exit_code) +
         " (exit code " + std::to_string(exit_code) + ")";
}

}  // namespace vantrel

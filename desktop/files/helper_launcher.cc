#include "desktop/files/helper_launcher.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace vantrel {

namespace {

// How long stopping a helper may wait for it to go.
constexpr int kKillWaitMs = 1000;

void Stop(QProcess& process) {
  if (process.state() == QProcess::NotRunning) return;
  process.kill();
  process.waitForFinished(kKillWaitMs);
}

}  // namespace

HelperLauncher::HelperLauncher(QObject* parent) : QObject(parent) {}

HelperLauncher::~HelperLauncher() {
  for (QProcess* process : findChildren<QProcess*>(QString(), Qt::FindDirectChildrenOnly)) {
    process->disconnect();
    Stop(*process);
  }
  // QObject deletes the processes along with its other children.
}

QString HelperLauncher::Locate(const QString& program) {
  const QString path =
      program.contains(QLatin1Char('/')) ? program : QStandardPaths::findExecutable(program);
  return !path.isEmpty() && QFileInfo::exists(path) ? path : QString();
}

bool HelperLauncher::IsRunnable(const QString& path) {
  return !path.isEmpty() && QFileInfo(path).isExecutable();
}

QProcess* HelperLauncher::Start(const QString& path, const QStringList& arguments,
                                const std::function<void(QProcess&)>& before_start) {
  auto* process = new QProcess(this);
  process->setProgram(path);
  process->setArguments(arguments);
  process->setProcessChannelMode(QProcess::ForwardedChannels);
  process->setStandardInputFile(QProcess::nullDevice());
  if (before_start) before_start(*process);
  process->start();
  return process;
}

void HelperLauncher::Finished(QProcess* process) {
  if (process == nullptr || process->parent() != this) return;
  process->deleteLater();
}

std::optional<QByteArray> HelperLauncher::Query(const QString& path, const QStringList& arguments,
                                                int timeout_ms, bool* timed_out) {
  QProcess process;
  process.setStandardInputFile(QProcess::nullDevice());
  process.start(path, arguments);
  const bool finished = process.waitForFinished(timeout_ms);
  if (timed_out != nullptr) *timed_out = !finished;
  if (!finished) {
    Stop(process);
    return std::nullopt;
  }
  if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) return std::nullopt;
  return process.readAllStandardOutput();
}

}  // namespace vantrel

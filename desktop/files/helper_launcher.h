#ifndef VANTREL_DESKTOP_FILES_HELPER_LAUNCHER_H_
#define VANTREL_DESKTOP_FILES_HELPER_LAUNCHER_H_

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QProcess;

namespace vantrel {

// The desktop's helper programs: the opener hands a file or web address to the user's
// application for it, the MIME query says whether there is one.
inline constexpr char kOpenerProgram[] = "xdg-open";
inline constexpr char kMimeQueryProgram[] = "xdg-mime";

// The opener's exit codes.
enum OpenerExit : int {
  kOpenerSucceeded = 0,
  kOpenerSyntaxError = 1,
  kOpenerFileNotFound = 2,
  kOpenerToolNotFound = 3,
  kOpenerActionFailed = 4,
};

// The one place that starts helper programs: it finds them, starts them all the same way,
// and stops the ones still running when it goes (an opener without a desktop environment
// waits on the application it started, which then runs on by itself).
class HelperLauncher final : public QObject {
  Q_OBJECT

 public:
  explicit HelperLauncher(QObject* parent = nullptr);
  ~HelperLauncher() override;

  // Where `program` is: itself when it holds a slash, otherwise the executable of that
  // name on PATH; the empty text when there is no such file.
  static QString Locate(const QString& program);
  // True when `path` is a file this program may run.
  static bool IsRunnable(const QString& path);

  // Starts the helper at `path` with this program's output streams and no input: what it
  // starts inherits them, so it holds no pipe of ours that could close under it. The
  // launcher owns the process; Finished hands a process that has ended back to it.
  // `before_start` may connect to the process's signals before it starts.
  QProcess* Start(const QString& path, const QStringList& arguments,
                  const std::function<void(QProcess&)>& before_start = {});
  void Finished(QProcess* process);

  // Runs a query helper with its output captured and waits up to `timeout_ms` for it.
  // Gives its output when it ended normally with exit code 0, nothing otherwise;
  // `timed_out` tells whether it gave no answer in time.
  static std::optional<QByteArray> Query(const QString& path, const QStringList& arguments,
                                         int timeout_ms, bool* timed_out = nullptr);
};

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_FILES_HELPER_LAUNCHER_H_

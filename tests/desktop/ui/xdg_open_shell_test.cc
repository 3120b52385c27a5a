#include "desktop/ui/xdg_open_shell.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cerrno>
#include <vector>

namespace vantrel {

using namespace Qt::StringLiterals;
namespace {

// Only a guard against a hanging test, never a measure of speed.
constexpr int kPatienceMs = 20000;
constexpr char kAddress[] = "http://www.quorvane.example?vantrel2";

// Fake openers are shell scripts in a temporary folder.
class XdgOpenShellTest : public ::testing::Test {
 protected:
  QString Script(const QString& name, const QByteArray& body,
                 QFile::Permissions permissions = QFile::ReadOwner | QFile::ExeOwner) {
    QFile file(dir_.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n" + body + "\n");
    file.close();
    file.setPermissions(permissions);
    return file.fileName();
  }

  // Every result the shell reports for one request, waiting a moment for a second one.
  static std::vector<int> ResultsOf(XdgOpenShell& shell) {
    std::vector<int> results;
    shell.Open(kAddress, [&results](int result) { results.push_back(result); });
    EXPECT_TRUE(QTest::qWaitFor([&] { return !results.empty(); }, kPatienceMs));
    QTest::qWait(50);
    return results;
  }

  QTemporaryDir dir_;
};

TEST_F(XdgOpenShellTest, MapsTheOpenersExitCodes) {
  const std::pair<int, int> cases[] = {
      {0, XdgOpenShell::kOpened}, {1, 1}, {2, 2}, {3, 31}, {4, 4}, {40, -40}};
  for (const auto& [exit_code, result] : cases) {
    // The opener insists on the address as its one argument.
    XdgOpenShell shell(Script(QStringLiteral("exit%1").arg(exit_code),
                              "[ $# -eq 1 ] && [ \"$1\" = '" + QByteArray(kAddress) +
                                  "' ] || exit 99\nexit " + QByteArray::number(exit_code)));
    EXPECT_EQ(ResultsOf(shell), std::vector{result}) << "exit " << exit_code;
  }
}

TEST_F(XdgOpenShellTest, FindsXdgOpenOnThePathAndReportsAMissingOneAsNoOpener) {
  const QByteArray saved_path = qgetenv("PATH");
  Script(u"xdg-open"_s, "exit 4");
  qputenv("PATH", dir_.path().toLocal8Bit() + ":" + saved_path);
  XdgOpenShell on_path;
  EXPECT_EQ(ResultsOf(on_path), std::vector{4});
  QTemporaryDir empty;
  qputenv("PATH", empty.path().toLocal8Bit());
  XdgOpenShell missing;
  EXPECT_EQ(ResultsOf(missing), std::vector{XdgOpenShell::kNoOpener});
  qputenv("PATH", saved_path);
}

TEST_F(XdgOpenShellTest, AnOpenerThatCannotStartGivesItsErrorNumberOrZeroForResources) {
  // No execute permission at all refuses even root.
  XdgOpenShell shell(Script(u"not-executable"_s, "exit 0", QFile::ReadOwner));
  EXPECT_EQ(ResultsOf(shell), std::vector{EACCES});
  EXPECT_EQ(
      ShellResultForStartFailure(u"Resource error (fork failure): "_s + qt_error_string(EAGAIN)),
      0);
  EXPECT_EQ(ShellResultForStartFailure(u"execvp: "_s + qt_error_string(EMFILE)), 0);
  EXPECT_EQ(ShellResultForStartFailure(u"execvp: "_s + qt_error_string(ELOOP)), -ELOOP);
}

// An opener that keeps running, like a browser in the foreground, until `release` exists,
// and succeeds only if it was released; it gives up by itself after a while so that a
// failing test leaves nothing behind.
QByteArray RunUntil(const QString& release) {
  const QByteArray file = "'" + release.toUtf8() + "'";
  return "i=0; while [ ! -e " + file + " ] && [ $i -lt 200 ]; do sleep 0.05; i=$((i+1)); done\n" +
         "[ -e " + file + " ]";
}

TEST_F(XdgOpenShellTest, TheEventLoopRunsWhileTheOpenerDoes) {
  // Only a running event loop can release the opener.
  const QString release = dir_.filePath(QStringLiteral("release"));
  XdgOpenShell shell(Script(u"foreground"_s, RunUntil(release)));
  QTimer::singleShot(30, &shell, [&release] { QFile(release).open(QIODevice::WriteOnly); });
  EXPECT_EQ(ResultsOf(shell), std::vector{XdgOpenShell::kOpened});
}

TEST_F(XdgOpenShellTest, AShellDestroyedWhileWaitingNeverReports) {
  int reports = 0;
  {
    XdgOpenShell shell(Script(u"foreground"_s, RunUntil(dir_.filePath(u"never"_s))));
    shell.Open(kAddress, [&reports](int) { ++reports; });
    QTest::qWait(50);
    EXPECT_EQ(shell.PendingCount(), 1);
  }
  QTest::qWait(50);
  EXPECT_EQ(reports, 0);
}

}  // namespace
}  // namespace vantrel

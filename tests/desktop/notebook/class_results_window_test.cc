#include "desktop/notebook/class_results_window.h"

#include <gtest/gtest.h>

#include <QBoxPlotSeries>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <string>
#include <vector>

#include "desktop/notebook/stable_distribution_view.h"
#include "lab/batch.h"
#include "lab/condition_comparison.h"
#include "lab/lab_options.h"
#include "storage/line_buffer.h"
#include "tests/desktop/notebook/lab_window_fixture.h"

namespace vantrel::testing {
namespace {

struct ClassFiles {
  std::string whole_summary;  // what the sweep played whole summarizes to
  std::vector<std::string> paths;
};

// A small sweep of two goals at two populations, its runs in two files, and a third file
// that is no runs file.
ClassFiles WriteClassFiles(const QTemporaryDir& dir) {
  const ParsedLabOptions parsed = ParseLabOptions(std::vector<std::string_view>{
      "--goal", "shape=square", "--goal", "color=green", "--population", "6,20", "--runs", "3",
      "--seed", "5", "--max-clicks", "600"});
  const BatchPlan plan = PlanOf(parsed.options);
  std::vector<BatchRun> runs;
  for (int n = 1; n <= plan.TotalRuns(); ++n) runs.push_back(*PlayBatchRun(plan, n, nullptr));
  std::string first = BatchCsvHeader();
  std::string second = BatchCsvHeader();
  for (std::size_t i = 0; i < runs.size(); ++i)
    (i % 2 == 0 ? first : second) += BatchCsvLine(runs[i]);
  ClassFiles files{SummaryReport(plan, runs), {}};
  for (const auto& [name, text] : std::vector<std::pair<std::string, std::string>>{
           {"anna.csv", first}, {"ben.csv", second}, {"notes.csv", "Dear class,\nhello\n"}}) {
    const std::string path =
        QFile::encodeName(dir.filePath(QString::fromStdString(name))).toStdString();
    QFile file(QString::fromStdString(path));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.data(), static_cast<qint64>(text.size()));
    files.paths.push_back(path);
  }
  return files;
}

TEST_F(LabWindowTest, ClassResultsPoolTwoGoodFilesNameTheBadOneAndSaveByKeyboard) {
  QTemporaryDir dir;
  const ClassFiles files = WriteClassFiles(dir);
  ClassResultsWindow window(messages_, dialog_, excel_, cursor_);
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  auto* save = window.findChild<QPushButton*>(QStringLiteral("btnSaveSummary"));
  EXPECT_FALSE(save->isEnabled());  // nothing to save yet

  // Tab to "Choose runs files…" and press Space: the dialog gives the three files.
  dialog_.answers = files.paths;
  auto* choose = window.findChild<QPushButton*>(QStringLiteral("btnChooseRunsFiles"));
  for (int i = 0; i < 10 && !choose->hasFocus(); ++i) QTest::keyClick(&window, Qt::Key_Tab);
  ASSERT_TRUE(choose->hasFocus());
  QTest::keyClick(choose, Qt::Key_Space);
  EXPECT_EQ(dialog_.title, "Choose runs files");
  EXPECT_EQ(window.summary()->toPlainText().toStdString(), files.whole_summary);
  EXPECT_TRUE(window.summary()->isReadOnly());
  const QString skipped = window.skipped()->toPlainText();
  EXPECT_TRUE(skipped.contains(QStringLiteral("notes.csv"))) << skipped.toStdString();
  EXPECT_FALSE(skipped.contains(QStringLiteral("anna.csv"))) << skipped.toStdString();
  EXPECT_EQ(window.boxes()->boxes()->count(), 4);  // a box per condition

  struct Case {
    const char* button;
    const char* file;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"btnSaveSummary", "summary.txt", ClassSummary(window.results())},
      {"btnSavePooledRuns", "pooled.csv", PooledRunsCsv(window.results())},
  };
  for (const Case& test : cases) {
    const QString target = dir.filePath(QLatin1String(test.file));
    dialog_.answer = QFile::encodeName(target).toStdString();
    auto* button = window.findChild<QPushButton*>(QLatin1String(test.button));
    ASSERT_TRUE(button->isEnabled());
    button->setFocus(Qt::TabFocusReason);
    QTest::keyClick(button, Qt::Key_Space);
    std::string written;
    ASSERT_TRUE(ReadWholeFile(QFile::encodeName(target).toStdString(), written)) << test.file;
    EXPECT_EQ(written, test.expected);
  }
  // The pooled runs read back as the class: the same summary.
  std::string pooled;
  ASSERT_TRUE(ReadWholeFile(
      QFile::encodeName(dir.filePath(QStringLiteral("pooled.csv"))).toStdString(), pooled));
  EXPECT_EQ(ClassSummary(PoolRunsFiles(std::vector<RunsFile>{{"pooled.csv", pooled}})),
            files.whole_summary);
  window.findChild<QPushButton*>(QStringLiteral("btnPooledToSpreadsheet"))->click();
  ASSERT_FALSE(excel_log_.empty());
  // The workbook's first row is the pooled CSV's header.
  const std::string header = pooled.substr(0, pooled.find('\r'));
  ASSERT_FALSE(excel_.value.empty());
  EXPECT_NE(header.find(excel_.value.front()), std::string::npos) << excel_.value.front();
  EXPECT_TRUE(messages_.shown().empty());
}

TEST_F(LabWindowTest, TheNotebooksClassResultsButtonOpensTheWindow) {
  window_->findChild<QPushButton*>(QStringLiteral("btnClassResults"))->click();
  ASSERT_NE(window_->class_results(), nullptr);
  EXPECT_TRUE(window_->class_results()->isVisible());
  EXPECT_EQ(window_->class_results()->windowTitle(), QStringLiteral("Class results"));
}

}  // namespace
}  // namespace vantrel::testing

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <string>
#include <vector>

#include "lab/run_csv.h"
#include "tests/desktop/notebook/lab_window_fixture.h"

namespace vantrel::testing {
namespace {

// The settings of this test program live in a folder of its own, set before any window
// reads them, so that no test finds a name from the machine's own settings.
QTemporaryDir& SettingsFolder() {
  static QTemporaryDir folder;
  return folder;
}
const bool kSettingsIsolated = qputenv("XDG_CONFIG_HOME", SettingsFolder().path().toLocal8Bit());

QLineEdit* NameField(QWidget& window) {
  return window.findChild<QLineEdit*>(QStringLiteral("edtPupil"));
}

TEST_F(LabWindowTest, TheNameFieldNamesThePupilAndTheExportedFile) {
  ASSERT_TRUE(kSettingsIsolated);
  QLineEdit* name = NameField(*window_);
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->accessibleName(), QStringLiteral("Name"));
  auto* label = qobject_cast<QLabel*>(name->parentWidget()->findChildren<QLabel*>().value(0));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->buddy(), name);
  struct Case {
    QString typed;
    std::string pupil;
    std::string file;
  };
  const std::vector<Case> cases = {
      {QStringLiteral("Anna"), "Anna", "runs-Anna.csv"},
      {QStringLiteral("  Jan de Vries \t"), "Jan de Vries", "runs-Jan de Vries.csv"},
      {QStringLiteral("a/b:c"), "a/b:c", "runs-a_b_c.csv"},
      {QString(), "", "runs.csv"},
  };
  for (const Case& test : cases) {
    name->setFocus();
    name->setText(test.typed);
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_EQ(actions_.pupil, test.pupil);
    EXPECT_EQ(name->text().toStdString(), test.pupil);
    window_->onExportRunsClicked();
    EXPECT_EQ(dialog_.suggested, test.file);
  }
  // Remembered: the next window starts with the name and gives it to the engine.
  name->setText(QStringLiteral("Anna"));
  QTest::keyClick(name, Qt::Key_Return);
  RefreshingActions later_actions(notebook_);
  NotebookWindow later(notebook_, later_actions,
                       NotebookServices{messages_, dialog_, excel_, cursor_});
  EXPECT_EQ(NameField(later)->text(), QStringLiteral("Anna"));
  EXPECT_EQ(later_actions.pupil, "");  // the notebook already has it
  EXPECT_EQ(notebook_.pupil(), "Anna");
}

}  // namespace
}  // namespace vantrel::testing

// The main window by keyboard alone: Tab reaches every control in the screen's order and
// shows where the focus is, every button has a key shown in its tooltip, and Excel on a
// desktop without a spreadsheet program offers to save the workbook.
#include <QtTest/qtestspontaneevent.h>
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QImage>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <functional>
#include <string>
#include <vector>

#include "desktop/app/spin_edit.h"
#include "tests/support/main_window_test.h"

namespace vantrel {
namespace {

class KeyboardTest : public testing::MainWindowTest {
 protected:
  KeyboardTest() {
    Form().show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&Form()));
    QApplication::setActiveWindow(&Form());
  }

  void ShowAdvanced() {
    if (Form().width() < MainWindow::kAdvancedWidth) Click("spbAdvanced");
    QCoreApplication::processEvents();
  }
  static QImage Look(QWidget& widget) { return widget.grab().toImage(); }
};

// From the table, Tab visits every button, box and link once, down the drawing's column and
// then down the table's, and each shows that it has the focus.
TEST_F(KeyboardTest, TabReachesEveryControlInTheScreensOrderAndEachShowsTheFocus) {
  ShowAdvanced();
  QWidget* table = Child<QWidget>("sgrOrganisms");
  // The marks show once the keyboard has moved the focus, as a Tab does.
  Form().setAttribute(Qt::WA_KeyboardFocusChange);
  Child<QWidget>("spbOpen")->setFocus(Qt::TabFocusReason);
  const QImage table_unfocused = Look(*table);
  table->setFocus(Qt::TabFocusReason);
  ASSERT_TRUE(table->hasFocus());
  EXPECT_NE(Look(*table), table_unfocused) << "the table shows its focus";

  const std::vector<std::string> expected = {
      "spbOpen",    "spbSave",  "spbPopulation",     "spbNotebook",   "undoButton",
      "redoButton", "spbExcel", "speStartOrganisms", "speCreativity", "speSurvivalBonus",
      "Label7",     "Label9",   "spbStart",          "spbIdea",       "spbExperiments",
      "spbFeed",    "spbShoot", "spbAdvanced",       "sgrOrganisms"};
  // Undo and redo are disabled until there is a step: make one.
  Click("spbShoot");
  Click("spbShoot");
  Click("undoButton");
  table->setFocus(Qt::TabFocusReason);
  std::vector<std::string> visited;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    QWidget* before = QApplication::focusWidget();
    QTest::keyClick(before, Qt::Key_Tab);
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    visited.push_back(focus->objectName().toStdString());
  }
  EXPECT_EQ(visited, expected);

  // Each button looks different with the focus than without.
  for (const char* name : {"spbOpen", "spbExcel", "spbStart", "spbAdvanced", "Label9"}) {
    QWidget* control = Child<QWidget>(name);
    table->setFocus(Qt::TabFocusReason);
    const QImage without = Look(*control);
    control->setFocus(Qt::TabFocusReason);
    EXPECT_NE(Look(*control), without) << name;
  }

  // At the compact width Tab stays among the controls on screen.
  Click("spbAdvanced");
  ASSERT_EQ(QApplication::focusWidget(), Child<QWidget>("spbStart"));
  std::vector<std::string> compact;
  for (int i = 0; i < 6; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    compact.push_back(QApplication::focusWidget()->objectName().toStdString());
  }
  EXPECT_EQ(compact, (std::vector<std::string>{"spbIdea", "spbExperiments", "spbFeed", "spbShoot",
                                               "spbAdvanced", "spbStart"}));
}

// Each new key does what its button does, and its tooltip names it.
TEST_F(KeyboardTest, EveryButtonHasAKeyShownInItsTooltip) {
  ShowAdvanced();
  const auto press = [this](QKeyCombination key) {
    // The window is active again after the experiments' modal window.
    QApplication::setActiveWindow(&Form());
    QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
    QCoreApplication::processEvents();
  };
  struct Case {
    const char* button;
    QKeyCombination key;
    const char* shown;
    std::function<bool()> acted;
  };
  const std::size_t messages_before = messages_.shown().size();
  bool experiments_shown = false;
  const Case cases[] = {
      {"spbIdea", Qt::Key_I, "(I)",
       [&] { return messages_.shown().size() == messages_before + 1; }},
      {"spbExperiments", Qt::Key_E, "(E)", [&] { return experiments_shown; }},
      {"spbOpen", QKeyCombination(Qt::ControlModifier, Qt::Key_O), "(Ctrl+O)",
       [&] {
         return dialogs_.questions.size() == 1 &&
                dialogs_.questions[0].mode == FileQuestion::Mode::kOpen;
       }},
      {"spbSave", QKeyCombination(Qt::ControlModifier, Qt::Key_S), "(Ctrl+S)",
       [&] {
         return dialogs_.questions.size() == 2 &&
                dialogs_.questions[1].mode == FileQuestion::Mode::kSave;
       }},
      {"spbExcel", Qt::Key_X, "(X)",
       [&] {
         return excel_log_ ==
                std::vector<std::string>{"hourglass", "Show(\"Organisms\")", "default"};
       }},
      {"spbAdvanced", Qt::Key_A, "(A)",
       [&] { return Form().width() == MainWindow::kCompactWidth; }},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(Child<QWidget>(c.button)->toolTip().endsWith(QString::fromLatin1(c.shown)))
        << c.button << ": " << Child<QWidget>(c.button)->toolTip().toStdString();
    if (std::string(c.button) == "spbExperiments") {
      QTimer::singleShot(0, &experiments_, [&] {
        experiments_shown = experiments_.isVisible();
        experiments_.close();
      });
      QTimer::singleShot(5000, &experiments_, &QDialog::reject);  // never hang the run
    }
    press(c.key);
    EXPECT_TRUE(c.acted()) << c.button;
  }
  // The buttons' old keys keep their hints too.
  for (const char* name : {"spbStart", "spbFeed", "spbShoot"}) {
    EXPECT_TRUE(Child<QWidget>(name)->toolTip().endsWith(QLatin1Char(')'))) << name;
  }
}

// Excel where the desktop has no spreadsheet program: the reason and an offer to save the
// workbook; yes asks for a name and writes it there, no writes nothing.
TEST_F(KeyboardTest, ExcelWithoutASpreadsheetProgramOffersToSaveTheWorkbook) {
  excel_.cannot_show = "No application is registered to open .xlsx files";
  dialogs_.names = {std::string("/tmp/book.xlsx")};
  Click("spbExcel");
  ASSERT_EQ(messages_.shown().size(), 1u);
  EXPECT_EQ(messages_.shown()[0].text,
            "No application is registered to open .xlsx files.\n\n"
            "Save the workbook to a file instead?");
  ASSERT_EQ(dialogs_.questions.size(), 1u);
  EXPECT_EQ(dialogs_.questions[0].mode, FileQuestion::Mode::kSave);
  EXPECT_EQ(dialogs_.questions[0].suggested_name, "organisms.xlsx");
  EXPECT_EQ(dialogs_.questions[0].suffix, "xlsx");
  EXPECT_EQ(excel_log_, (std::vector<std::string>{
                            "hourglass", "Save(\"Organisms\", \"/tmp/book.xlsx\")", "default"}));
  EXPECT_EQ(excel_.value.size(),
            static_cast<std::size_t>(Form().grid().ColCount() * Form().grid().RowCount()));

  messages_.answer = false;
  Click("spbExcel");
  EXPECT_EQ(dialogs_.questions.size(), 1u) << "no dialog after No";
  EXPECT_EQ(excel_log_.size(), 3u);

  // A failed save is told as an error.
  messages_.answer = true;
  dialogs_.names = {std::string("/tmp/book.xlsx")};
  excel_.Fail("Cannot write /tmp/book.xlsx: No space left on device");
  Click("spbExcel");
  EXPECT_EQ(messages_.shown().back().kind, testing::RecordingMessages::Shown::kError);
  EXPECT_EQ(messages_.shown().back().text, "Cannot write /tmp/book.xlsx: No space left on device.");
}

// Scrolling over a parameter box scrolls what holds it unless the box has the focus.
TEST(SpinEditWheelTest, TheWheelStepsOnlyAFocusedBox) {
  QScrollArea area;
  auto* page = new QWidget;
  auto* column = new QVBoxLayout(page);
  auto* box = new SpinEdit(20, 1, 100);
  auto* other = new SpinEdit(5, 1, 100);
  column->addWidget(box);
  column->addWidget(other);
  column->addSpacing(2000);
  area.setWidget(page);
  area.resize(200, 200);
  area.show();
  QApplication::setActiveWindow(&area);
  const auto turn = [box] {
    const QPoint centre = box->rect().center();
    QWheelEvent wheel(centre, box->mapToGlobal(centre), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    // As from the window system: Qt passes only such a wheel event on to the parent.
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    QCoreApplication::instance()->notify(box, &wheel);  // sendEvent would unmark it
  };
  other->setFocus();
  ASSERT_GT(area.verticalScrollBar()->maximum(), 0);
  turn();
  EXPECT_EQ(box->Value(), 20);
  EXPECT_GT(area.verticalScrollBar()->value(), 0);
  box->setFocus();
  turn();
  EXPECT_EQ(box->Value(), 19);
}

}  // namespace
}  // namespace vantrel

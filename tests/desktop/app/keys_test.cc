#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <memory>
#include <vector>

#include "desktop/app/organism_table_view.h"
#include "desktop/app/spin_edit.h"
#include "tests/support/main_window_test.h"

namespace vantrel {
namespace {

class KeysTest : public testing::MainWindowTest {
 protected:
  KeysTest() {
    Form().show();
    QApplication::setActiveWindow(&Form());
  }

  std::vector<std::vector<std::string>> Table() {
    std::vector<std::vector<std::string>> rows;
    rows.reserve(static_cast<std::size_t>(Form().grid().RowCount()));
    for (int row = 0; row < Form().grid().RowCount(); ++row) rows.push_back(Row(row));
    return rows;
  }
  void Press(Qt::Key key, QWidget* target = nullptr) {
    QTest::keyClick(target != nullptr ? target : QApplication::focusWidget(), key);
  }
  // Another window of the program, registered for the keys and active, as the notebook is
  // with its automatic-run panel.
  QWidget& OtherWindow() {
    if (!other_) {
      other_ = std::make_unique<QWidget>();
      auto* layout = new QVBoxLayout(other_.get());
      combo_ = new QComboBox(other_.get());
      combo_->addItems({QStringLiteral("round"), QStringLiteral("square"), QStringLiteral("fat"),
                        QStringLiteral("green")});
      editable_combo_ = new QComboBox(other_.get());
      editable_combo_->setEditable(true);
      line_edit_ = new QLineEdit(other_.get());
      text_box_ = new QPlainTextEdit(other_.get());
      layout->addWidget(combo_);
      layout->addWidget(editable_combo_);
      layout->addWidget(line_edit_);
      layout->addWidget(text_box_);
      Form().keys().AddWindow(other_.get());
      other_->show();
      QApplication::setActiveWindow(other_.get());
    }
    return *other_;
  }

  std::unique_ptr<QWidget> other_;
  QComboBox* combo_ = nullptr;
  QComboBox* editable_combo_ = nullptr;
  QLineEdit* line_edit_ = nullptr;
  QPlainTextEdit* text_box_ = nullptr;
};

// The same seed, the same judgements: by buttons and by keys the table ends the same.
TEST_F(KeysTest, FeedShootAndNewGenePoolKeysActExactlyAsTheirButtons) {
  const std::uint64_t start = random_.State();
  const int start_row = Form().grid().SelectedRow();
  for (const char* button : {"spbStart", "spbFeed", "spbShoot", "spbShoot", "spbFeed"}) {
    Click(button);
  }
  const auto by_buttons = Table();
  const int selected = Form().grid().SelectedRow();

  random_.RestoreState(start);
  Form().engine().SelectRow(start_row);
  Child<OrganismTableView>("sgrOrganisms")->setFocus();
  for (Qt::Key key : {Qt::Key_N, Qt::Key_F, Qt::Key_S, Qt::Key_S, Qt::Key_F}) Press(key);
  EXPECT_EQ(Table(), by_buttons);
  EXPECT_EQ(Form().grid().SelectedRow(), selected);
}

TEST_F(KeysTest, KeysEditAParameterBoxThatHasTheFocus) {
  auto* creativity = Child<SpinEdit>("speCreativity");
  creativity->setFocus();
  const auto before = Table();
  Press(Qt::Key_S, creativity);
  Press(Qt::Key_N, creativity);
  EXPECT_EQ(Table(), before);
}

TEST_F(KeysTest, CtrlCInTheTableCopiesThePictureNotACell) {
  QApplication::clipboard()->clear();
  auto* table = Child<OrganismTableView>("sgrOrganisms");
  table->setFocus();
  QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
  const QImage copied = QApplication::clipboard()->image();
  EXPECT_EQ(copied.size(), QSize(350, 350));
  EXPECT_TRUE(QApplication::clipboard()->text().isEmpty());
}

// The keys act in every registered window, from a control that takes no text.
TEST_F(KeysTest, KeysActInAnotherWindowOfTheProgram) {
  OtherWindow();
  auto* button = new QPushButton(other_.get());
  button->show();
  button->setFocus();
  const auto before = Table();
  Press(Qt::Key_S, button);
  EXPECT_NE(Table(), before);
  Press(Qt::Key_Z, button);  // a plain Z is no key of the program
  QTest::keyClick(button, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Table(), before);
}

// Letters typed into a list used to feed and shoot organisms: they search the list.
TEST_F(KeysTest, ComboBoxesLineEditsAndTextBoxesKeepTheKeysTypedIntoThem) {
  OtherWindow();
  const auto before = Table();
  combo_->setFocus();
  // Each letter a search of its own, not the next letter of one word.
  const int interval = QApplication::keyboardInputInterval();
  QApplication::setKeyboardInputInterval(0);
  for (const char* item : {"square", "fat", "green"}) {
    QTest::qWait(2);
    Press(Qt::Key(Qt::Key_A + (item[0] - 'a')), combo_);
    EXPECT_EQ(combo_->currentText(), QString::fromLatin1(item));
  }
  QApplication::setKeyboardInputInterval(interval);

  editable_combo_->setFocus();
  QTest::keyClicks(editable_combo_, QStringLiteral("nfs"));
  EXPECT_EQ(editable_combo_->currentText(), QStringLiteral("nfs"));
  line_edit_->setFocus();
  QTest::keyClicks(line_edit_, QStringLiteral("fst"));
  QTest::keyClick(line_edit_, Qt::Key_Z, Qt::ControlModifier);  // the edit's own undo
  EXPECT_EQ(line_edit_->text(), QString());
  text_box_->setFocus();
  QTest::keyClicks(text_box_, QStringLiteral("snl"));
  EXPECT_EQ(text_box_->toPlainText(), QStringLiteral("snl"));
  EXPECT_EQ(Table(), before);
}

// In any window's text control the undo keys undo its typing while it has some, and the
// program's steps after that.
TEST_F(KeysTest, UndoKeysInATextControlUndoItsTypingAndThenTheSteps) {
  OtherWindow();
  auto* button = new QPushButton(other_.get());
  button->show();
  button->setFocus();
  const auto before = Table();
  Press(Qt::Key_S, button);
  const auto shot = Table();
  for (QWidget* control : {static_cast<QWidget*>(line_edit_), static_cast<QWidget*>(text_box_)}) {
    control->setFocus();
    QTest::keyClicks(control, QStringLiteral("ab"));
    QTest::keyClick(control, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Table(), shot);
  }
  EXPECT_EQ(line_edit_->text(), QString());
  EXPECT_EQ(text_box_->toPlainText(), QString());
  QTest::keyClick(text_box_, Qt::Key_Y, Qt::ControlModifier);  // the typing again
  EXPECT_EQ(text_box_->toPlainText(), QStringLiteral("ab"));
  line_edit_->setFocus();
  QTest::keyClick(line_edit_, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Table(), before);
  combo_->setFocus();
  QTest::keyClick(combo_, Qt::Key_Y, Qt::ControlModifier);  // a list has no typing
  EXPECT_EQ(Table(), shot);
}

TEST_F(KeysTest, RepeatsQueuedWhileAnActionRanAreDropped) {
  int shots = 0;
  Form().keys().Bind(Qt::Key_Q, [&shots] {
    ++shots;
    QTest::qSleep(20);  // an action that takes a while
  });
  QWidget* target = Child<OrganismTableView>("sgrOrganisms");
  target->setFocus();
  // As the window system delivers a key: Qt looks up its shortcut with the key's time.
  auto press = [&](bool repeat, ulong time) {
    return qt_sendShortcutOverrideEvent(target, time, Qt::Key_Q, Qt::NoModifier, QString(), repeat);
  };
  EXPECT_TRUE(press(false, 1000));
  // Repeats stamped while the first action ran are taken but do nothing.
  EXPECT_TRUE(press(true, 1005));
  EXPECT_TRUE(press(true, 1010));
  EXPECT_EQ(shots, 1);
  EXPECT_TRUE(press(true, 1100));
  EXPECT_EQ(shots, 2);
  // A fresh press always acts, however soon.
  EXPECT_TRUE(press(false, 1101));
  EXPECT_EQ(shots, 3);
}

TEST_F(KeysTest, UndoAndRedoButtonsNameTheirKeysAndAreEnabledOnlyWhenThereIsAStep) {
  auto* undo = Child<QToolButton>("undoButton");
  auto* redo = Child<QToolButton>("redoButton");
  EXPECT_EQ(undo->toolTip(), QStringLiteral("Undo (Ctrl+Z)"));
  EXPECT_EQ(redo->toolTip(), QStringLiteral("Redo (Ctrl+Shift+Z)"));
  EXPECT_FALSE(undo->isEnabled());
  EXPECT_FALSE(redo->isEnabled());

  const auto start = Table();
  Click("spbShoot");
  const auto shot = Table();
  EXPECT_TRUE(undo->isEnabled());
  EXPECT_FALSE(redo->isEnabled());
  undo->click();
  EXPECT_EQ(Table(), start);
  EXPECT_FALSE(undo->isEnabled());
  EXPECT_TRUE(redo->isEnabled());
  redo->click();
  EXPECT_EQ(Table(), shot);
  EXPECT_TRUE(undo->isEnabled());
  EXPECT_FALSE(redo->isEnabled());
  // Undone by its key, the button follows too.
  QTest::keyClick(Child<OrganismTableView>("sgrOrganisms"), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_TRUE(redo->isEnabled());
}

}  // namespace
}  // namespace vantrel

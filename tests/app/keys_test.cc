#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QKeyEvent>
#include <QTest>
#include <vector>

#include "app/organism_table_view.h"
#include "app/spin_edit.h"
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
    for (int row = 0; row < Form().grid().RowCount(); ++row) rows.push_back(Row(row));
    return rows;
  }
  void Press(Qt::Key key, QWidget* target = nullptr) {
    QTest::keyClick(target != nullptr ? target : QApplication::focusWidget(), key);
  }
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
  Form().grid().SelectRow(start_row);
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

TEST_F(KeysTest, RepeatsQueuedWhileAnActionRanAreDropped) {
  ProgramKeys& keys = Form().keys();
  int shots = 0;
  keys.Bind(Qt::Key_X, [&shots] {
    ++shots;
    QTest::qSleep(20);  // an action that takes a while
  });
  QWidget* target = Child<OrganismTableView>("sgrOrganisms");
  auto press = [&](bool repeat, quint64 time) {
    QKeyEvent event(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QString(), repeat);
    event.setTimestamp(time);
    return keys.HandleKeyPress(target, event);
  };
  EXPECT_TRUE(press(false, 1000));
  // Repeats stamped while the first action ran are taken but do nothing.
  EXPECT_TRUE(press(true, 1005));
  EXPECT_TRUE(press(true, 1010));
  EXPECT_EQ(shots, 1);
  EXPECT_TRUE(press(true, 1100));
  EXPECT_EQ(shots, 2);
}

}  // namespace
}  // namespace vantrel

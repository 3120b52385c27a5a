#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>

#include "lab/goal.h"
#include "tests/support/main_window_test.h"

namespace vantrel {
namespace {

class AccessibilityTest : public testing::MainWindowTest {
 protected:
  QAccessibleInterface* Accessible(const char* name) {
    QWidget* widget = Child<QWidget>(name);
    return widget != nullptr ? QAccessible::queryAccessibleInterface(widget) : nullptr;
  }
};

TEST_F(AccessibilityTest, EachParameterBoxIsNamedByItsOwnLabel) {
  EXPECT_EQ(Accessible("speStartOrganisms")->text(QAccessible::Name), u"Start with");
  EXPECT_EQ(Accessible("speCreativity")->text(QAccessible::Name), u"Amount of creativity");
  EXPECT_EQ(Accessible("speSurvivalBonus")->text(QAccessible::Name), u"Survival bonus");
  EXPECT_EQ(Accessible("sgrOrganisms")->text(QAccessible::Name), u"Organisms");
}

// The drawing is an image named "Organism", its description the organism in words, and
// the description follows the organism shown.
TEST_F(AccessibilityTest, TheDrawingIsAnImageDescribedInWords) {
  QAccessibleInterface* drawing = Accessible("pbxOrganism");
  ASSERT_NE(drawing, nullptr);
  EXPECT_EQ(drawing->role(), QAccessible::Graphic);
  EXPECT_EQ(drawing->text(QAccessible::Name), u"Organism");
  for (int row : {1, 2}) {
    Form().engine().SelectRow(row);
    EXPECT_EQ(drawing->text(QAccessible::Description).toStdString(),
              DescribeOrganism(WordsOfDna(Form().population().SelectedDna())));
  }
}

TEST_F(AccessibilityTest, WebLinksAreLinksThatAScreenReaderCanPress) {
  QAccessibleInterface* maker = Accessible("Label7");
  QAccessibleInterface* home = Accessible("Label9");
  ASSERT_NE(maker, nullptr);
  ASSERT_NE(home, nullptr);
  EXPECT_EQ(maker->role(), QAccessible::Link);
  EXPECT_EQ(maker->text(QAccessible::Name), u"Quorvane");
  EXPECT_EQ(home->role(), QAccessible::Link);
  EXPECT_EQ(home->text(QAccessible::Name), u"Vantrel Homepage");
  QAccessibleActionInterface* actions = home->actionInterface();
  ASSERT_NE(actions, nullptr);
  ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
  actions->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(shell_.addresses.size(), 1u);
}

}  // namespace
}  // namespace vantrel

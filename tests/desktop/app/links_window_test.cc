#include <gtest/gtest.h>

#include <QTest>
#include <string>
#include <vector>

#include "desktop/app/link_label.h"
#include "desktop/app/main_window.h"
#include "messages/web_links.h"
#include "messages/web_shell.h"
#include "tests/support/main_window_test.h"

namespace vantrel {
namespace {

using LinksWindowTest = testing::MainWindowTest;

TEST_F(LinksWindowTest, EachLinkOpensItsOwnPageAndReportsAFailureThroughTheWindow) {
  MainWindow& form = Form();
  form.onAdvancedClicked();
  form.show();
  testing::RecordingShell& shell = shell_;
  testing::RecordingMessages& messages = messages_;

  for (const char* name : {"Label7", "Label9"}) {
    auto* label = form.findChild<LinkLabel*>(QString::fromLatin1(name));
    ASSERT_NE(label, nullptr) << name;
    ASSERT_TRUE(label->isVisible()) << name;
    QTest::mouseClick(label, Qt::LeftButton);
  }
  EXPECT_EQ(shell.addresses, (std::vector<std::string>{kMakerHomePage, kProductPage}));
  ASSERT_EQ(messages.shown().size(), 2u);
  EXPECT_EQ(messages.shown()[1].kind, testing::RecordingMessages::Shown::kOwned);
  EXPECT_EQ(messages.shown()[1].text, "Error Nr: 31 in ShellExecute");
}

}  // namespace
}  // namespace vantrel

#include <gtest/gtest.h>

#include <QTest>
#include <string>
#include <vector>

#include "app/link_label.h"
#include "app/main_window.h"
#include "population/random_source.h"
#include "tests/support/fakes.h"
#include "ui/web_links.h"
#include "ui/web_shell.h"

namespace vantrel {
namespace {

// Records each address and answers at once with a failure: no program for web addresses.
class RecordingShell final : public WebShell {
 public:
  void Open(const std::string& address, ResultCallback done) override {
    addresses.push_back(address);
    done(31);
  }
  std::vector<std::string> addresses;
};

TEST(LinksWindowTest, EachLinkOpensItsOwnPageAndReportsAFailureThroughTheWindow) {
  LcgRandom random;
  testing::FixedClock clock(1);
  testing::RecordingMessages messages;
  RecordingShell shell;
  const MainWindowServices services{
      .random = &random, .clock = &clock, .messages = &messages, .web_shell = &shell};
  MainWindow form(services);
  form.onAdvancedClicked();
  form.show();

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

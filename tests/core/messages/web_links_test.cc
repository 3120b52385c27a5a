#include "messages/web_links.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "messages/web_shell.h"
#include "tests/support/fakes.h"

namespace vantrel {
namespace {

using Shown = testing::RecordingMessages::Shown;

// Records the addresses and holds each callback until the test answers it.
class HeldShell final : public WebShell {
 public:
  void Open(const std::string& address, ResultCallback done) override {
    addresses.push_back(address);
    callbacks.push_back(std::move(done));
  }
  std::vector<std::string> addresses;
  std::vector<ResultCallback> callbacks;
};

TEST(OpenWebPageTest, ShowsOneBoxForEachFailureWhenItsResultArrives) {
  const std::string named = "Error opening webpage";
  const std::string other = "Error Opening Webpage";
  const std::tuple<int, std::string, std::string> failures[] = {
      {0, named, "Error w71: Out of Memory"},      {2, named, "Error w72: File not found"},
      {3, named, "Error w73: Directory not"},      {11, named, "Error w74: Wrong format in EXE"},
      {1, other, "Error Nr: 1 in ShellExecute"},   {31, other, "Error Nr: 31 in ShellExecute"},
      {32, other, "Error Nr: 32 in ShellExecute"}, {-137, other, "Error Nr: -137 in ShellExecute"},
  };
  for (const auto& [result, caption, text] : failures) {
    HeldShell shell;
    testing::RecordingMessages messages;
    OpenWebPage(messages, shell, kProductPage);
    ASSERT_EQ(shell.callbacks.size(), 1u);
    EXPECT_TRUE(messages.shown().empty()) << "before the result";
    shell.callbacks[0](result);
    const std::vector<Shown> expected{{Shown::kOwned, caption, text}};
    EXPECT_EQ(messages.shown(), expected) << result;
  }
}

TEST(OpenWebPageTest, ResultsAbove32ShowNothing) {
  HeldShell shell;
  testing::RecordingMessages messages;
  OpenWebPage(messages, shell, kMakerHomePage);
  OpenWebPage(messages, shell, kProductPage);
  EXPECT_EQ(shell.addresses, (std::vector<std::string>{kMakerHomePage, kProductPage}));
  shell.callbacks[0](33);
  shell.callbacks[1](42);
  EXPECT_TRUE(messages.shown().empty());
}

TEST(WebAddressesTest, AreHttpOnOneReservedHostWithTheQueryAndPathGiven) {
  const std::string scheme = "http://";
  const std::string home = kMakerHomePage;
  ASSERT_EQ(home.rfind(scheme, 0), 0u);
  // The query follows the host name directly, without a slash.
  const std::string host = home.substr(scheme.size(), home.find('?') - scheme.size());
  EXPECT_EQ(home, scheme + host + "?vantrel2");
  EXPECT_EQ(host.find('/'), std::string::npos);
  EXPECT_TRUE(host.ends_with(".example")) << host;
  EXPECT_EQ(std::string(kProductPage), scheme + host + "/vantrel/");
}

}  // namespace
}  // namespace vantrel

#include "desktop/app/on_demand.h"

#include <gtest/gtest.h>

#include <memory>

namespace vantrel {
namespace {

// A window from a plugin that cannot be loaded at first: each ask tries again, and the
// window is wired once, when it is finally made.
TEST(OnDemandTest, AFailedMakeIsTriedAgainAndOnlyAMadeWindowIsWired) {
  bool loadable = false;
  int makes = 0;
  int wired = 0;
  OnDemand<int> window(
      [&]() -> std::unique_ptr<int> {
        ++makes;
        return loadable ? std::make_unique<int>(7) : nullptr;
      },
      [&](int&) { ++wired; });
  EXPECT_EQ(window.TryGet(), nullptr);
  EXPECT_EQ(window.TryGet(), nullptr);
  EXPECT_EQ(window.IfMade(), nullptr);
  loadable = true;
  ASSERT_NE(window.TryGet(), nullptr);
  EXPECT_EQ(&window.Get(), window.TryGet());
  EXPECT_EQ(makes, 3);
  EXPECT_EQ(wired, 1);
}

}  // namespace
}  // namespace vantrel

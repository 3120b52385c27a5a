#include "organism/dash_pattern.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace vantrel {
namespace {

using Stretches = std::vector<std::pair<double, double>>;

TEST(DashPatternTest, PatternRestartsOnEveryLineInPenWidths) {
  EXPECT_EQ(InkedStretches(PenStyle::kSolid, 10, 50), (Stretches{{0, 50}}));
  EXPECT_EQ(InkedStretches(PenStyle::kInvisible, 10, 50), Stretches{});
  EXPECT_EQ(InkedStretches(PenStyle::kDash, 10, 100), (Stretches{{0, 40}, {60, 100}}));
  EXPECT_EQ(InkedStretches(PenStyle::kDashDot, 2, 30), (Stretches{{0, 8}, {12, 14}, {18, 26}}));
  EXPECT_EQ(InkedStretches(PenStyle::kDot, 1, 7), (Stretches{{0, 1}, {3, 4}, {6, 7}}));
  EXPECT_EQ(InkedStretches(PenStyle::kDashDotDot, 1, 0), Stretches{});
}

TEST(DashPatternTest, AWindowKeepsOnlyTheStretchesReachingIntoItInPhase) {
  // Dash 4, gap 2 (width 1): the dashes reaching into 1e9 + 1 .. 1e9 + 9, in phase with
  // the line's start; the one ending at 1e9 stops short of it.
  const Stretches far = InkedStretches(PenStyle::kDash, 1, 2e9, 1e9 + 1, 1e9 + 9);
  EXPECT_EQ(far, (Stretches{{1e9 + 2, 1e9 + 6}, {1e9 + 8, 1e9 + 12}}));
  EXPECT_EQ(InkedStretches(PenStyle::kSolid, 3, 2e9, 5, 6), (Stretches{{0, 2e9}}));
  EXPECT_EQ(InkedStretches(PenStyle::kDash, 1, 100, 20, 10), Stretches{});
}

}  // namespace
}  // namespace vantrel

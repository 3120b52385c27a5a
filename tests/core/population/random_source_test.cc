#include "population/random_source.h"

#include <gtest/gtest.h>

#include <vector>

namespace vantrel {
namespace {

TEST(LcgRandomTest, ReproducesTheKnownSequenceFromAClockSeed) {
  LcgRandom random(37230000);
  std::vector<int> digits;
  for (int i = 0; i < 13; ++i) digits.push_back(random.Draw(10));
  EXPECT_EQ(digits, (std::vector<int>{1, 3, 7, 6, 4, 6, 4, 0, 6, 7, 4, 6, 5}));
}

TEST(LcgRandomTest, AdvancesTheSeedBeforeEachDrawAndWrapsAt32Bits) {
  LcgRandom random(0xFFFFFFFFu);
  random.Draw(2);
  // (2^32 - 1) * 134775813 + 1 mod 2^32 == 1 - 134775813 mod 2^32.
  EXPECT_EQ(random.seed(), static_cast<std::uint32_t>(1u - 134775813u));
  // The draw is the upper half of seed * n: for n = 2^31 - 1 it stays below n.
  LcgRandom top(0);
  top.Seed(0xFFFFFFFFu);
  EXPECT_LT(top.Draw(0x7FFFFFFF), 0x7FFFFFFF);
}

TEST(LcgRandomTest, DrawsAreRoughlyUniform) {
  LcgRandom random(12345);
  std::vector<int> counts(13);
  constexpr int kDraws = 130000;
  for (int i = 0; i < kDraws; ++i) ++counts[random.Draw(13)];
  for (int count : counts) EXPECT_NEAR(count, kDraws / 13, kDraws / 13 / 20);
}

TEST(LcgRandomTest, NonPositiveBoundGivesZeroButStillAdvances) {
  LcgRandom random(7);
  EXPECT_EQ(random.Draw(0), 0);
  EXPECT_NE(random.seed(), 7u);
}

}  // namespace
}  // namespace vantrel

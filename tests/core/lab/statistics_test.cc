#include <gtest/gtest.h>

#include <vector>

#include "lab/median_difference.h"
#include "lab/rank_test.h"

namespace vantrel {
namespace {

// Five against four without ties. Ranks of the first sample among the nine: 3, 5, 7, 8, 9,
// so U = 32 − 15 = 17 of 20. U ≤ 3 happens in 7 of the C(9, 4) = 126 arrangements (the
// partitions of 0, 1, 2 and 3 into parts no larger than 4: 1 + 1 + 2 + 3), so the
// two-sided p is 14 / 126.
TEST(MannWhitneyTest, SmallSamplesWithoutTiesGetTheExactTextbookP) {
  const std::vector<int> first = {19, 22, 16, 29, 24};
  const std::vector<int> second = {20, 11, 17, 12};
  const RankTest test = MannWhitneyTest(first, second);
  EXPECT_TRUE(test.exact);
  EXPECT_DOUBLE_EQ(test.u, 17);
  EXPECT_NEAR(test.p, 14.0 / 126, 1e-12);
  // The other way round: U is 20 − 17 and the two-sided p the same.
  const RankTest reversed = MannWhitneyTest(second, first);
  EXPECT_DOUBLE_EQ(reversed.u, 3);
  EXPECT_NEAR(reversed.p, test.p, 1e-12);
}

// {1, 2, 2, 3} against {2, 3, 4, 5}: mean ranks 1, 3, 3, 5.5 give U = 12.5 − 10 = 2.5;
// ties of three and two make Σ(t³ − t) = 30, so σ² = 16/12 × (9 − 30/56) and
// z = (|2.5 − 8| − 0.5) / σ = 1.48835, two-sided p = erfc(z / √2) = 0.136658.
TEST(MannWhitneyTest, TiesShareTheirMeanRankAndNarrowTheNormalApproximation) {
  const RankTest test = MannWhitneyTest({1, 2, 2, 3}, {2, 3, 4, 5});
  EXPECT_FALSE(test.exact);
  EXPECT_DOUBLE_EQ(test.u, 2.5);
  EXPECT_NEAR(test.p, 0.136658, 1e-6);
}

TEST(MannWhitneyTest, IdenticalSamplesGivePOneAndSeparatedOnesASmallP) {
  const std::vector<int> same = {5, 1, 9, 3, 7, 2, 8};
  EXPECT_DOUBLE_EQ(MannWhitneyTest(same, same).p, 1.0);
  EXPECT_DOUBLE_EQ(MannWhitneyTest({4, 4, 4}, {4, 4}).p, 1.0);  // all tied

  // Thirty against thirty, every value of one above every value of the other: beyond the
  // exact table, so normal: z = (450 − 0.5) / √(900 × 61 / 12), p = 3.0199e-11.
  std::vector<int> low;
  std::vector<int> high;
  for (int i = 0; i < 30; ++i) {
    low.push_back(i);
    high.push_back(100 + i);
  }
  const RankTest test = MannWhitneyTest(low, high);
  EXPECT_FALSE(test.exact);
  EXPECT_DOUBLE_EQ(test.u, 0);
  EXPECT_NEAR(test.p / 3.0199e-11, 1.0, 1e-3);
  // Exact for small ones: 5 against 5 all apart is 1 arrangement in 252 each way.
  EXPECT_NEAR(MannWhitneyTest({1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}).p, 2.0 / 252, 1e-12);
}

TEST(MannWhitneyTest, AnEmptySampleTellsNothing) {
  const RankTest test = MannWhitneyTest({}, {1, 2, 3});
  EXPECT_DOUBLE_EQ(test.p, 1.0);
  EXPECT_DOUBLE_EQ(MannWhitneyTest({1}, {}).p, 1.0);
  EXPECT_DOUBLE_EQ(MannWhitneyTest({1}, {2}).p, 1.0);  // one arrangement each way
}

TEST(MedianTest, TakesTheMiddleValueOrTheMeanOfTheMiddleTwo) {
  EXPECT_DOUBLE_EQ(MedianOf({9, 1, 5}), 5);
  EXPECT_DOUBLE_EQ(MedianOf({9, 1, 4, 6}), 5);
  EXPECT_DOUBLE_EQ(MedianOf({}), 0);
}

TEST(MedianDifferenceTest, IdenticalSamplesSpanZeroAndSeparatedOnesDoNot) {
  const std::vector<int> sample = {12, 40, 7, 19, 33, 25, 16, 28, 9, 45, 21, 30};
  const MedianDifference same = BootstrapMedianDifference(sample, sample, 1);
  EXPECT_DOUBLE_EQ(same.difference, 0);
  EXPECT_LT(same.low, 0);
  EXPECT_GT(same.high, 0);
  EXPECT_TRUE(same.SpansZero());

  std::vector<int> later = sample;
  for (int& v : later) v += 100;
  const MedianDifference apart = BootstrapMedianDifference(sample, later, 1);
  EXPECT_DOUBLE_EQ(apart.difference, 100);
  // Every resampled median of `later` lies above every one of `sample`: the interval is
  // within the largest and smallest possible differences, all positive.
  EXPECT_GE(apart.low, 100 + 7 - 45);
  EXPECT_GT(apart.low, 0);
  EXPECT_LE(apart.high, 100 + 45 - 7);
  EXPECT_LE(apart.low, apart.difference);
  EXPECT_GE(apart.high, apart.difference);
  EXPECT_FALSE(apart.SpansZero());
  // Fewer clicks is a negative difference.
  EXPECT_LT(BootstrapMedianDifference(later, sample, 1).high, 0);
}

TEST(MedianDifferenceTest, TheSameSeedGivesTheSameIntervalAndAnotherSeedAnother) {
  const std::vector<int> a = {3, 8, 1, 9, 4, 7, 2, 6, 5, 10, 15, 11};
  const std::vector<int> b = {5, 12, 4, 14, 9, 7, 13, 8, 6, 20, 11, 10};
  const MedianDifference one = BootstrapMedianDifference(a, b, 42);
  const MedianDifference again = BootstrapMedianDifference(a, b, 42);
  EXPECT_EQ(one.low, again.low);
  EXPECT_EQ(one.high, again.high);
  const MedianDifference other = BootstrapMedianDifference(a, b, 43);
  EXPECT_TRUE(other.low != one.low || other.high != one.high);
  // A wider level gives a wider interval from the same draws.
  const MedianDifference wide = BootstrapMedianDifference(a, b, 42, kBootstrapResamples, 0.99);
  EXPECT_LE(wide.low, one.low);
  EXPECT_GE(wide.high, one.high);
}

TEST(MedianDifferenceTest, OneValueEachGivesThatDifferenceAndNoSpread) {
  const MedianDifference single = BootstrapMedianDifference({10}, {25}, 3);
  EXPECT_DOUBLE_EQ(single.difference, 15);
  EXPECT_DOUBLE_EQ(single.low, 15);
  EXPECT_DOUBLE_EQ(single.high, 15);
  const MedianDifference empty = BootstrapMedianDifference({}, {25}, 3);
  EXPECT_DOUBLE_EQ(empty.difference, 0);
  EXPECT_TRUE(empty.SpansZero());
}

}  // namespace
}  // namespace vantrel

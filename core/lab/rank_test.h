#ifndef VANTREL_LAB_RANK_TEST_H_
#define VANTREL_LAB_RANK_TEST_H_

#include <vector>

namespace vantrel {

// The two-sided Mann–Whitney U test (Wilcoxon rank-sum): do two samples come from the same
// distribution, or does one tend to give larger values than the other?
struct RankTest {
  // The U of the first sample: the pairs (a, b) with a > b, a tie counting a half.
  // U of the second sample is n_a × n_b − u.
  double u = 0;
  double p = 1;  // two-sided
  // Exact: counted over every arrangement of the ranks (small samples without ties).
  // Otherwise the normal approximation with the tie correction and a continuity correction.
  bool exact = false;
};

// Samples up to this size, without ties, get the exact p-value; its table takes
// about (n_a × n_b)² / 4 steps.
inline constexpr int kExactRankTestMaxSize = 20;

// p is 1 when either sample is empty or every value is the same.
RankTest MannWhitneyTest(const std::vector<int>& a, const std::vector<int>& b);

}  // namespace vantrel

#endif  // VANTREL_LAB_RANK_TEST_H_

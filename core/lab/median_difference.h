#ifndef VANTREL_LAB_MEDIAN_DIFFERENCE_H_
#define VANTREL_LAB_MEDIAN_DIFFERENCE_H_

#include <cstdint>
#include <vector>

namespace vantrel {

// The median of `values` (the mean of the middle two for an even count), 0 when empty.
double MedianOf(std::vector<int> values);

// The difference median(b) − median(a) with a bootstrap percentile interval: both samples
// are drawn again with replacement `resamples` times and the interval holds the middle
// `level` of the differences found.
struct MedianDifference {
  double difference = 0;
  double low = 0;
  double high = 0;

  bool SpansZero() const { return low <= 0 && high >= 0; }
};

inline constexpr int kBootstrapResamples = 2000;

// Draws from a random source of its own seeded with `seed`, and by a rule of its own
// (not the C++ library's distributions, which differ between libraries), so the interval
// is the same on every machine and in the browser. The resamples are drawn from each sample
// sorted, so the same values in any order give the same interval. Both samples must hold a
// value.
MedianDifference BootstrapMedianDifference(const std::vector<int>& a, const std::vector<int>& b,
                                           std::uint64_t seed, int resamples = kBootstrapResamples,
                                           double level = 0.95);

}  // namespace vantrel

#endif  // VANTREL_LAB_MEDIAN_DIFFERENCE_H_

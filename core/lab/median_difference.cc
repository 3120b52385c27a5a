#include "lab/median_difference.h"

#include <algorithm>
#include <cstddef>

namespace vantrel {

namespace {

// SplitMix64: small, fast and fully defined, so every platform draws the same numbers.
class SplitMix64 {
 public:
  explicit SplitMix64(std::uint64_t seed) : state_(seed) {}

  std::uint64_t Next() {
    std::uint64_t x = (state_ += 0x9E3779B97F4A7C15ULL);
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
  }

  // An index below `count` (at most 2³²), by the top 32 bits times the count: the bias is
  // below count / 2³², far under what a bootstrap can see.
  std::size_t Below(std::size_t count) {
    return static_cast<std::size_t>(((Next() >> 32) * static_cast<std::uint64_t>(count)) >> 32);
  }

 private:
  std::uint64_t state_;
};

// The median of a resample of `sorted` (ascending): the draws are counted per place, and the
// middle places of the resample are found by walking the counts, which gives the order
// statistics of the drawn values without sorting or selecting them. `counts` is scratch.
double ResampledMedian(const std::vector<int>& sorted, SplitMix64& random,
                       std::vector<int>& counts) {
  const std::size_t size = sorted.size();
  counts.assign(size, 0);
  for (std::size_t i = 0; i < size; ++i) ++counts[random.Below(size)];
  // The value at rank `rank` (from 0) of the resample.
  const auto at_rank = [&](std::size_t rank) {
    std::size_t seen = 0;
    for (std::size_t place = 0; place < size; ++place) {
      seen += static_cast<std::size_t>(counts[place]);
      if (seen > rank) return sorted[place];
    }
    return sorted.back();
  };
  const std::size_t half = size / 2;
  const double upper = at_rank(half);
  if (size % 2 == 1) return upper;
  return (at_rank(half - 1) + upper) / 2;
}

// The value at `fraction` of the sorted `values`, interpolating between ranks as the
// summary's quartiles do.
double Percentile(const std::vector<double>& sorted, double fraction) {
  const double position = fraction * static_cast<double>(sorted.size() - 1);
  const auto below = static_cast<std::size_t>(position);
  const std::size_t above = std::min(below + 1, sorted.size() - 1);
  return sorted[below] + (position - static_cast<double>(below)) * (sorted[above] - sorted[below]);
}

}  // namespace

double MedianOf(std::vector<int> values) {
  if (values.empty()) return 0;
  const std::size_t half = values.size() / 2;
  std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(half),
                   values.end());
  const double upper = values[half];
  if (values.size() % 2 == 1) return upper;
  const int lower =
      *std::max_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(half));
  return (lower + upper) / 2;
}

MedianDifference BootstrapMedianDifference(const std::vector<int>& a, const std::vector<int>& b,
                                           std::uint64_t seed, int resamples, double level) {
  MedianDifference result;
  if (a.empty() || b.empty()) return result;
  result.difference = MedianOf(b) - MedianOf(a);
  // Drawn from the sorted values: the interval does not depend on the order they came in.
  std::vector<int> sorted_a = a;
  std::vector<int> sorted_b = b;
  std::sort(sorted_a.begin(), sorted_a.end());
  std::sort(sorted_b.begin(), sorted_b.end());
  SplitMix64 random(seed);
  std::vector<double> differences;
  differences.reserve(static_cast<std::size_t>(std::max(1, resamples)));
  std::vector<int> scratch;
  for (int r = 0; r < resamples; ++r) {
    const double median_a = ResampledMedian(sorted_a, random, scratch);
    differences.push_back(ResampledMedian(sorted_b, random, scratch) - median_a);
  }
  if (differences.empty()) {
    result.low = result.high = result.difference;
    return result;
  }
  std::sort(differences.begin(), differences.end());
  const double tail = (1 - level) / 2;
  result.low = Percentile(differences, tail);
  result.high = Percentile(differences, 1 - tail);
  return result;
}

}  // namespace vantrel

#include "lab/rank_test.h"

#include <algorithm>
#include <boost/math/distributions/normal.hpp>
#include <cmath>
#include <cstddef>
#include <utility>

namespace vantrel {

namespace {

// The normal distribution's errors set errno instead of throwing: its z is always finite
// here, so no error can arise, and the thrown message's formatting would otherwise bring
// the C++ library's streams and locales into the page's WebAssembly (85 KB of its 780 KB).
// Every other setting, the internal precision included, stays the library's default.
using NoThrowPolicy = boost::math::policies::policy<
    boost::math::policies::domain_error<boost::math::policies::errno_on_error>,
    boost::math::policies::pole_error<boost::math::policies::errno_on_error>,
    boost::math::policies::overflow_error<boost::math::policies::errno_on_error>,
    boost::math::policies::evaluation_error<boost::math::policies::errno_on_error>,
    boost::math::policies::rounding_error<boost::math::policies::errno_on_error>>;

// How many of the C(m + n, m) arrangements of m values against n give each U from 0 to
// m × n, by the recurrence on the largest value: from the first sample it beats all n
// others (U grows by n), from the second it beats none.
std::vector<double> ArrangementsByU(int m, int n) {
  // counts[i][j]: the distribution for i values against j, one row of j at a time.
  std::vector<std::vector<std::vector<double>>> counts(static_cast<std::size_t>(m) + 1,
                                                       std::vector<std::vector<double>>(n + 1));
  for (int i = 0; i <= m; ++i) {
    for (int j = 0; j <= n; ++j) {
      std::vector<double>& here = counts[i][j];
      here.assign(static_cast<std::size_t>(i * j) + 1, 0.0);
      if (i == 0 || j == 0) {
        here[0] = 1;
        continue;
      }
      const std::vector<double>& largest_first = counts[i - 1][j];
      const std::vector<double>& largest_second = counts[i][j - 1];
      for (std::size_t u = 0; u < largest_first.size(); ++u) here[u + j] += largest_first[u];
      for (std::size_t u = 0; u < largest_second.size(); ++u) here[u] += largest_second[u];
    }
  }
  return counts[m][n];
}

double ExactP(double u, int m, int n) {
  const std::vector<double> counts = ArrangementsByU(m, n);
  double total = 0;
  double at_most = 0;
  double at_least = 0;
  for (std::size_t k = 0; k < counts.size(); ++k) {
    total += counts[k];
    if (static_cast<double>(k) <= u) at_most += counts[k];
    if (static_cast<double>(k) >= u) at_least += counts[k];
  }
  return std::min(1.0, 2 * std::min(at_most, at_least) / total);
}

}  // namespace

RankTest MannWhitneyTest(const std::vector<int>& a, const std::vector<int>& b) {
  RankTest test;
  const auto m = static_cast<double>(a.size());
  const auto n = static_cast<double>(b.size());
  if (a.empty() || b.empty()) return test;

  // Ranks over both samples, ties sharing their mean rank.
  std::vector<std::pair<int, bool>> values;  // value, from the first sample
  values.reserve(a.size() + b.size());
  for (int v : a) values.emplace_back(v, true);
  for (int v : b) values.emplace_back(v, false);
  std::sort(values.begin(), values.end());
  double rank_sum_a = 0;
  double tie_sum = 0;  // sum of t³ − t over the groups of t equal values
  for (std::size_t start = 0; start < values.size();) {
    std::size_t end = start;
    while (end < values.size() && values[end].first == values[start].first) ++end;
    const double mean_rank = static_cast<double>(start + end + 1) / 2;
    for (std::size_t k = start; k < end; ++k) {
      if (values[k].second) rank_sum_a += mean_rank;
    }
    const auto t = static_cast<double>(end - start);
    tie_sum += t * t * t - t;
    start = end;
  }
  test.u = rank_sum_a - m * (m + 1) / 2;

  if (tie_sum == 0 && a.size() <= kExactRankTestMaxSize && b.size() <= kExactRankTestMaxSize) {
    test.exact = true;
    test.p = ExactP(test.u, static_cast<int>(a.size()), static_cast<int>(b.size()));
    return test;
  }
  const double total = m + n;
  const double variance = m * n / 12 * ((total + 1) - tie_sum / (total * (total - 1)));
  if (variance <= 0) return test;  // every value the same: nothing tells them apart
  const double mean = m * n / 2;
  const double z = std::max(0.0, std::abs(test.u - mean) - 0.5) / std::sqrt(variance);
  const boost::math::normal_distribution<double, NoThrowPolicy> standard;
  test.p = std::min(1.0, 2 * boost::math::cdf(boost::math::complement(standard, z)));
  return test;
}

}  // namespace vantrel

#include "organism/dash_pattern.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vantrel {

std::span<const double> DashPattern(PenStyle style) {
  static constexpr std::array<double, 2> kDash = {4, 2};
  static constexpr std::array<double, 2> kDot = {1, 2};
  static constexpr std::array<double, 4> kDashDot = {4, 2, 1, 2};
  static constexpr std::array<double, 6> kDashDotDot = {4, 2, 1, 2, 1, 2};
  switch (style) {
    case PenStyle::kDash:
      return kDash;
    case PenStyle::kDot:
      return kDot;
    case PenStyle::kDashDot:
      return kDashDot;
    case PenStyle::kDashDotDot:
      return kDashDotDot;
    case PenStyle::kInvisible:
    case PenStyle::kSolid:
      break;
  }
  return {};
}

std::vector<std::pair<double, double>> InkedStretches(PenStyle style, double width, double length,
                                                      double first, double last) {
  std::vector<std::pair<double, double>> stretches;
  if (style == PenStyle::kInvisible || !(length >= 0) || !(first <= last)) return stretches;
  const std::span<const double> pattern = DashPattern(style);
  if (pattern.empty() || width <= 0) {
    stretches.emplace_back(0, length);
    return stretches;
  }
  // Whole repeats of the pattern before the window are skipped without walking them.
  double period = 0;
  for (const double piece : pattern) period += piece * width;
  double position = first > period ? std::floor(first / period) * period : 0;
  const double stop = std::min(length, last);
  for (std::size_t i = 0; position < length && position <= stop; i = (i + 1) % pattern.size()) {
    const double end = position + pattern[i] * width;
    if (i % 2 == 0 && end >= first) stretches.emplace_back(position, std::min(end, length));
    position = end;
  }
  return stretches;
}

}  // namespace vantrel

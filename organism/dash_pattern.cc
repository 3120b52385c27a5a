#include "organism/dash_pattern.h"

#include <algorithm>
#include <array>

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

std::vector<std::pair<double, double>> InkedStretches(PenStyle style, double width, double length) {
  std::vector<std::pair<double, double>> stretches;
  if (style == PenStyle::kInvisible || length < 0) return stretches;
  const std::span<const double> pattern = DashPattern(style);
  if (pattern.empty() || width <= 0) {
    stretches.emplace_back(0, length);
    return stretches;
  }
  double position = 0;
  for (std::size_t i = 0; position < length; i = (i + 1) % pattern.size()) {
    const double end = position + pattern[i] * width;
    if (i % 2 == 0) stretches.emplace_back(position, std::min(end, length));
    position = end;
  }
  return stretches;
}

}  // namespace vantrel

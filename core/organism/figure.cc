#include "organism/figure.h"

#include <cmath>
#include <numbers>

namespace vantrel {

std::vector<Point> FigurePoints(int vertex_count, int radius, double rotation, Point centre) {
  std::vector<Point> points;
  if (vertex_count < 1) return points;
  points.reserve(vertex_count + 1);
  for (int k = 0; k <= vertex_count; ++k) {
    const double angle = 2.0 * std::numbers::pi * k / vertex_count + rotation;
    // nearbyint rounds halves to even under the default rounding mode.
    points.push_back(Point{static_cast<int>(std::nearbyint(radius * std::sin(angle) + centre.x)),
                           static_cast<int>(std::nearbyint(radius * std::cos(angle) + centre.y))});
  }
  return points;
}

}  // namespace vantrel

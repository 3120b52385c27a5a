#include "organism/qt/stroke_raster.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <span>

namespace vantrel {

namespace {

// QPainter's patterns for the dashed styles: ink, gap, ink, gap ... in pen widths.
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

struct Interval {
  double low;
  double high;
};

// The x interval where low <= c0 + c1 * (x - origin) <= high, or nothing.
bool LinearInterval(double c0, double c1, double origin, double low, double high, Interval* out) {
  if (std::abs(c1) < 1e-12) {
    if (c0 < low || c0 > high) return false;
    *out = {-1e30, 1e30};
    return true;
  }
  double a = origin + (low - c0) / c1;
  double b = origin + (high - c0) / c1;
  if (a > b) std::swap(a, b);
  *out = {a, b};
  return true;
}

void Unite(const Interval& piece, bool* any, Interval* hull) {
  if (!*any) {
    *hull = piece;
    *any = true;
    return;
  }
  hull->low = std::min(hull->low, piece.low);
  hull->high = std::max(hull->high, piece.high);
}

// A segment with its direction worked out once.
class Segment {
 public:
  Segment(QPointF from, QPointF to)
      : a_(from), b_(to), dx_(to.x() - from.x()), dy_(to.y() - from.y()) {
    length_ = std::sqrt(dx_ * dx_ + dy_ * dy_);
    if (length_ > 0) {
      ux_ = dx_ / length_;
      uy_ = dy_ / length_;
    }
  }

  // Where the horizontal line y cuts the capsule of radius r about the segment: a capsule
  // is convex, so the cut is one interval, the hull of the cuts of its end discs and band.
  bool CrossSection(double r, double y, Interval* out) const {
    if (r <= 0) return false;
    bool any = false;
    for (const QPointF& end : {a_, b_}) {
      const double dy = y - end.y();
      if (std::abs(dy) < r) {
        const double half = std::sqrt(r * r - dy * dy);
        Unite({end.x() - half, end.x() + half}, &any, out);
      }
    }
    if (length_ > 0) {
      Interval across;
      Interval along;
      // Across the segment a point lies at -(x - ax) uy + (y - ay) ux, along it at
      // (x - ax) ux + (y - ay) uy.
      if (LinearInterval((y - a_.y()) * ux_, -uy_, a_.x(), -r, r, &across) &&
          LinearInterval((y - a_.y()) * uy_, ux_, a_.x(), 0, length_, &along)) {
        const Interval band{std::max(across.low, along.low), std::min(across.high, along.high)};
        if (band.low <= band.high) Unite(band, &any, out);
      }
    }
    return any;
  }

  double Distance(double px, double py) const {
    double t = length_ > 0 ? ((px - a_.x()) * dx_ + (py - a_.y()) * dy_) / (length_ * length_) : 0;
    t = std::clamp(t, 0.0, 1.0);
    const double ex = px - (a_.x() + t * dx_);
    const double ey = py - (a_.y() + t * dy_);
    return std::sqrt(ex * ex + ey * ey);
  }

 private:
  QPointF a_;
  QPointF b_;
  double dx_;
  double dy_;
  double length_ = 0;
  double ux_ = 0;
  double uy_ = 0;
};

// `colour` over `pixel` with `alpha` from 0 to 256, on all four bytes at once.
inline QRgb Over(QRgb colour, QRgb pixel, std::uint32_t alpha) {
  const std::uint32_t rest = 256 - alpha;
  const std::uint32_t rb = ((colour & 0xFF00FF) * alpha + (pixel & 0xFF00FF) * rest) >> 8;
  const std::uint32_t ag = ((colour >> 8) & 0xFF00FF) * alpha + ((pixel >> 8) & 0xFF00FF) * rest;
  return (rb & 0xFF00FF) | (ag & 0xFF00FF00);
}

// Pixels x0..x1 of one row, whose centres lie at height y within reach of the stroke.
void BlendSpan(QRgb* row, double y, int x0, int x1, const Segment& segment, double half_width,
               QRgb colour) {
  // Pixels whose centres lie no further than half_width - 0.5 from the segment are
  // covered whole: fill them without measuring.
  int inner0 = x1 + 1;
  int inner1 = x1;
  Interval inner;
  if (segment.CrossSection(half_width - 0.5, y, &inner)) {
    inner0 = std::max(x0, static_cast<int>(std::ceil(inner.low - 0.5)));
    inner1 = std::min(x1, static_cast<int>(std::floor(inner.high - 0.5)));
    if (inner0 > inner1) {
      inner0 = x1 + 1;
      inner1 = x1;
    }
  }
  auto blend_edge = [&](int x) {
    const double d = segment.Distance(x + 0.5, y);
    // The share of the pixel's width that the stroke's cross-section covers.
    const double cover = std::min(half_width, d + 0.5) - std::max(-half_width, d - 0.5);
    if (cover <= 0) return;
    const auto alpha = static_cast<std::uint32_t>(std::lrint(std::min(cover, 1.0) * 256));
    row[x] = alpha >= 256 ? colour : Over(colour, row[x], alpha);
  };
  for (int x = x0; x < inner0; ++x) blend_edge(x);
  if (inner0 <= inner1) std::fill(row + inner0, row + inner1 + 1, colour);
  for (int x = inner1 + 1; x <= x1; ++x) blend_edge(x);
}

}  // namespace

std::vector<std::pair<double, double>> InkedStretches(PenStyle style, double width, double length) {
  std::vector<std::pair<double, double>> stretches;
  if (style == PenStyle::kInvisible || length < 0) return stretches;
  const std::span<const double> pattern = DashPattern(style);
  if (pattern.empty()) {
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

StrokeRaster::StrokeRaster(QImage& image)
    : bits_(image.bits()),
      bytes_per_line_(image.bytesPerLine()),
      width_(image.width()),
      height_(image.height()) {}

void StrokeRaster::Capsule(QPointF from, QPointF to, double half_width, QRgb colour) {
  if (half_width <= 0) return;
  const double reach = half_width + 0.5;  // no pixel centre further away is touched
  const int top = std::max(0, static_cast<int>(std::floor(std::min(from.y(), to.y()) - reach)));
  const int bottom =
      std::min(height_ - 1, static_cast<int>(std::ceil(std::max(from.y(), to.y()) + reach)));
  const Segment segment(from, to);
  for (int y = top; y <= bottom; ++y) {
    Interval outer;
    if (!segment.CrossSection(reach, y + 0.5, &outer)) continue;
    const int x0 = std::max(0, static_cast<int>(std::ceil(outer.low - 0.5)));
    const int x1 = std::min(width_ - 1, static_cast<int>(std::floor(outer.high - 0.5)));
    if (x0 > x1) continue;
    BlendSpan(reinterpret_cast<QRgb*>(bits_ + y * bytes_per_line_), y + 0.5, x0, x1, segment,
              half_width, colour | 0xFF000000);
  }
}

}  // namespace vantrel

#include "organism/capsule.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "organism/pixel_blend.h"

namespace vantrel {

namespace {

// Rows of pixels are measured this many times across, each time exactly along the row.
constexpr int kSubRows = 8;

struct Interval {
  double low;
  double high;
};

void Unite(const Interval& piece, bool* any, Interval* hull) {
  if (!*any) {
    *hull = piece;
    *any = true;
    return;
  }
  hull->low = std::min(hull->low, piece.low);
  hull->high = std::max(hull->high, piece.high);
}

// The points within r of a segment, cut by horizontal lines.
class CapsuleShape {
 public:
  CapsuleShape(PointF from, PointF to, double r) : a_(from), b_(to), r_(r) {
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    length_ = std::sqrt(dx * dx + dy * dy);
    if (length_ > 0) {
      ux_ = dx / length_;
      uy_ = dy / length_;
    }
    // Along a horizontal line, the distance across the segment and the position along it
    // change by -uy and ux per unit of x; where that change is nil, x does not matter.
    across_slanted_ = std::abs(uy_) >= kFlat;
    along_slanted_ = std::abs(ux_) >= kFlat;
    if (across_slanted_) across_half_ = r / std::abs(uy_);
    if (along_slanted_) along_span_ = length_ / ux_;
  }

  // Where the horizontal line y cuts the capsule: a capsule is convex, so the cut is one
  // interval, the hull of the cuts of its end discs and of the band between them.
  bool Cut(double y, Interval* out) const {
    bool any = false;
    for (const PointF& end : {a_, b_}) {
      const double dy = y - end.y;
      if (std::abs(dy) < r_) {
        const double half = std::sqrt(r_ * r_ - dy * dy);
        Unite({end.x - half, end.x + half}, &any, out);
      }
    }
    if (length_ > 0) {
      const double dy = y - a_.y;
      Interval band{-1e30, 1e30};
      if (across_slanted_) {
        const double middle = a_.x + dy * ux_ / uy_;
        band = {middle - across_half_, middle + across_half_};
      } else if (std::abs(dy * ux_) > r_) {
        return any;
      }
      if (along_slanted_) {
        const double start = a_.x - dy * uy_ / ux_;
        band.low = std::max(band.low, std::min(start, start + along_span_));
        band.high = std::min(band.high, std::max(start, start + along_span_));
      } else if (dy * uy_ < 0 || dy * uy_ > length_) {
        return any;
      }
      if (band.low <= band.high) Unite(band, &any, out);
    }
    return any;
  }

 private:
  static constexpr double kFlat = 1e-12;

  PointF a_;
  PointF b_;
  double r_;
  double length_ = 0;
  double ux_ = 0;
  double uy_ = 0;
  bool across_slanted_ = false;
  bool along_slanted_ = false;
  double across_half_ = 0;
  double along_span_ = 0;
};

}  // namespace

void DrawCapsule(PixelBuffer& buffer, PointF from, PointF to, double half_width, Pixel colour) {
  if (!(half_width > 0)) return;
  const double top_edge = std::max(0.0, std::floor(std::min(from.y, to.y) - half_width));
  const double bottom_edge =
      std::min(static_cast<double>(buffer.height), std::ceil(std::max(from.y, to.y) + half_width));
  if (!(top_edge < bottom_edge)) return;  // also refuses NaN coordinates
  const CapsuleShape capsule(from, to, half_width);
  colour |= kOpaque;
  for (int y = static_cast<int>(top_edge); y < static_cast<int>(bottom_edge); ++y) {
    // The stroke's extent across each sub-row of the pixel row.
    std::array<Interval, kSubRows> cuts;
    int count = 0;
    double outer_low = 1e30;
    double outer_high = -1e30;
    double inner_low = -1e30;
    double inner_high = 1e30;
    for (int k = 0; k < kSubRows; ++k) {
      Interval cut;
      if (!capsule.Cut(y + (k + 0.5) / kSubRows, &cut)) continue;
      cuts[count++] = cut;
      outer_low = std::min(outer_low, cut.low);
      outer_high = std::max(outer_high, cut.high);
      inner_low = std::max(inner_low, cut.low);
      inner_high = std::min(inner_high, cut.high);
    }
    if (count == 0) continue;
    const double low = std::max(0.0, std::floor(outer_low));
    const double high = std::min(buffer.width - 1.0, std::ceil(outer_high) - 1);
    if (!(low <= high)) continue;
    const int x0 = static_cast<int>(low);
    const int x1 = static_cast<int>(high);
    // Pixels inside the stroke in every sub-row are covered whole.
    int inner0 = x1 + 1;
    int inner1 = x1;
    if (count == kSubRows && inner_low < inner_high) {
      // Kept within the row before becoming whole numbers: a far end may not fit an int.
      inner0 = static_cast<int>(std::max(low, std::ceil(inner_low)));
      inner1 = static_cast<int>(std::min(high, std::floor(inner_high) - 1));
      if (inner0 > inner1) {
        inner0 = x1 + 1;
        inner1 = x1;
      }
    }
    Pixel* row = buffer.Row(y);
    auto blend_edge = [&](int x) {
      double cover = 0;
      for (int k = 0; k < count; ++k) {
        cover += std::max(0.0, std::min(x + 1.0, cuts[k].high) - std::max(x + 0.0, cuts[k].low));
      }
      const auto alpha = static_cast<std::uint32_t>(std::lrint(cover * 256 / kSubRows));
      if (alpha == 0) return;
      row[x] = alpha >= 256 ? colour : Over(colour, row[x], alpha);
    };
    for (int x = x0; x < inner0; ++x) blend_edge(x);
    if (inner0 <= inner1) std::fill(row + inner0, row + inner1 + 1, colour);
    for (int x = inner1 + 1; x <= x1; ++x) blend_edge(x);
  }
}

}  // namespace vantrel

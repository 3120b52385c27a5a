#include "organism/hairline.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <utility>

#include "organism/pixel_blend.h"

namespace vantrel {

namespace {

// Positions in 26.6 fixed point: 64 units to a pixel.
constexpr int kUnit = 64;
constexpr int kHalf = kUnit / 2;

// Moves the ends of a segment into low <= s <= high along one axis (s that axis, t the
// other), keeping it on its line; false when it lies wholly outside.
bool ClipAxis(double& s1, double& t1, double& s2, double& t2, double low, double high) {
  if (s1 < low) {
    if (s2 <= low) return false;
    t1 += (t2 - t1) / (s2 - s1) * (low - s1);
    s1 = low;
  } else if (s1 > high) {
    if (s2 >= high) return false;
    t1 += (t2 - t1) / (s2 - s1) * (high - s1);
    s1 = high;
  }
  if (s2 < low) {
    t2 += (t2 - t1) / (s2 - s1) * (low - s2);
    s2 = low;
  } else if (s2 > high) {
    t2 += (t2 - t1) / (s2 - s1) * (high - s2);
    s2 = high;
  }
  return true;
}

// Follows the dash pattern one pixel step at a time along the longer axis. The pattern
// starts where the line starts, also when the line is walked from its end.
class DashWalker {
 public:
  // The walk runs from `first` to `last` (26.6); `backwards` when that is end to start.
  DashWalker(std::span<const double> pattern, bool backwards, int first, int last)
      : count_(static_cast<int>(std::min(pattern.size(), ends_.size()))), backwards_(backwards) {
    if (count_ == 0) return;
    for (int i = 0; i < count_; ++i) {
      const double piece = pattern[backwards ? count_ - 1 - i : i];
      length_ += std::max(1, static_cast<int>(piece * kUnit));
      ends_[i] = length_;
    }
    // Pixel centres are where the pattern is read.
    const int centre_shift = (first & (kUnit - 1)) - kHalf;
    long offset = backwards ? length_ - (last - first) - centre_shift : -centre_shift;
    offset %= length_;
    if (offset < 0) offset += length_;
    offset_ = static_cast<int>(offset);
    while (offset_ >= ends_[index_]) ++index_;
  }

  bool on() const {
    // Reversed, the pattern's gaps take the even places.
    return count_ == 0 || (index_ % 2 == 0) != backwards_;
  }

  void Step() {
    if (count_ == 0) return;
    offset_ += kUnit;
    if (offset_ >= ends_[index_]) index_ = (index_ + 1) % count_;
    offset_ %= length_;
  }

 private:
  std::array<int, 6> ends_{};  // where each piece ends, from the pattern's start
  int count_;
  bool backwards_;
  int length_ = 0;
  int offset_ = 0;
  int index_ = 0;
};

class Plotter {
 public:
  Plotter(PixelBuffer& buffer, Pixel colour, bool steep)
      : buffer_(buffer), colour_(colour), steep_(steep) {}

  // Covers the pixel at `major` along the longer axis and `minor` across by `coverage`
  // of 255.
  void Plot(int major, int minor, std::uint32_t coverage) const {
    const int x = steep_ ? minor : major;
    const int y = steep_ ? major : minor;
    if (x < 0 || y < 0 || x >= buffer_.width || y >= buffer_.height) return;
    Pixel& pixel = buffer_.Row(y)[x];
    pixel = PremultipliedOver(Scale255(colour_, coverage), pixel);
  }

 private:
  PixelBuffer& buffer_;
  Pixel colour_;
  bool steep_;
};

}  // namespace

void DrawHairline(PixelBuffer& buffer, PointF from, PointF to, const Hairline& pen) {
  const Pixel colour = Scale256(pen.colour | kOpaque, std::clamp(pen.opacity, 0, 256));
  if (from.x == to.x && from.y == to.y) {
    if (!std::isfinite(from.x) || !std::isfinite(from.y)) return;
    const double x = std::floor(from.x + 0.5);
    const double y = std::floor(from.y + 0.5);
    if (x < 0 || y < 0 || x >= buffer.width || y >= buffer.height) return;
    Plotter(buffer, colour, false).Plot(static_cast<int>(x), static_cast<int>(y), 255);
    return;
  }
  // Clipped a pixel beyond the buffer: far enough that clipping shows no ends.
  if (!ClipAxis(from.x, from.y, to.x, to.y, -1, buffer.width + 1) ||
      !ClipAxis(from.y, from.x, to.y, to.x, -1, buffer.height + 1)) {
    return;
  }
  const auto fixed = [](double v) { return static_cast<int>(v * kUnit); };
  const int dx = fixed(to.x) - fixed(from.x);
  const int dy = fixed(to.y) - fixed(from.y);
  // Walk along the longer axis ("major") and step across it ("minor").
  const bool steep = std::abs(dx) < std::abs(dy);
  int major1 = fixed(steep ? from.y : from.x);
  int minor1 = fixed(steep ? from.x : from.y);
  int major2 = fixed(steep ? to.y : to.x);
  int minor2 = fixed(steep ? to.x : to.y);
  if (major1 == major2) return;
  // The minor position's change per whole major pixel, in 16.16.
  const std::int64_t slope =
      (static_cast<std::int64_t>(minor2 - minor1) * 65536) / (major2 - major1);
  const bool backwards = major1 > major2;
  if (backwards) {
    std::swap(major1, major2);
    std::swap(minor1, minor2);
  }
  // The minor position (16.16) at the first major pixel centre, less half a pixel, so
  // that its whole part is the upper of the two pixels that share the step.
  std::int64_t minor = static_cast<std::int64_t>(minor1 - kHalf) * 1024;
  minor -= (((major1 & (kUnit - 1)) - kHalf) * slope) >> 6;
  // Each end reaches half a pixel further, as a capped pen does.
  major1 -= kHalf;
  minor -= slope >> 1;
  major2 += kHalf;

  DashWalker dashes(pen.dashes, backwards, major1, major2);
  const Plotter plotter(buffer, colour, steep);
  int major = major1 >> 6;
  const int last = major2 >> 6;
  // The first and last pixel are covered only as far as the line reaches into them.
  const int first_share = major == last ? major2 - major1 : kUnit - (major1 & (kUnit - 1));
  const int last_share = major == last ? 0 : major2 & (kUnit - 1);
  const auto step = [&](int share) {
    if (dashes.on()) {
      const auto across = static_cast<std::uint32_t>((minor >> 8) & 0xFF);
      const auto upper = static_cast<int>(minor >> 16);
      plotter.Plot(major, upper, (255 - across) * share >> 6);
      plotter.Plot(major, upper + 1, across * share >> 6);
    }
    dashes.Step();
    minor += slope;
    ++major;
  };
  step(first_share);
  while (major < last) step(kUnit);
  if (last_share != 0) step(last_share);
}

}  // namespace vantrel

#include "organism/raster.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "organism/capsule.h"
#include "organism/dash_pattern.h"
#include "organism/draw_organism.h"
#include "organism/hairline.h"

namespace vantrel {

namespace {

// The device pixel edge nearest to a scaled coordinate, kept within 0..limit.
int Edge(double value, int limit) {
  if (!(value > 0)) return 0;
  return static_cast<int>(std::min(std::round(value), static_cast<double>(limit)));
}

// Narrows [*first, *last], fractions of the way from a to b, to the part of the segment
// within `reach` of a width x height buffer; false when no part is.
bool VisiblePart(PointF a, PointF b, double reach, int width, int height, double* first,
                 double* last) {
  const double delta[2] = {b.x - a.x, b.y - a.y};
  const double start[2] = {a.x, a.y};
  const double limit[2] = {width + reach, height + reach};
  for (int axis = 0; axis < 2; ++axis) {
    if (delta[axis] == 0) {
      if (start[axis] < -reach || start[axis] > limit[axis]) return false;
      continue;
    }
    double enter = (-reach - start[axis]) / delta[axis];
    double leave = (limit[axis] - start[axis]) / delta[axis];
    if (enter > leave) std::swap(enter, leave);
    *first = std::max(*first, enter);
    *last = std::min(*last, leave);
  }
  return *first <= *last;
}

}  // namespace

Raster::Raster(int width, int height, double scale, std::optional<ColourNumber> background)
    : buffer_(MakePixelBuffer(width, height,
                              background ? std::optional(PixelOf(*background)) : std::nullopt)),
      scale_(scale > 0 && std::isfinite(scale) ? scale : 1.0) {}

void Raster::SetPen(const Pen& pen) { pen_ = pen; }

void Raster::Line(Point from, Point to) {
  if (pen_.style == PenStyle::kInvisible) return;
  const PointF a{(from.x + 0.5) * scale_, (from.y + 0.5) * scale_};
  const PointF b{(to.x + 0.5) * scale_, (to.y + 0.5) * scale_};
  const Pixel colour = PixelOf(pen_.colour);
  const double device_width = std::max(0, pen_.width) * scale_;
  if (device_width <= 1) {
    // A pen of no width is one device pixel wide, fully opaque.
    const int opacity = pen_.width <= 0 ? 256 : static_cast<int>(256 * device_width);
    DrawHairline(buffer_, a, b, Hairline{colour, opacity, DashPattern(pen_.style)});
    return;
  }
  // Dashes are laid out along the line in the drawing's own units, then scaled; only
  // those that can reach the buffer are drawn.
  const double length =
      std::hypot(static_cast<double>(to.x) - from.x, static_cast<double>(to.y) - from.y);
  double first = 0;
  double last = 1;
  if (!VisiblePart(a, b, device_width / 2 + 1, buffer_.width, buffer_.height, &first, &last)) {
    return;
  }
  for (const auto& [start, end] :
       InkedStretches(pen_.style, pen_.width, length, first * length, last * length)) {
    const double s = length > 0 ? start / length : 0;
    const double e = length > 0 ? end / length : 1;
    DrawCapsule(buffer_, PointF{a.x + (b.x - a.x) * s, a.y + (b.y - a.y) * s},
                PointF{a.x + (b.x - a.x) * e, a.y + (b.y - a.y) * e}, device_width / 2, colour);
  }
}

void Raster::FillRect(int left, int top, int width, int height, ColourNumber colour) {
  if (width <= 0 || height <= 0) return;
  const int x0 = Edge(left * scale_, buffer_.width);
  const int x1 = Edge((static_cast<double>(left) + width) * scale_, buffer_.width);
  const int y0 = Edge(top * scale_, buffer_.height);
  const int y1 = Edge((static_cast<double>(top) + height) * scale_, buffer_.height);
  const Pixel pixel = PixelOf(colour);
  for (int y = y0; y < y1; ++y) std::fill(buffer_.Row(y) + x0, buffer_.Row(y) + x1, pixel);
}

PixelBuffer DrawOrganismPicture(std::string_view dna, int size) {
  size = std::max(1, size);
  // DrawOrganism paints every pixel white first.
  Raster raster(size, size, static_cast<double>(size) / kPictureSize, std::nullopt);
  DrawOrganism(raster, dna, kPictureSize, kPictureSize);
  return std::move(raster).TakePixels();
}

}  // namespace vantrel

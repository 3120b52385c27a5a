#ifndef VANTREL_ORGANISM_QT_STROKE_RASTER_H_
#define VANTREL_ORGANISM_QT_STROKE_RASTER_H_

#include <QImage>
#include <QPointF>
#include <utility>
#include <vector>

#include "organism/dna.h"

namespace vantrel {

// The stretches of a line of `length` that a pen of `style` and `width` inks, as
// (start, end) distances from the line's start. The pattern restarts at every line, in
// units of the pen width (dash 4, dot 1, gap 2), as QPainter dashes a wide pen.
std::vector<std::pair<double, double>> InkedStretches(PenStyle style, double width, double length);

// Writes round-capped antialiased strokes straight into the pixels of a 32-bit image,
// several times faster than QPainter strokes wide round-capped lines. Each stroke is the
// set of points within half the pen width of its segment; a pixel takes the share of its
// width that the stroke covers across, and the stroke goes over what is there.
class StrokeRaster {
 public:
  // `image` must be Format_RGB32 or Format_ARGB32_Premultiplied and outlive the raster.
  explicit StrokeRaster(QImage& image);

  // One stroke between two points in pixel coordinates (a pixel's centre lies at +0.5),
  // `half_width` to each side, in an opaque colour.
  void Capsule(QPointF from, QPointF to, double half_width, QRgb colour);

 private:
  uchar* bits_;
  qsizetype bytes_per_line_;
  int width_;
  int height_;
};

}  // namespace vantrel

#endif  // VANTREL_ORGANISM_QT_STROKE_RASTER_H_

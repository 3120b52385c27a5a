#ifndef VANTREL_ORGANISM_HAIRLINE_H_
#define VANTREL_ORGANISM_HAIRLINE_H_

#include <span>

#include "organism/capsule.h"
#include "organism/pixel_buffer.h"

namespace vantrel {

// A pen no wider than a device pixel.
struct Hairline {
  Pixel colour;
  // How much of the colour a fully covered pixel takes, 0 to 256: the pen's width in
  // device pixels, so that a thin pen looks thin by being faint.
  int opacity;
  // Ink, gap ... in whole device pixels along the line's longer axis; empty for solid.
  std::span<const double> dashes;
};

// Draws an antialiased one-pixel line as Qt draws pens of a pixel or less: stepping one
// pixel at a time along the longer axis and sharing each step between the two pixels
// across it, each end reaching half a pixel further. Positions are taken to 1/64 pixel.
// A line of no length is one pixel. Pixels outside the buffer are left alone.
void DrawHairline(PixelBuffer& buffer, PointF from, PointF to, const Hairline& pen);

}  // namespace vantrel

#endif  // VANTREL_ORGANISM_HAIRLINE_H_

#ifndef VANTREL_ORGANISM_CAPSULE_H_
#define VANTREL_ORGANISM_CAPSULE_H_

#include "organism/pixel_buffer.h"

namespace vantrel {

// A point in pixel coordinates: a pixel's centre lies at (x + 0.5, y + 0.5).
struct PointF {
  double x;
  double y;
};

// Draws one round-capped antialiased stroke of a wide pen: the points within `half_width`
// of the segment from `from` to `to`. A pixel takes the share of its width that the
// stroke covers across it, over what is there; pixels outside the buffer are left alone.
void DrawCapsule(PixelBuffer& buffer, PointF from, PointF to, double half_width, Pixel colour);

}  // namespace vantrel

#endif  // VANTREL_ORGANISM_CAPSULE_H_

#ifndef VANTREL_DESKTOP_ORGANISM_ORGANISM_IMAGE_H_
#define VANTREL_DESKTOP_ORGANISM_ORGANISM_IMAGE_H_

#include <QImage>
#include <string>

#include "organism/pixel_buffer.h"

namespace vantrel {

// The pixels as a Format_RGB32 image that takes them over without copying; they are freed
// with the image's last copy. Painting on the image copies them first, as Qt does with
// any image over outside memory.
QImage ToQImage(PixelBuffer pixels);

// The organism of `dna` drawn by the big view's own drawing code, scaled to
// size x size device pixels (the image carries `device_pixel_ratio`).
QImage RenderOrganism(const std::string& dna, int size, qreal device_pixel_ratio = 1.0);

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_ORGANISM_ORGANISM_IMAGE_H_

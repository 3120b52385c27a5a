#include "desktop/organism/organism_image.h"

#include <cmath>

#include "organism/raster.h"

namespace vantrel {

QImage ToQImage(PixelBuffer pixels) {
  if (pixels.width <= 0 || pixels.height <= 0) return {};
  auto* held = new PixelBuffer(std::move(pixels));
  return QImage(
      reinterpret_cast<uchar*>(held->pixels.data()), held->width, held->height,
      static_cast<qsizetype>(held->stride) * sizeof(Pixel), QImage::Format_RGB32,
      [](void* buffer) { delete static_cast<PixelBuffer*>(buffer); }, held);
}

QImage RenderOrganism(const std::string& dna, int size, qreal device_pixel_ratio) {
  const long pixels = std::lround(size * device_pixel_ratio);
  QImage image = ToQImage(DrawOrganismPicture(dna, static_cast<int>(std::max(1L, pixels))));
  image.setDevicePixelRatio(device_pixel_ratio);
  return image;
}

}  // namespace vantrel

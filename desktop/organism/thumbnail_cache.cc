#include "desktop/organism/thumbnail_cache.h"

#include <cmath>

#include "desktop/organism/organism_image.h"

namespace vantrel {

const QImage& ThumbnailCache::Get(const std::string& dna, int size, qreal device_pixel_ratio) {
  const long pixels = std::lround(size * device_pixel_ratio);
  // DNA strings hold no control characters from the program's own making; a file's odd
  // text still makes a distinct key because the size goes first.
  std::string key = std::to_string(pixels);
  key += '\x1f';
  key += dna;
  if (const QImage* picture = pictures_.Find(key)) return *picture;
  QImage picture = RenderOrganism(dna, size, device_pixel_ratio);
  const auto cost = static_cast<std::size_t>(picture.sizeInBytes());
  return pictures_.Insert(key, std::move(picture), cost);
}

}  // namespace vantrel

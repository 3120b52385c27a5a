#ifndef VANTREL_DESKTOP_ORGANISM_THUMBNAIL_CACHE_H_
#define VANTREL_DESKTOP_ORGANISM_THUMBNAIL_CACHE_H_

#include <QImage>
#include <cstddef>
#include <string>

#include "organism/lru_cache.h"

namespace vantrel {

// Organism pictures by DNA and size, the least recently shown dropped first once the
// pictures together pass a memory budget. Equal DNA strings share one picture.
class ThumbnailCache {
 public:
  // Room for about 1,300 pictures at the gallery's default 96 px: a population of 1,000
  // and its newest children. A smaller budget made every shot's jump to a random
  // selection draw a third of the cells in sight anew.
  static constexpr std::size_t kDefaultBudget = 48u << 20;  // bytes

  explicit ThumbnailCache(std::size_t budget = kDefaultBudget) : pictures_(budget) {}

  // The picture of `dna` at size x size device-independent pixels, drawn on first use.
  const QImage& Get(const std::string& dna, int size, qreal device_pixel_ratio = 1.0);

 private:
  LruCache<std::string, QImage> pictures_;
};

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_ORGANISM_THUMBNAIL_CACHE_H_

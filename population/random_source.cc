#include "population/random_source.h"

namespace vantrel {

int LcgRandom::Draw(int n) {
  seed_ = seed_ * 134775813u + 1u;
  if (n < 1) return 0;
  const std::uint64_t product = std::uint64_t{seed_} * static_cast<std::uint32_t>(n);
  return static_cast<int>(product >> 32);
}

}  // namespace vantrel

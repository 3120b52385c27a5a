#include "organism/pixel_buffer.h"

#include <algorithm>

namespace vantrel {

PixelBuffer MakePixelBuffer(int width, int height, std::optional<Pixel> fill) {
  PixelBuffer buffer;
  buffer.width = std::max(0, width);
  buffer.height = std::max(0, height);
  buffer.stride = buffer.width;
  const auto count = static_cast<std::size_t>(buffer.stride) * buffer.height;
  if (fill) {
    buffer.pixels.assign(count, *fill);
  } else {
    buffer.pixels.resize(count);
  }
  return buffer;
}

std::vector<std::uint8_t> RgbaBytes(const PixelBuffer& buffer) {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(static_cast<std::size_t>(buffer.width) * buffer.height * 4);
  for (int y = 0; y < buffer.height; ++y) {
    for (int x = 0; x < buffer.width; ++x) {
      const Pixel pixel = buffer.At(x, y);
      bytes.push_back(static_cast<std::uint8_t>(pixel >> 16));
      bytes.push_back(static_cast<std::uint8_t>(pixel >> 8));
      bytes.push_back(static_cast<std::uint8_t>(pixel));
      bytes.push_back(static_cast<std::uint8_t>(pixel >> 24));
    }
  }
  return bytes;
}

}  // namespace vantrel

#include "organism/pixel_buffer.h"

#include <algorithm>
#include <bit>
#include <cstring>

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
  // Sized once and written through a pointer: a page asks for half a megabyte per drawing,
  // and four push_backs a pixel cost more than the drawing itself.
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(buffer.width) * buffer.height * 4);
  std::uint8_t* out = bytes.data();
  for (int y = 0; y < buffer.height; ++y) {
    const Pixel* row = buffer.pixels.data() + static_cast<std::size_t>(y) * buffer.stride;
    for (const Pixel* end = row + buffer.width; row != end; ++row, out += 4) {
      const Pixel pixel = *row;
      if constexpr (std::endian::native == std::endian::little) {
        // A word whose bytes in memory are R, G, B, A: red and blue trade places.
        const std::uint32_t word =
            (pixel & 0xFF00FF00U) | (pixel >> 16 & 0xFFU) | (pixel & 0xFFU) << 16;
        std::memcpy(out, &word, sizeof word);
      } else {
        out[0] = static_cast<std::uint8_t>(pixel >> 16);
        out[1] = static_cast<std::uint8_t>(pixel >> 8);
        out[2] = static_cast<std::uint8_t>(pixel);
        out[3] = static_cast<std::uint8_t>(pixel >> 24);
      }
    }
  }
  return bytes;
}

}  // namespace vantrel

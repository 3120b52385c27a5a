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
  // Sized once and written through a pointer: a page asks for half a megabyte per drawing,
  // and four push_backs a pixel cost more than the drawing itself.
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(buffer.width) * buffer.height * 4);
  std::uint8_t* out = bytes.data();
  for (int y = 0; y < buffer.height; ++y) {
    for (int x = 0; x < buffer.width; ++x) {
      const Pixel pixel = buffer.At(x, y);
      out[0] = static_cast<std::uint8_t>(pixel >> 16);
      out[1] = static_cast<std::uint8_t>(pixel >> 8);
      out[2] = static_cast<std::uint8_t>(pixel);
      out[3] = static_cast<std::uint8_t>(pixel >> 24);
      out += 4;
    }
  }
  return bytes;
}

}  // namespace vantrel

#ifndef VANTREL_ORGANISM_PIXEL_BUFFER_H_
#define VANTREL_ORGANISM_PIXEL_BUFFER_H_

#include <cstdint>
#include <memory>
#include <optional>
#include <type_traits>
#include <utility>
#include <vector>

#include "organism/dna.h"

namespace vantrel {

// One pixel: a native-endian 32-bit word 0xAARRGGBB. Drawings are opaque (alpha 0xFF), so
// the word is the same premultiplied or not. This is the layout of
// QImage::Format_RGB32 and Format_ARGB32_Premultiplied, which wrap the words as they are.
// A browser's ImageData wants the bytes R, G, B, A instead: see RgbaBytes.
using Pixel = std::uint32_t;

inline constexpr Pixel kOpaque = 0xFF000000;

// An opaque pixel of a colour number (red in the lowest byte).
constexpr Pixel PixelOf(ColourNumber colour) {
  return kOpaque | (colour & 0xFF) << 16 | (colour & 0xFF00) | (colour >> 16 & 0xFF);
}

// Allocates without clearing: a buffer is filled as soon as it is made, and clearing
// half a megabyte first would double the time a small drawing takes.
template <typename T>
struct UnclearedAllocator : std::allocator<T> {
  template <typename U>
  struct rebind {  // NOLINT(readability-identifier-naming): the name allocators must have
    using other = UnclearedAllocator<U>;  // NOLINT(readability-identifier-naming): likewise
  };
  UnclearedAllocator() = default;
  template <typename U>
  UnclearedAllocator(const UnclearedAllocator<U>& /*other*/) noexcept {}  // NOLINT: rebinding
  template <typename U>
  void construct(U* place) noexcept(std::is_nothrow_default_constructible_v<U>) {
    ::new (static_cast<void*>(place)) U;
  }
  template <typename U, typename... Args>
  void construct(U* place, Args&&... args) {
    ::new (static_cast<void*>(place)) U(std::forward<Args>(args)...);
  }
};

using PixelVector = std::vector<Pixel, UnclearedAllocator<Pixel>>;

// A picture: `height` rows of `width` pixels, each row starting `stride` pixels after the
// one before.
struct PixelBuffer {
  int width = 0;
  int height = 0;
  int stride = 0;
  PixelVector pixels;

  Pixel At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * stride + x]; }
  Pixel* Row(int y) { return pixels.data() + static_cast<std::size_t>(y) * stride; }
};

// A width x height buffer (negative sizes count as 0) filled with `fill`, or left as the
// memory came when there is none, for a caller that paints every pixel at once.
PixelBuffer MakePixelBuffer(int width, int height, std::optional<Pixel> fill);

// The buffer's visible pixels as R, G, B, A bytes, row after row without padding: what a
// browser canvas's ImageData holds.
std::vector<std::uint8_t> RgbaBytes(const PixelBuffer& buffer);

}  // namespace vantrel

#endif  // VANTREL_ORGANISM_PIXEL_BUFFER_H_

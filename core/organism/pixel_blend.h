#ifndef VANTREL_ORGANISM_PIXEL_BLEND_H_
#define VANTREL_ORGANISM_PIXEL_BLEND_H_

#include <cstdint>

#include "organism/pixel_buffer.h"

namespace vantrel {

// Colour arithmetic on whole pixels, two channels per multiplication.

// `colour` over `pixel` with `alpha` from 0 to 256.
inline Pixel Over(Pixel colour, Pixel pixel, std::uint32_t alpha) {
  const std::uint32_t rest = 256 - alpha;
  const std::uint32_t rb = ((colour & 0xFF00FF) * alpha + (pixel & 0xFF00FF) * rest) >> 8;
  const std::uint32_t ag = ((colour >> 8) & 0xFF00FF) * alpha + ((pixel >> 8) & 0xFF00FF) * rest;
  return (rb & 0xFF00FF) | (ag & 0xFF00FF00);
}

// Every channel times `share` / 256, `share` from 0 to 256.
inline Pixel Scale256(Pixel pixel, std::uint32_t share) {
  const std::uint32_t rb = ((pixel & 0xFF00FF) * share) >> 8;
  const std::uint32_t ag = ((pixel >> 8) & 0xFF00FF) * share;
  return (rb & 0xFF00FF) | (ag & 0xFF00FF00);
}

// Every channel times `share` / 255, rounded, `share` from 0 to 255.
inline Pixel Scale255(Pixel pixel, std::uint32_t share) {
  std::uint32_t rb = (pixel & 0xFF00FF) * share;
  rb = ((rb + ((rb >> 8) & 0xFF00FF) + 0x800080) >> 8) & 0xFF00FF;
  std::uint32_t ag = ((pixel >> 8) & 0xFF00FF) * share;
  ag = (ag + ((ag >> 8) & 0xFF00FF) + 0x800080) & 0xFF00FF00;
  return rb | ag;
}

// A premultiplied `colour` over `pixel`.
inline Pixel PremultipliedOver(Pixel colour, Pixel pixel) {
  return colour + Scale255(pixel, 255 - (colour >> 24));
}

}  // namespace vantrel

#endif  // VANTREL_ORGANISM_PIXEL_BLEND_H_

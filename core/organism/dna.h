#ifndef VANTREL_ORGANISM_DNA_H_
#define VANTREL_ORGANISM_DNA_H_

#include <cstdint>
#include <string_view>

namespace vantrel {

// An organism's DNA is a string of 13 decimal digits; position 1 is the first character.
inline constexpr int kDnaLength = 13;

enum class PenStyle { kInvisible, kDash, kDashDot, kDashDotDot, kDot, kSolid };

// A colour number: red in the lowest byte, then green, then blue.
using ColourNumber = std::uint32_t;
inline constexpr ColourNumber kWhite = 0xFFFFFF;

// Value of the digit at `position` (1-based). Anything but '0'..'9', and any position past
// the end of the string, reads as 1. Characters past position 13 are never read.
int DigitAt(std::string_view dna, int position);

// The seven traits, one decoder each; every position feeds exactly one trait.
int VertexCount(std::string_view dna);         // d1 + 2: 2 (a line) to 11
int PenWidth(std::string_view dna);            // d2 + 1: 1 to 10 pixels
ColourNumber PenColour(std::string_view dna);  // 167 * (d3+1)(d5+1)(d6+1)(d7+1)(d8+1)
PenStyle PenStyleOf(std::string_view dna);     // from d4
int Rotation(std::string_view dna);            // d9 * d10 radians, not reduced
int Radius(std::string_view dna);              // 2 * (d11+1)(d12+1) pixels
bool HasSpokes(std::string_view dna);          // d13 even

struct Traits {
  int vertex_count;
  int pen_width;
  ColourNumber colour;
  PenStyle style;
  int rotation;
  int radius;
  bool spokes;
};

Traits DecodeTraits(std::string_view dna);

}  // namespace vantrel

#endif  // VANTREL_ORGANISM_DNA_H_

#include "organism/dna.h"

namespace vantrel {

int DigitAt(std::string_view dna, int position) {
  if (position < 1 || position > kDnaLength || position > static_cast<int>(dna.size())) return 1;
  const char c = dna[position - 1];
  return (c >= '0' && c <= '9') ? c - '0' : 1;
}

int VertexCount(std::string_view dna) { return DigitAt(dna, 1) + 2; }

int PenWidth(std::string_view dna) { return DigitAt(dna, 2) + 1; }

ColourNumber PenColour(std::string_view dna) {
  ColourNumber colour = 167;
  for (int position : {3, 5, 6, 7, 8})
    colour *= static_cast<ColourNumber>(DigitAt(dna, position) + 1);
  return colour;
}

PenStyle PenStyleOf(std::string_view dna) {
  switch (DigitAt(dna, 4)) {
    case 0:
      return PenStyle::kInvisible;
    case 1:
    case 2:
      return PenStyle::kDash;
    case 3:
    case 4:
      return PenStyle::kDashDot;
    case 5:
    case 6:
      return PenStyle::kDashDotDot;
    case 7:
    case 8:
      return PenStyle::kDot;
    default:
      return PenStyle::kSolid;
  }
}

int Rotation(std::string_view dna) { return DigitAt(dna, 9) * DigitAt(dna, 10); }

int Radius(std::string_view dna) { return 2 * (DigitAt(dna, 11) + 1) * (DigitAt(dna, 12) + 1); }

bool HasSpokes(std::string_view dna) { return DigitAt(dna, 13) % 2 == 0; }

Traits DecodeTraits(std::string_view dna) {
  return Traits{VertexCount(dna), PenWidth(dna), PenColour(dna), PenStyleOf(dna),
                Rotation(dna),    Radius(dna),   HasSpokes(dna)};
}

}  // namespace vantrel

#include "lab/colour_words.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace vantrel {

namespace {

// The rule's thresholds; docs/goal-words.md shows what they give for every gene colour.
constexpr double kPaleFrom = 0.80;          // lightness at and above: pale
constexpr double kLightFrom = 0.66;         // light
constexpr double kMediumFrom = 0.46;        // medium; below: dark
constexpr double kGrayChroma = 0.04;        // below this chroma a colour has no hue to name
constexpr double kBlackBelow = 0.42;        // an unnamed colour this dark is black, else gray
constexpr double kAlwaysBlackBelow = 0.22;  // darker than this, any colour looks black
constexpr double kBrownBelow = 0.60;        // orange and yellow this dark look brown
constexpr double kDullChroma = 0.10;        // warm colours this dull look brown
constexpr double kBordeauxBelow = 0.48;     // bluish red this dark is bordeaux

double Linear(int channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

ColourWord NameByHue(double hue, double chroma, double lightness) {
  if (hue >= 345.0 || hue < 20.0) return lightness < kBordeauxBelow ? kBordeaux : kRed;
  // Dull orange-red and dark orange or yellow read as brown.
  const bool brownish = lightness < kBrownBelow || (chroma < kDullChroma && lightness < kPaleFrom);
  if (hue < 40.0) return chroma < kDullChroma && lightness < kBrownBelow ? kBrown : kRed;
  if (hue < 75.0) return brownish ? kBrown : kOrange;
  if (hue < 120.0) return brownish ? kBrown : kYellow;
  if (hue < 195.0) return kGreen;
  if (hue < 290.0) return kBlue;
  return kPurple;
}

IntensityWord IntensityOf(double lightness) {
  if (lightness >= kPaleFrom) return kPale;
  if (lightness >= kLightFrom) return kLight;
  if (lightness >= kMediumFrom) return kMediumIntensity;
  return kDark;
}

constexpr int kMaxProduct = 100000;  // 10^5, the largest product of five factors 1 to 10
constexpr ColourNumber kGeneFactor = 167;

// Name and intensity of every gene colour, indexed by the colour divided by 167; the high
// bit marks an entry that holds a gene colour.
struct GeneTable {
  std::vector<ColourNumber> colours;
  std::vector<std::uint8_t> words;  // name * 8 + intensity, plus 0x80 when filled

  GeneTable() : words(kMaxProduct + 1, 0) {
    // Marked in a flat table rather than collected in a set: the table is built the first
    // time an organism is described, which is while the program starts.
    std::vector<bool> is_product(kMaxProduct + 1, false);
    for (int a = 1; a <= 10; ++a)
      for (int b = a; b <= 10; ++b)
        for (int c = b; c <= 10; ++c)
          for (int d = c; d <= 10; ++d)
            for (int e = d; e <= 10; ++e) is_product[a * b * c * d * e] = true;
    for (int product = 1; product <= kMaxProduct; ++product) {
      if (!is_product[product]) continue;
      const ColourNumber colour = kGeneFactor * static_cast<ColourNumber>(product);
      colours.push_back(colour);
      const ColourWords named = NameColour(colour);
      words[product] = static_cast<std::uint8_t>(0x80 | (named.name << 3) | named.intensity);
    }
  }
};

const GeneTable& Genes() {
  static const GeneTable table;
  return table;
}

}  // namespace

Oklch ToOklch(ColourNumber colour) {
  const double r = Linear(static_cast<int>(colour & 0xFF));
  const double g = Linear(static_cast<int>((colour >> 8) & 0xFF));
  const double b = Linear(static_cast<int>((colour >> 16) & 0xFF));
  const double l = std::cbrt(0.4122214708 * r + 0.5363325363 * g + 0.0514459929 * b);
  const double m = std::cbrt(0.2119034982 * r + 0.6806995451 * g + 0.1073969566 * b);
  const double s = std::cbrt(0.0883024619 * r + 0.2817188376 * g + 0.6299787005 * b);
  const double lightness = 0.2104542553 * l + 0.7936177850 * m - 0.0040720468 * s;
  const double a = 1.9779984951 * l - 2.4285922050 * m + 0.4505937099 * s;
  const double bb = 0.0259040371 * l + 0.7827717662 * m - 0.8086757660 * s;
  double hue = std::atan2(bb, a) * 180.0 / std::numbers::pi;
  if (hue < 0) hue += 360.0;
  return {lightness, std::hypot(a, bb), hue};
}

ColourWords NameColour(ColourNumber colour) {
  const Oklch lch = ToOklch(colour);
  const IntensityWord intensity = IntensityOf(lch.lightness);
  if (lch.lightness < kAlwaysBlackBelow) return {kBlack, intensity};
  if (lch.chroma < kGrayChroma) return {lch.lightness < kBlackBelow ? kBlack : kGray, intensity};
  return {NameByHue(lch.hue, lch.chroma, lch.lightness), intensity};
}

const std::vector<ColourNumber>& GeneColours() { return Genes().colours; }

ColourWords NameGeneColour(ColourNumber colour) {
  if (colour % kGeneFactor == 0 && colour / kGeneFactor <= kMaxProduct) {
    const std::uint8_t entry = Genes().words[colour / kGeneFactor];
    if ((entry & 0x80) != 0) {
      return {static_cast<ColourWord>((entry >> 3) & 0x0F), static_cast<IntensityWord>(entry & 7)};
    }
  }
  return NameColour(colour);
}

}  // namespace vantrel

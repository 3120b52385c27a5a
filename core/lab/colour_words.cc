#include "lab/colour_words.h"

#include <atomic>
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

// Which colours the genes can make, indexed by the colour divided by 167, and each one's
// name and intensity once asked for. Naming all 546 takes longer than the rest of start-up's
// first description of an organism, so each is named the first time it is needed. Entries
// are atomic: automatic runs on several threads may name the same colour at once, and
// they all write the same value.
struct GeneTable {
  static constexpr std::uint8_t kGene = 0x40;    // a gene colour
  static constexpr std::uint8_t kNamed = 0x80;   // its words are filled in below these bits
  std::vector<std::atomic<std::uint8_t>> words;  // flags, then name * 4 + intensity

  // The 2002 ways to pick five factors, not a pass over all 100,000 products: the table is
  // made the first time an organism is described, which is while the program starts.
  GeneTable() : words(kMaxProduct + 1) {
    for (int a = 1; a <= 10; ++a)
      for (int b = a; b <= 10; ++b)
        for (int c = b; c <= 10; ++c)
          for (int d = c; d <= 10; ++d)
            for (int e = d; e <= 10; ++e) {
              words[a * b * c * d * e].store(kGene, std::memory_order_relaxed);
            }
  }
};

// Made once and never destroyed, so that ending the program does not wait for it.
GeneTable& Genes() {
  static GeneTable& table = *new GeneTable;
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

const std::vector<ColourNumber>& GeneColours() {
  static const std::vector<ColourNumber>& colours = *new std::vector<ColourNumber>([] {
    std::vector<ColourNumber> found;
    const GeneTable& genes = Genes();
    for (int product = 1; product <= kMaxProduct; ++product) {
      if ((genes.words[product].load(std::memory_order_relaxed) & GeneTable::kGene) != 0) {
        found.push_back(kGeneFactor * static_cast<ColourNumber>(product));
      }
    }
    return found;
  }());
  return colours;
}

ColourWords NameGeneColour(ColourNumber colour) {
  if (colour % kGeneFactor != 0 || colour / kGeneFactor > kMaxProduct) return NameColour(colour);
  std::atomic<std::uint8_t>& entry = Genes().words[colour / kGeneFactor];
  const std::uint8_t known = entry.load(std::memory_order_relaxed);
  if ((known & GeneTable::kNamed) != 0) {
    return {static_cast<ColourWord>((known >> 2) & 0x0F), static_cast<IntensityWord>(known & 3)};
  }
  const ColourWords named = NameColour(colour);
  if ((known & GeneTable::kGene) != 0) {
    entry.store(static_cast<std::uint8_t>(GeneTable::kGene | GeneTable::kNamed | (named.name << 2) |
                                          named.intensity),
                std::memory_order_relaxed);
  }
  return named;
}

}  // namespace vantrel

// Prints a digest of the desktop's picture of each organism, for comparison with the
// pictures a web page draws: for every DNA read from standard input (one a line), the DNA
// and then, for each device pixel ratio given, a 32-bit FNV-1a hash of the picture's
// R, G, B, A bytes taken four at a time as little-endian words, in hexadecimal, the picture 350
// pixels square at that ratio as the desktop's big view renders it.
//
//   picture_digests RATIO... < dnas

#include <QImage>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "desktop/organism/organism_image.h"
#include "organism/raster.h"

namespace vantrel {
namespace {

std::uint32_t RgbaDigest(const QImage& image) {
  std::uint32_t hash = 2166136261u;
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const QRgb pixel = row[x];
      const std::uint32_t word = qRed(pixel) | qGreen(pixel) << 8 | qBlue(pixel) << 16 |
                                 static_cast<std::uint32_t>(qAlpha(pixel)) << 24;
      hash = (hash ^ word) * 16777619u;
    }
  }
  return hash;
}

}  // namespace
}  // namespace vantrel

int main(int argc, char** argv) {
  std::vector<double> ratios;
  for (int i = 1; i < argc; ++i) ratios.push_back(std::strtod(argv[i], nullptr));
  if (ratios.empty()) {
    std::cerr << "usage: picture_digests RATIO... < dnas\n";
    return 2;
  }
  std::string dna;
  while (std::getline(std::cin, dna)) {
    if (dna.empty()) continue;
    std::cout << dna;
    for (const double ratio : ratios) {
      char digest[12];
      std::snprintf(
          digest, sizeof digest, " %08x",
          vantrel::RgbaDigest(vantrel::RenderOrganism(dna, vantrel::kPictureSize, ratio)));
      std::cout << digest;
    }
    std::cout << '\n';
  }
  return 0;
}

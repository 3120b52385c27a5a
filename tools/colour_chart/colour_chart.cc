// Writes a picture in ImageMagick's drawing language MVG (to standard output) of every colour the
// genes can make, sorted into a table by the name (rows) and intensity (columns) the colour rule
// gives them, so a reader can see at a glance whether the rule names them well. Turn it into a PNG
// with `convert mvg:colour-names.mvg docs/colour-names.png`.
#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "lab/colour_words.h"
#include "lab/goal_words.h"

namespace {

constexpr int kSwatch = 18;   // one colour's square, with its gap
constexpr int kPerLine = 12;  // squares per line in a cell
constexpr int kLabelWidth = 90;
constexpr int kHeaderHeight = 28;
constexpr int kCellWidth = kPerLine * kSwatch + 12;
constexpr int kNames = 10;
constexpr int kIntensities = 4;

int Lines(std::size_t count) {
  return std::max<int>(1, static_cast<int>((count + kPerLine - 1) / kPerLine));
}

}  // namespace

int main() {
  using vantrel::Aspect;
  std::array<std::array<std::vector<vantrel::ColourNumber>, kIntensities>, kNames> cells;
  for (vantrel::ColourNumber colour : vantrel::GeneColours()) {
    const vantrel::ColourWords words = vantrel::NameColour(colour);
    cells[words.name][words.intensity].push_back(colour);
  }
  // Within a cell, darkest first.
  for (auto& row : cells) {
    for (auto& cell : row) {
      std::sort(cell.begin(), cell.end(), [](auto a, auto b) {
        return vantrel::ToOklch(a).lightness < vantrel::ToOklch(b).lightness;
      });
    }
  }
  std::array<int, kNames> heights{};
  int total_height = kHeaderHeight;
  for (int n = 0; n < kNames; ++n) {
    int lines = 1;
    for (const auto& cell : cells[n]) lines = std::max(lines, Lines(cell.size()));
    heights[n] = lines * kSwatch + 12;
    total_height += heights[n];
  }
  const int width = kLabelWidth + kIntensities * kCellWidth;
  std::printf("viewbox 0 0 %d %d\nfill white rectangle 0,0 %d,%d\nfont-size 15\n", width,
              total_height, width, total_height);
  for (int i = 0; i < kIntensities; ++i) {
    std::printf("fill black text %d,20 '%s'\n", kLabelWidth + i * kCellWidth + 4,
                std::string(vantrel::WordText(Aspect::kIntensity, i)).c_str());
  }
  int y = kHeaderHeight;
  for (int n = 0; n < kNames; ++n) {
    std::printf("fill '#cccccc' rectangle 0,%d %d,%d\n", y, width, y);
    std::printf("fill black text 4,%d '%s'\n", y + 20,
                std::string(vantrel::WordText(Aspect::kColour, n)).c_str());
    for (int i = 0; i < kIntensities; ++i) {
      const auto& cell = cells[n][i];
      for (std::size_t k = 0; k < cell.size(); ++k) {
        const vantrel::ColourNumber c = cell[k];
        const int left =
            kLabelWidth + i * kCellWidth + 4 + static_cast<int>(k % kPerLine) * kSwatch;
        const int top = y + 6 + static_cast<int>(k / kPerLine) * kSwatch;
        std::printf("fill '#%02x%02x%02x' rectangle %d,%d %d,%d\n", static_cast<unsigned>(c & 0xFF),
                    static_cast<unsigned>((c >> 8) & 0xFF), static_cast<unsigned>(c >> 16), left,
                    top, left + kSwatch - 4, top + kSwatch - 4);
      }
      if (cell.empty()) {
        std::printf("fill '#999999' text %d,%d 'none'\n", kLabelWidth + i * kCellWidth + 6, y + 20);
      }
    }
    y += heights[n];
  }
  return 0;
}

#include "gallery/organism_texts.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "language/catalogue.h"
#include "language/numbers.h"
#include "population/population.h"

namespace vantrel {

namespace {

// The titles the program writes above its columns, column by column.
constexpr std::array<std::string_view, kOrganismColumnCount> kTitles = {"ID", "P1", "P2", "DNA",
                                                                        "Survival"};

}  // namespace

std::optional<std::string> TranslatedColumnTitle(std::string_view title) {
  // Only the program's own titles are words of ours; a loaded file may bring others.
  if (std::find(kTitles.begin(), kTitles.end(), title) == kTitles.end()) return std::nullopt;
  return Tr("Table", title);
}

std::string OrganismTooltip(const StringGrid& grid, int row) {
  // Each line is a column's title as the table shows it, then the organism's cell.
  std::string tooltip;
  for (int column = 0; column < kOrganismColumnCount; ++column) {
    if (column > 0) tooltip += '\n';
    tooltip += *TranslatedColumnTitle(kTitles[column]) + " " + grid.Cell(column, row);
  }
  return tooltip;
}

std::string EmptyGalleryHint() {
  return Tr("Gallery", "The table holds no organisms: start a new gene pool or open a table.");
}

std::string ContactSheetNote(int shown, int total) {
  if (shown >= total) return "";
  return Arg(Tr("Gallery", "The picture shows the first %1 of %2 organisms, in table order."),
             {GroupedNumber(shown), GroupedNumber(total)});
}

PictureFormat PictureFormatFor(std::string_view file_name) {
  constexpr std::string_view kSvg = ".svg";
  if (file_name.size() < kSvg.size()) return PictureFormat::kPng;
  const std::string_view suffix = file_name.substr(file_name.size() - kSvg.size());
  const bool svg = std::equal(suffix.begin(), suffix.end(), kSvg.begin(), [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == b;
  });
  return svg ? PictureFormat::kSvg : PictureFormat::kPng;
}

std::string OrganismPictureName(std::string_view id) {
  std::string kept;
  for (const char c : id) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80 && (std::isalnum(byte) != 0 || c == '-' || c == '_')) kept += c;
  }
  return kept.empty() ? "organism.png" : "organism-" + kept + ".png";
}

}  // namespace vantrel

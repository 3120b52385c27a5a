#include "gallery/organism_texts.h"

#include <algorithm>
#include <cctype>

#include "population/population.h"

namespace vantrel {

namespace {

// 1234567 as "1,234,567".
std::string Grouped(int number) {
  const std::string digits = std::to_string(number);
  std::string grouped;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
    grouped += digits[i];
  }
  return grouped;
}

}  // namespace

std::string OrganismTooltip(const StringGrid& grid, int row) {
  return "ID " + grid.Cell(kIdColumn, row) + "\nP1 " + grid.Cell(kP1Column, row) + "\nP2 " +
         grid.Cell(kP2Column, row) + "\nDNA " + grid.Cell(kDnaColumn, row) + "\nSurvival " +
         grid.Cell(kSurvivalColumn, row);
}

std::string EmptyGalleryHint() {
  return "The table holds no organisms: start a new gene pool or open a table.";
}

std::string ContactSheetNote(int shown, int total) {
  if (shown >= total) return "";
  return "The picture shows the first " + Grouped(shown) + " of " + Grouped(total) +
         " organisms, in table order.";
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

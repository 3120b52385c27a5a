#include "gallery/contact_sheet.h"

#include <algorithm>
#include <cmath>

#include "organism/draw_organism.h"
#include "organism/raster.h"
#include "organism/svg_canvas.h"

namespace vantrel {

ContactSheetLayout::ContactSheetLayout(int organisms, int limit, int label_height)
    : count_(std::clamp(organisms, 0, std::max(0, limit))),
      columns_(
          std::clamp(static_cast<int>(std::ceil(std::sqrt(count_ * 1.5))), 1, kSheetMaxColumns)),
      label_(std::max(0, label_height)) {}

int ContactSheetLayout::Width() const { return columns_ * (kSheetPicture + kSheetGap) + kSheetGap; }

int ContactSheetLayout::Height() const {
  const int rows = std::max(1, (count_ + columns_ - 1) / columns_);
  return rows * CellHeight() + kSheetGap;
}

SheetRect ContactSheetLayout::Picture(int i) const {
  return {kSheetGap + (i % columns_) * (kSheetPicture + kSheetGap),
          kSheetGap + (i / columns_) * CellHeight(), kSheetPicture, kSheetPicture};
}

SheetRect ContactSheetLayout::Label(int i) const {
  const SheetRect picture = Picture(i);
  return {picture.left, picture.top + picture.height, kSheetPicture, label_};
}

namespace {

// A one-pixel frame just inside `square`.
void Frame(PixelBuffer& sheet, const SheetRect& square) {
  const Pixel pixel = PixelOf(kSheetFrameColour);
  const int right = square.left + square.width - 1;
  const int bottom = square.top + square.height - 1;
  std::fill(sheet.Row(square.top) + square.left, sheet.Row(square.top) + right + 1, pixel);
  std::fill(sheet.Row(bottom) + square.left, sheet.Row(bottom) + right + 1, pixel);
  for (int y = square.top; y <= bottom; ++y) {
    sheet.Row(y)[square.left] = pixel;
    sheet.Row(y)[right] = pixel;
  }
}

}  // namespace

PixelBuffer ContactSheetPixels(const std::vector<SheetOrganism>& organisms) {
  const ContactSheetLayout layout(static_cast<int>(organisms.size()));
  PixelBuffer sheet = MakePixelBuffer(layout.Width(), layout.Height(), PixelOf(kWhite));
  for (int i = 0; i < layout.count(); ++i) {
    const SheetRect square = layout.Picture(i);
    const PixelBuffer picture = DrawOrganismPicture(organisms[i].dna, kSheetPicture);
    for (int y = 0; y < kSheetPicture; ++y) {
      const Pixel* from = picture.pixels.data() + static_cast<std::size_t>(y) * picture.stride;
      std::copy(from, from + kSheetPicture, sheet.Row(square.top + y) + square.left);
    }
    Frame(sheet, square);
  }
  return sheet;
}

std::string ContactSheetSvg(const std::vector<SheetOrganism>& organisms) {
  const ContactSheetLayout layout(static_cast<int>(organisms.size()));
  std::string elements = "<rect x=\"0\" y=\"0\" width=\"" + std::to_string(layout.Width()) +
                         "\" height=\"" + std::to_string(layout.Height()) +
                         "\" fill=\"#ffffff\"/>\n";
  const std::string frame = SvgColour(kSheetFrameColour);
  const std::string text = SvgColour(kSheetTextColour);
  const std::string size = std::to_string(kSheetPicture);
  for (int i = 0; i < layout.count(); ++i) {
    const SheetRect square = layout.Picture(i);
    const SheetRect label = layout.Label(i);
    const std::string x = std::to_string(square.left);
    const std::string y = std::to_string(square.top);
    // A nested <svg> scales the big drawing into the square and clips what reaches past it.
    SvgCanvas canvas;
    DrawOrganism(canvas, organisms[i].dna, kPictureSize, kPictureSize);
    elements += "<svg x=\"" + x + "\" y=\"" + y + "\" width=\"" + size + "\" height=\"" + size +
                "\" viewBox=\"0 0 " + std::to_string(kPictureSize) + " " +
                std::to_string(kPictureSize) + "\">\n";
    elements += std::move(canvas).TakeElements();
    elements += "</svg>\n";
    elements += "<rect x=\"" + std::to_string(square.left) + ".5\" y=\"" +
                std::to_string(square.top) + ".5\" width=\"" + std::to_string(kSheetPicture - 1) +
                "\" height=\"" + std::to_string(kSheetPicture - 1) + "\" fill=\"none\" stroke=\"" +
                frame + "\"/>\n";
    elements += "<text x=\"" + std::to_string(label.left + label.width / 2) + "\" y=\"" +
                std::to_string(label.top + label.height / 2) + "\" font-size=\"" +
                std::to_string(kSheetFontSize) + "\" fill=\"" + text +
                "\" text-anchor=\"middle\" dominant-baseline=\"central\">" +
                EscapeXml(organisms[i].id) + "</text>\n";
  }
  return SvgDocument(layout.Width(), layout.Height(), "Population", elements);
}

}  // namespace vantrel

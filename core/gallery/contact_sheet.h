#ifndef VANTREL_GALLERY_CONTACT_SHEET_H_
#define VANTREL_GALLERY_CONTACT_SHEET_H_

#include <string>
#include <vector>

#include "gallery/organism_texts.h"
#include "organism/pixel_buffer.h"

namespace vantrel {

// A contact sheet: one picture of many organisms, each kSheetPicture square with its ID
// below, row by row in a grid about half again as wide as it is high, at most
// kSheetMaxColumns wide, kSheetGap between and around them.
inline constexpr int kSheetPicture = 80;
inline constexpr int kSheetGap = 8;
inline constexpr int kSheetMaxColumns = 20;
// The ID's line under each picture: 12-pixel text and a pixel above and below.
inline constexpr int kSheetFontSize = 12;
inline constexpr int kSheetLabelHeight = 16;
inline constexpr ColourNumber kSheetFrameColour = 0xC8C8C8;
inline constexpr ColourNumber kSheetTextColour = 0x303030;

struct SheetRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const SheetRect&, const SheetRect&) = default;
};

// Where the first min(`organisms`, `limit`) organisms go.
class ContactSheetLayout {
 public:
  explicit ContactSheetLayout(int organisms, int limit = kContactSheetLimit,
                              int label_height = kSheetLabelHeight);

  int count() const { return count_; }
  int columns() const { return columns_; }
  int Width() const;
  int Height() const;
  SheetRect Picture(int i) const;
  SheetRect Label(int i) const;  // just below the picture

 private:
  int CellHeight() const { return kSheetPicture + label_ + kSheetGap; }

  int count_;
  int columns_;
  int label_;
};

// One organism on a sheet.
struct SheetOrganism {
  std::string id;
  std::string dna;
};

// The sheet's pixels without the IDs, which the caller writes with its own fonts into
// each Label: white ground, each organism's raster picture in its square, framed.
PixelBuffer ContactSheetPixels(const std::vector<SheetOrganism>& organisms);

// The sheet as an SVG document titled "Population": each organism as vectors clipped to
// its square, framed, its ID as text below.
std::string ContactSheetSvg(const std::vector<SheetOrganism>& organisms);

}  // namespace vantrel

#endif  // VANTREL_GALLERY_CONTACT_SHEET_H_

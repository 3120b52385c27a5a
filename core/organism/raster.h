#ifndef VANTREL_ORGANISM_RASTER_H_
#define VANTREL_ORGANISM_RASTER_H_

#include <optional>
#include <string_view>
#include <utility>

#include "organism/canvas.h"
#include "organism/pixel_buffer.h"

namespace vantrel {

// A canvas that draws into a buffer of pixels (see pixel_buffer.h for their layout), with
// no window system: the same pixels for the screen, picture files and a web page.
//
// Whole-pixel points of the drawing are mapped to pixel centres and multiplied by the
// scale. Strokes are antialiased with round caps. A pen wider than a device pixel is
// stroked as capsules, its dashes laid out in pen widths along the line; a thinner one as
// a faint one-pixel line whose dashes count device pixels. Both follow how Qt's raster
// engine draws such pens, so pictures look as they did when QPainter drew them.
class Raster final : public Canvas {
 public:
  // A width x height picture in device pixels, in the background colour; the drawing's
  // coordinates are multiplied by `scale` (a device pixel ratio, or a picture's size over
  // the drawing's). Without a background the pixels are undefined until filled: for a
  // drawing that fills its whole area first, as DrawOrganism does.
  Raster(int width, int height, double scale = 1.0,
         std::optional<ColourNumber> background = kWhite);

  void SetPen(const Pen& pen) override;
  void Line(Point from, Point to) override;
  // Fills the device pixels whose centres fall inside the scaled rectangle.
  void FillRect(int left, int top, int width, int height, ColourNumber colour) override;

  const PixelBuffer& pixels() const { return buffer_; }
  PixelBuffer TakePixels() && { return std::move(buffer_); }

 private:
  PixelBuffer buffer_;
  double scale_;
  Pen pen_{};
};

// The organism of `dna` drawn at the big view's size and scaled to size x size pixels, so
// that a picture of any size shows the same organism.
inline constexpr int kPictureSize = 350;
PixelBuffer DrawOrganismPicture(std::string_view dna, int size);

}  // namespace vantrel

#endif  // VANTREL_ORGANISM_RASTER_H_

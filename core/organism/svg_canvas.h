#ifndef VANTREL_ORGANISM_SVG_CANVAS_H_
#define VANTREL_ORGANISM_SVG_CANVAS_H_

#include <optional>
#include <string>
#include <string_view>

#include "organism/canvas.h"

namespace vantrel {

// A canvas that writes SVG elements: filled rectangles, and strokes grouped by pen (its
// colour, width, dashes, round caps and joins, as the screen's pens draw). Whole-pixel
// points are mapped to pixel centres, as the raster maps them; the invisible pen draws
// nothing.
class SvgCanvas final : public Canvas {
 public:
  void SetPen(const Pen& pen) override;
  void Line(Point from, Point to) override;
  void FillRect(int left, int top, int width, int height, ColourNumber colour) override;

  // The elements drawn so far, each on its own line.
  std::string TakeElements() &&;

 private:
  void CloseGroup();

  std::string elements_;
  Pen pen_{0, 1, PenStyle::kSolid};
  std::optional<Pen> group_;  // the pen of the open <g>, if one is open
};

// "#rrggbb" for a colour number.
std::string SvgColour(ColourNumber colour);

// `text` for XML text and attributes: &, <, >, " and ' as entity references, bytes past
// ASCII read as Latin-1 and written as character references, control characters as '?'.
std::string EscapeXml(std::string_view text);

// A whole SVG document `width` x `height` pixels (its view box the same), titled `title`,
// holding `elements`.
std::string SvgDocument(int width, int height, std::string_view title, std::string_view elements);

// The organism of `dna` as the big view draws it, kPictureSize square, titled
// "Organism <dna>": what a picture saved as SVG holds.
std::string OrganismSvg(std::string_view dna);

}  // namespace vantrel

#endif  // VANTREL_ORGANISM_SVG_CANVAS_H_

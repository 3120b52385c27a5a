#include "organism/draw_organism.h"

#include "organism/dna.h"
#include "organism/figure.h"

namespace vantrel {

void DrawOrganism(Canvas& canvas, std::string_view dna, int width, int height) {
  canvas.FillRect(0, 0, width, height, kWhite);
  const Traits traits = DecodeTraits(dna);
  const Point centre{width / 2, height / 2};
  const std::vector<Point> points =
      FigurePoints(traits.vertex_count, traits.radius, traits.rotation, centre);
  const Pen pen{traits.colour, traits.pen_width, traits.style};
  for (int c = 1; c <= traits.vertex_count; ++c) {
    canvas.SetPen(pen);
    canvas.Line(points[c - 1], points[c]);
    if (traits.spokes) canvas.Line(points[c], centre);
  }
}

}  // namespace vantrel

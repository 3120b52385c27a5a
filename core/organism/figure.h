#ifndef VANTREL_ORGANISM_FIGURE_H_
#define VANTREL_ORGANISM_FIGURE_H_

#include <vector>

#include "organism/canvas.h"

namespace vantrel {

// The n + 1 points P(0)..P(n) of a regular figure: P(k) = (r sin a + cx, r cos a + cy) with
// a = 2 pi k / n + rotation, rounded to whole pixels with halves to even. P(n) == P(0).
std::vector<Point> FigurePoints(int vertex_count, int radius, double rotation, Point centre);

}  // namespace vantrel

#endif  // VANTREL_ORGANISM_FIGURE_H_

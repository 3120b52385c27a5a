#ifndef VANTREL_ORGANISM_DASH_PATTERN_H_
#define VANTREL_ORGANISM_DASH_PATTERN_H_

#include <limits>
#include <span>
#include <utility>
#include <vector>

#include "organism/dna.h"

namespace vantrel {

// The dash pattern of a style: ink, gap, ink, gap ... in pen widths (dash 4, dot 1, gap 2,
// as Qt's pens have it). Empty for the solid and the invisible pen.
std::span<const double> DashPattern(PenStyle style);

// The stretches of a line of `length` that a pen of `style` and `width` inks, as
// (start, end) distances from the line's start. The pattern restarts at every line. Only
// stretches that reach into the window from `first` to `last` are given, whole.
std::vector<std::pair<double, double>> InkedStretches(
    PenStyle style, double width, double length, double first = 0,
    double last = std::numeric_limits<double>::infinity());

}  // namespace vantrel

#endif  // VANTREL_ORGANISM_DASH_PATTERN_H_

#ifndef VANTREL_ORGANISM_DRAW_ORGANISM_H_
#define VANTREL_ORGANISM_DRAW_ORGANISM_H_

#include <string_view>

#include "organism/canvas.h"

namespace vantrel {

// Clears a width x height area to white and draws the organism of `dna` about its centre
// (width / 2, height / 2): each edge as its own stroke, then its spoke if it has spokes.
void DrawOrganism(Canvas& canvas, std::string_view dna, int width, int height);

}  // namespace vantrel

#endif  // VANTREL_ORGANISM_DRAW_ORGANISM_H_

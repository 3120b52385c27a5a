#ifndef VANTREL_LAB_COLOUR_WORDS_H_
#define VANTREL_LAB_COLOUR_WORDS_H_

#include <vector>

#include "lab/goal_words.h"
#include "organism/dna.h"

namespace vantrel {

// A colour in OKLCh: perceptual lightness 0 (black) to 1 (white), chroma from 0 (gray) up,
// hue in degrees 0 to 360.
struct Oklch {
  double lightness;
  double chroma;
  double hue;
};

Oklch ToOklch(ColourNumber colour);

// The colour's name and intensity in the idea's words (see docs/goal-words.md for the rule).
struct ColourWords {
  ColourWord name;
  IntensityWord intensity;
};

ColourWords NameColour(ColourNumber colour);

// Every distinct colour the genes can make (167 times a product of five factors 1 to 10),
// in ascending order.
const std::vector<ColourNumber>& GeneColours();

// NameColour, answered from a table for the gene colours.
ColourWords NameGeneColour(ColourNumber colour);

}  // namespace vantrel

#endif  // VANTREL_LAB_COLOUR_WORDS_H_

#include "lab/goal_words.h"

#include "lab/colour_words.h"
#include "lab/ideas.h"

namespace vantrel {

namespace {

std::string_view Trimmed(std::string_view word) {
  while (!word.empty() && word.back() == ' ') word.remove_suffix(1);
  return word;
}

WordTable TableOf(Aspect aspect) {
  switch (aspect) {
    case Aspect::kColour:
      return kIdeaColors;
    case Aspect::kIntensity:
      return WordTable(kIdeaIntensities).first(4);  // not the empty one
    case Aspect::kShape:
      return kIdeaShapes;
    case Aspect::kSize:
      return kIdeaSizes;
    case Aspect::kThickness:
      return kIdeaThicknesses;
    case Aspect::kLineStyle:
      return kIdeaLineStyles;
    case Aspect::kSpokes:
      return kIdeaSpokes;
  }
  return {};
}

}  // namespace

std::string_view AspectKey(Aspect aspect) {
  switch (aspect) {
    case Aspect::kColour:
      return "color";
    case Aspect::kIntensity:
      return "intensity";
    case Aspect::kShape:
      return "shape";
    case Aspect::kSize:
      return "size";
    case Aspect::kThickness:
      return "thickness";
    case Aspect::kLineStyle:
      return "linestyle";
    case Aspect::kSpokes:
      return "spokes";
  }
  return {};
}

int WordCount(Aspect aspect) { return static_cast<int>(TableOf(aspect).size()); }

std::string_view WordText(Aspect aspect, int word) {
  const WordTable table = TableOf(aspect);
  if (word < 0 || word >= static_cast<int>(table.size())) return {};
  return Trimmed(table[word]);
}

std::optional<int> WordIndex(Aspect aspect, std::string_view text) {
  text = Trimmed(text);
  for (int w = 0; w < WordCount(aspect); ++w) {
    if (WordText(aspect, w) == text) return w;
  }
  return std::nullopt;
}

ShapeWord ShapeOf(int vertex_count) {
  if (vertex_count <= 2) return kLine;
  if (vertex_count == 3) return kTriangle;
  if (vertex_count == 4) return kSquare;
  return vertex_count <= 8 ? kPolygon : kCircle;
}

SizeWord SizeOf(int radius) {
  if (radius <= 20) return kTiny;
  if (radius <= 60) return kSmall;
  if (radius <= 110) return kMediumSize;
  return radius <= 160 ? kLarge : kGiant;
}

ThicknessWord ThicknessOf(int pen_width) {
  if (pen_width <= 1) return kFine;
  if (pen_width <= 3) return kThinPen;
  if (pen_width <= 5) return kMediumPen;
  return pen_width <= 7 ? kFat : kThick;
}

LineStyleWord LineStyleOf(PenStyle style, int pen_width) {
  if (style != PenStyle::kSolid) return kBroken;
  if (pen_width <= 2) return kThinLine;
  if (pen_width <= 5) return kMediumLine;
  return pen_width <= 8 ? kBoldLine : kHeavyLine;
}

OrganismWords WordsOf(const Traits& traits) {
  OrganismWords words;
  words.visible = traits.style != PenStyle::kInvisible;
  const ColourWords colour = NameGeneColour(traits.colour);
  words.word = {colour.name,
                colour.intensity,
                ShapeOf(traits.vertex_count),
                SizeOf(traits.radius),
                ThicknessOf(traits.pen_width),
                LineStyleOf(traits.style, traits.pen_width),
                traits.spokes ? kWithSpokes : kWithoutSpokes};
  return words;
}

OrganismWords WordsOfDna(std::string_view dna) { return WordsOf(DecodeTraits(dna)); }

}  // namespace vantrel

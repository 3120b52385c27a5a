#ifndef VANTREL_LAB_GOAL_WORDS_H_
#define VANTREL_LAB_GOAL_WORDS_H_

#include <array>
#include <optional>
#include <string_view>

#include "organism/dna.h"

namespace vantrel {

// The aspects of an organism that the idea's words name and the program can judge, in the
// order of the goal's keys. The lookalike words are not among them: they stay the user's call.
enum class Aspect { kColour, kIntensity, kShape, kSize, kThickness, kLineStyle, kSpokes };
inline constexpr int kAspectCount = 7;
inline constexpr std::array<Aspect, kAspectCount> kAspects = {
    Aspect::kColour,    Aspect::kIntensity, Aspect::kShape, Aspect::kSize,
    Aspect::kThickness, Aspect::kLineStyle, Aspect::kSpokes};

// Word indices follow the idea generator's tables, so an idea's word maps to its index.
enum ColourWord : int {
  kRed,
  kBlue,
  kBrown,
  kGreen,
  kBlack,
  kPurple,
  kYellow,
  kOrange,
  kGray,
  kBordeaux
};
enum IntensityWord : int { kPale, kLight, kMediumIntensity, kDark };
enum ShapeWord : int { kLine, kTriangle, kSquare, kPolygon, kCircle };
enum SizeWord : int { kTiny, kSmall, kMediumSize, kLarge, kGiant };
enum ThicknessWord : int { kFine, kThinPen, kMediumPen, kFat, kThick };
enum LineStyleWord : int { kBroken, kThinLine, kMediumLine, kBoldLine, kHeavyLine };
enum SpokesWord : int { kWithSpokes, kWithoutSpokes };

// The key of an aspect in a goal written as key=value ("color", "intensity", ...).
std::string_view AspectKey(Aspect aspect);
// How many words an aspect has (the empty intensity is not a word: it accepts any).
int WordCount(Aspect aspect);
// A word as the idea writes it, without its trailing blank: "green", "with spokes".
std::string_view WordText(Aspect aspect, int word);
// The word an aspect writes as `text` (trailing blanks aside), if one does.
std::optional<int> WordIndex(Aspect aspect, std::string_view text);

// The bands of the traits. Values outside the genes' ranges fall into the nearest band.
ShapeWord ShapeOf(int vertex_count);  // line 2, triangle 3, square 4, polygon 5-8, circle 9+
SizeWord SizeOf(int radius);          // tiny <=20, small <=60, medium <=110, large <=160, giant
ThicknessWord ThicknessOf(int pen_width);  // fine 1, thin 2-3, medium 4-5, fat 6-7, thick 8+
// Broken for any dashed or dotted pen; a solid pen by its width: thin 1-2, medium 3-5,
// bold 6-8, heavy 9+. Only meaningful for a visible pen.
LineStyleWord LineStyleOf(PenStyle style, int pen_width);

// The words an organism meets, one per aspect. An invisible organism meets none.
struct OrganismWords {
  bool visible = false;
  std::array<int, kAspectCount> word{};

  int operator[](Aspect aspect) const { return word[static_cast<int>(aspect)]; }
};

OrganismWords WordsOf(const Traits& traits);
OrganismWords WordsOfDna(std::string_view dna);

}  // namespace vantrel

#endif  // VANTREL_LAB_GOAL_WORDS_H_

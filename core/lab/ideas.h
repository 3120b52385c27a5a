#ifndef VANTREL_LAB_IDEAS_H_
#define VANTREL_LAB_IDEAS_H_

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "population/random_source.h"

namespace vantrel {

// A fixed list of words to draw from, indexed from 0.
using WordTable = std::span<const std::string_view>;

// The opening of every idea; each ends in one blank so the sentence can follow directly.
inline constexpr std::array<std::string_view, 5> kIdeaIntros = {
    "You, the Almighty, have decided to make a living being that ",
    "Create an organism that ",
    "Make an organism that ",
    "Use your divine powers to make a being that ",
    "The world needs an organism that ",
};

// The sentences to fill; each placeholder appears at most once in a template.
inline constexpr std::array<std::string_view, 5> kIdeaTemplates = {
    "looks like a @intensity @color @lookalike.",
    "looks @color with @linestyle lines.",
    "is @intensity @color @spoke.",
    "is a @size @shape @spoke with @thickness lines.",
    "will be called \"@lookalike\".",
};

// The words for the placeholders. Each ends in one blank, except the empty intensity and
// "without spokes"; the clean-up removes the double blanks this leaves.
inline constexpr std::array<std::string_view, 5> kIdeaIntensities = {"pale ", "light ", "medium ",
                                                                     "dark ", ""};
inline constexpr std::array<std::string_view, 10> kIdeaColors = {
    "red ",    "blue ",   "brown ",  "green ", "black ",
    "purple ", "yellow ", "orange ", "gray ",  "bordeaux "};
inline constexpr std::array<std::string_view, 5> kIdeaLookalikes = {
    "strawberry ", "wheel ", "cube on its side ", "marble ", "windmill "};
inline constexpr std::array<std::string_view, 5> kIdeaLineStyles = {"broken ", "thin ", "medium ",
                                                                    "bold ", "heavy "};
inline constexpr std::array<std::string_view, 2> kIdeaSpokes = {"with spokes ", "without spokes"};
inline constexpr std::array<std::string_view, 5> kIdeaSizes = {"tiny ", "small ", "medium ",
                                                               "large ", "giant "};
inline constexpr std::array<std::string_view, 5> kIdeaThicknesses = {"fine ", "thin ", "medium ",
                                                                     "fat ", "thick "};
inline constexpr std::array<std::string_view, 5> kIdeaShapes = {"line ", "triangle ", "square ",
                                                                "polygon ", "circle "};

// One entry of `table`, chosen with exactly one draw below the table's size. An empty
// table gives the empty text without drawing.
std::string_view PickRandom(WordTable table, RandomSource& random);

// The words of one idea, one from each table.
struct IdeaWords {
  std::string_view intro{};
  std::string_view sentence{};  // the template
  std::string_view intensity{};
  std::string_view color{};
  std::string_view lookalike{};
  std::string_view linestyle{};
  std::string_view spoke{};
  std::string_view size{};
  std::string_view thickness{};
  std::string_view shape{};
};

// Draws the ten words in their fixed order, one draw each, whether the template uses them
// or not, so every idea moves the random source on by exactly ten draws.
IdeaWords DrawIdeaWords(RandomSource& random);

// Replaces the first occurrence of each placeholder by its word, in the fixed placeholder
// order, each in the result of the one before.
std::string FillIdeaTemplate(const IdeaWords& words);

// One left-to-right pass that turns every pair of blanks into one blank, without looking
// again at what it has put in: three blanks become two.
std::string CollapseDoubleBlanks(std::string_view text);

// Tidies a filled template: two collapse passes, then the first blank before a full stop
// and the first blank before a closing double quote and full stop are removed.
std::string CleanUpIdeaSpacing(std::string_view sentence);

// A whole idea in the current language: ten draws, whatever the language, the template
// filled and cleaned, the opening in front (see IdeaText in idea_wording.h).
std::string GenerateIdea(RandomSource& random);

// The same idea together with the words it was made of, so that a program can judge it. The
// words are the English ones the goal keys use; only the text is in the current language.
struct Idea {
  IdeaWords words;
  std::string text;
};
Idea MakeIdea(RandomSource& random);

}  // namespace vantrel

#endif  // VANTREL_LAB_IDEAS_H_

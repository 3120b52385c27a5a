#ifndef VANTREL_HISTORY_FAMILY_TREE_TEXTS_H_
#define VANTREL_HISTORY_FAMILY_TREE_TEXTS_H_

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "history/lineage.h"

namespace vantrel {

// What the family tree says and how it marks digits, for every face that draws one.

// Generations of ancestors a tree shows below its organism.
inline constexpr int kTreeGenerations = 5;

// The window's fixed texts, in the current language.
std::string FamilyTreeTitle();
std::string TreeBackText();
std::string TreeBackName();
std::string TreeBackTooltip();  // names the key Alt+Left
std::string NoOrganismSelectedText();

// How a digit is marked besides its colour, for those who cannot tell colours apart.
enum class DigitMark : std::uint8_t {
  kPlain,      // first parent, root
  kUnderline,  // second parent
  kBoxed,      // mutation: bold, white on a box of its colour
};

DigitMark OriginMark(DigitOrigin origin);
// The colour of a digit of this origin (and of the line to that parent) as 0xRRGGBB.
std::uint32_t OriginColour(DigitOrigin origin);
// "#1f5fbf": the colour as CSS and rich text write it.
std::string OriginColourName(DigitOrigin origin);
// "first parent", "second parent", "mutation" or "root", in the current language.
std::string OriginName(DigitOrigin origin);

// The legend above the tree: LegendLead(), then for each origin a sample digit followed by
// its text, then LegendTail(); a list, so each piece is translated alone.
struct LegendEntry {
  char digit;
  DigitOrigin origin;
  std::string text;
};
std::string LegendLead();
std::array<LegendEntry, 4> LegendEntries();
std::string LegendTail();

// The heading of a generation's row: "Parents" for 1 up to kTreeGenerations; "" beyond.
std::string GenerationName(int generation);
// "ID 12 · living", with " · root" (and its P1 and P2 when they are not 0) for a root.
std::string CardCaption(const OrganismRecord& record);
// Pool, parents, survival, birth and end, for the organism the tree is about (two lines).
std::string TreeDetails(const OrganismRecord& record);
// The DNA's origins run by run, in words: "4 first parent, 1 mutation, 8 second parent".
std::string OriginRuns(const std::vector<DigitOrigin>& origins);

}  // namespace vantrel

#endif  // VANTREL_HISTORY_FAMILY_TREE_TEXTS_H_

#ifndef VANTREL_HISTORY_FAMILY_TREE_H_
#define VANTREL_HISTORY_FAMILY_TREE_H_

#include <cstdint>
#include <string>
#include <vector>

#include "history/lineage.h"

namespace vantrel {

// One card of a family tree: an organism as the record knows it, with what a face shows.
struct TreeCard {
  std::uint32_t serial = kNoSerial;
  int generation = 0;  // 0 for the organism the tree is about, 1 for a parent
  int row = 0;         // its table row while it lives; 0 once it has left the table
  std::uint32_t first_parent = kNoSerial;
  std::uint32_t second_parent = kNoSerial;
  bool alive = false;
  bool root = false;
  std::string id;
  std::string dna;
  std::vector<DigitOrigin> origins;  // one per DNA character
  std::string caption;               // CardCaption
  std::string details;               // TreeDetails, for generation 0 only
  std::string description;           // OriginRuns
};

// The organism `serial` and its ancestors up to `generations` back, nearest first, each
// once (see Lineage::Ancestors); nothing for a serial the record does not hold.
// `row_count` is the table's rows with the title row: a living ancestor's row is looked
// for among them.
std::vector<TreeCard> BuildFamilyTree(const Lineage& lineage, std::uint32_t serial, int generations,
                                      int row_count);

}  // namespace vantrel

#endif  // VANTREL_HISTORY_FAMILY_TREE_H_

#include "history/family_tree.h"

#include <unordered_map>

#include "history/family_tree_texts.h"

namespace vantrel {

namespace {

TreeCard Card(const Lineage& lineage, std::uint32_t serial, int generation) {
  const OrganismRecord record = lineage.Get(serial);
  TreeCard card;
  card.serial = serial;
  card.generation = generation;
  card.first_parent = record.first_parent;
  card.second_parent = record.second_parent;
  card.alive = record.IsAlive();
  card.root = record.IsRoot();
  card.id = record.id;
  card.dna = record.dna;
  card.origins = lineage.DigitOrigins(serial);
  card.caption = CardCaption(record);
  if (generation == 0) card.details = TreeDetails(record);
  card.description = OriginRuns(card.origins);
  return card;
}

}  // namespace

std::vector<TreeCard> BuildFamilyTree(const Lineage& lineage, std::uint32_t serial, int generations,
                                      int row_count) {
  std::vector<TreeCard> cards;
  if (serial >= lineage.size()) return cards;
  cards.push_back(Card(lineage, serial, 0));
  for (const Lineage::Ancestor& ancestor : lineage.Ancestors(serial, generations)) {
    cards.push_back(Card(lineage, ancestor.serial, ancestor.generation));
  }
  // Each living card's row, in one pass over the table rather than one per card.
  std::unordered_map<std::uint32_t, int> rows;
  for (int row = 1; row < row_count; ++row) rows.emplace(lineage.SerialInRow(row), row);
  for (TreeCard& card : cards) {
    const auto found = rows.find(card.serial);
    if (card.alive && found != rows.end()) card.row = found->second;
  }
  return cards;
}

}  // namespace vantrel

#include "history/family_tree.h"

#include <gtest/gtest.h>

#include "history/family_tree_texts.h"
#include "tests/core/history/test_world.h"

namespace vantrel {
namespace {

using testing::World;

TEST(FamilyTreeTest, CardsAreTheOrganismThenItsAncestorsWithLivingRows) {
  World world(11, 3);
  for (int i = 0; i < 8; ++i) world.Shoot(40);
  const Lineage& lineage = world.history.lineage();
  const int rows = world.document.grid().RowCount();
  const std::uint32_t newest = lineage.size() - 1;
  const std::vector<TreeCard> cards = BuildFamilyTree(lineage, newest, kTreeGenerations, rows);
  ASSERT_FALSE(cards.empty());
  EXPECT_EQ(cards[0].serial, newest);
  EXPECT_EQ(cards[0].generation, 0);
  EXPECT_FALSE(cards[0].details.empty());
  const auto ancestors = lineage.Ancestors(newest, kTreeGenerations);
  ASSERT_EQ(cards.size(), ancestors.size() + 1);
  for (std::size_t i = 1; i < cards.size(); ++i) {
    const TreeCard& card = cards[i];
    EXPECT_EQ(card.serial, ancestors[i - 1].serial);
    EXPECT_EQ(card.generation, ancestors[i - 1].generation);
    EXPECT_TRUE(card.details.empty());
    EXPECT_EQ(card.origins, lineage.DigitOrigins(card.serial));
    EXPECT_EQ(card.dna.size(), card.origins.size());
    // A living card names the row that holds it; a dead one none.
    if (card.alive) {
      ASSERT_GT(card.row, 0);
      EXPECT_EQ(lineage.SerialInRow(card.row), card.serial);
    } else {
      EXPECT_EQ(card.row, 0);
    }
  }
  EXPECT_TRUE(BuildFamilyTree(lineage, lineage.size(), kTreeGenerations, rows).empty());
}

TEST(FamilyTreeTest, TextsSayRootsDeathsAndRunsOfOrigins) {
  World world(5, 2);
  world.document.grid().SelectRow(1);
  const Birth birth = world.Shoot(0);
  const Lineage& lineage = world.history.lineage();
  OrganismRecord root = lineage.Get(0);
  EXPECT_EQ(CardCaption(root), "ID " + root.id + " · dead · root");
  root.p1 = "7";
  root.p2 = "9";
  root.exit = Exit::kAlive;
  EXPECT_EQ(CardCaption(root), "ID " + root.id + " · living · root (P1 7, P2 9)");
  const OrganismRecord child = lineage.Get(lineage.SerialInRow(1));
  EXPECT_EQ(TreeDetails(child), "Gene pool 1 · P1 " + birth.first_parent_id + " · P2 " +
                                    birth.second_parent_id + " · survival at birth " +
                                    birth.survival + "\nborn in step 1 · living");
  using enum DigitOrigin;
  EXPECT_EQ(OriginRuns({kFirstParent, kFirstParent, kMutation, kSecondParent}),
            "2 first parent, 1 mutation, 1 second parent");
  EXPECT_EQ(GenerationName(1), "Parents");
  EXPECT_EQ(GenerationName(kTreeGenerations), "Great-great-great-grandparents");
  EXPECT_EQ(GenerationName(kTreeGenerations + 1), "");
  EXPECT_EQ(OriginColourName(kSecondParent), "#b85c00");
}

}  // namespace
}  // namespace vantrel

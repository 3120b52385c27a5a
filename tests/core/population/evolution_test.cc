#include "population/evolution.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <string>
#include <vector>

#include "tests/support/fakes.h"

namespace vantrel {
namespace {

using testing::ScriptedRandom;

// Letters in the second parent show where every character of a child came from.
constexpr char kFirst[] = "0123456789012";
constexpr char kSecond[] = "abcdefghijklm";

TEST(BreedGenomeTest, CutTakesTheHeadOfFirstAndTheRestOfSecond) {
  const std::pair<int, const char*> cases[] = {
      {0, kSecond}, {1, kSecond}, {2, "0bcdefghijklm"}, {12, "01234567890lm"}};
  for (const auto& [cut, child] : cases) {
    ScriptedRandom random({cut, 0});
    EXPECT_EQ(BreedGenome(kFirst, kSecond, 0, random), child) << "cut " << cut;
    EXPECT_EQ(random.requests(), (std::vector<int>{13, 100})) << "cut " << cut;
  }
}

TEST(BreedGenomeTest, MutatesInDrawOrderAndNeverPastTheEnd) {
  // Cut, then per pass: test, position - 1, digit; a test not below creativity stops.
  ScriptedRandom full({0, 9, 3, 7, 10});
  EXPECT_EQ(BreedGenome(kFirst, kSecond, 10, full), "abc7efghijklm");
  EXPECT_EQ(full.requests(), (std::vector<int>{13, 100, 13, 10, 100}));

  // A short child keeps its length; a position beyond it still costs its draws.
  ScriptedRandom short_child({0, 9, 1, 7, 9, 12, 5, 10, 5, 0});
  EXPECT_EQ(BreedGenome("12", "345", 10, short_child), "375");
  EXPECT_EQ(BreedGenome("12", "345", 0, short_child), "12");
  EXPECT_EQ(short_child.remaining(), 0u);
}

TEST(BreedGenomeTest, TraceHoldsTheCutAndEveryMutationAsDrawn) {
  // The second mutation lands past the end of the short child and is still traced.
  ScriptedRandom random({2, 9, 0, 7, 9, 12, 5, 10});
  BreedTrace trace{99, {{1, 'x'}}};
  EXPECT_EQ(BreedGenome("12", "345", 10, random, &trace), "745");
  EXPECT_EQ(trace.cut, 2);
  EXPECT_EQ(trace.mutations, (std::vector<Mutation>{{0, '7'}, {12, '5'}}));
}

TEST(BreedGenomeTest, CreativityOutsideZeroTo99IsBounded) {
  // A test draw of 98 goes on and 99 stops, for 100 just as for 99.
  for (int creativity : {99, 100, INT_MAX}) {
    ScriptedRandom random({0, 98, 0, 1, 99});
    EXPECT_EQ(BreedGenome(kFirst, kSecond, creativity, random), "1bcdefghijklm");
    EXPECT_EQ(random.remaining(), 0u) << creativity;
  }
  ScriptedRandom negative({0, 0});
  EXPECT_EQ(BreedGenome(kFirst, kSecond, -5, negative), kSecond);
  LcgRandom real(1);
  EXPECT_EQ(BreedGenome(kFirst, kSecond, INT_MAX, real).size(), 13u);
}

// Counts mutation passes: each draws exactly one digit below 10.
class CountingRandom final : public RandomSource {
 public:
  void Seed(std::uint32_t seed) override { lcg_.Seed(seed); }
  int Draw(int n) override {
    if (n == 10) ++digits;
    return lcg_.Draw(n);
  }
  std::uint64_t State() const override { return lcg_.State(); }
  void RestoreState(std::uint64_t state) override { lcg_.RestoreState(state); }
  int digits = 0;

 private:
  LcgRandom lcg_{4711};
};

TEST(BreedGenomeTest, MutationCountAtCreativity10IsGeometric) {
  constexpr int kChildren = 100000;
  CountingRandom random;
  std::array<int, 3> counts{};  // none, one, more
  for (int i = 0; i < kChildren; ++i) {
    random.digits = 0;
    BreedGenome(kFirst, kSecond, 10, random);
    ++counts[std::min(random.digits, 2)];
  }
  EXPECT_NEAR(counts[0], 0.90 * kChildren, 0.005 * kChildren);
  EXPECT_NEAR(counts[1], 0.09 * kChildren, 0.003 * kChildren);
  EXPECT_NEAR(counts[2], 0.01 * kChildren, 0.002 * kChildren);
}

struct SelectionLog final : GridObserver {
  void GridSelectionChanged(int row) override { rows.push_back(row); }
  std::vector<int> rows;
};

std::vector<std::string> Row(const StringGrid& grid, int row) {
  std::vector<std::string> cells;
  cells.reserve(kOrganismColumnCount);
  for (int col = 0; col < kOrganismColumnCount; ++col) cells.push_back(grid.Cell(col, row));
  return cells;
}

TEST(GenerateOrganismTest, ReadsBothParentsBeforeWritingTheVictimsRow) {
  StringGrid grid(kOrganismColumnCount, 4);
  const std::vector<std::vector<std::string>> founders = {
      {"7", "0", "0", kFirst, "5"}, {"8", "0", "0", kSecond, "x"}, {"9", "0", "0", "9999", "3"}};
  for (int row = 1; row <= 3; ++row) {
    for (int col = 0; col < kOrganismColumnCount; ++col) {
      grid.SetCell(col, row, founders[row - 1][col]);
    }
  }
  SelectionLog log;
  grid.AddObserver(&log);
  // Row 1 is its own first parent; the smaller survival is the second parent's.
  ScriptedRandom random({0, 1, 2, 0});
  Population population(grid, random);
  const Birth birth = GenerateOrganism(population, 0);
  EXPECT_EQ(Row(grid, 1), (std::vector<std::string>{"1", "7", "8", "0bcdefghijklm", "0"}));
  EXPECT_EQ(log.rows, (std::vector<int>{2, 1}));
  EXPECT_EQ(std::vector<std::string>({birth.first_parent_id, birth.second_parent_id, birth.id,
                                      birth.dna, birth.survival}),
            (std::vector<std::string>{"7", "8", "1", "0bcdefghijklm", "0"}));
  EXPECT_EQ(std::vector<int>(
                {birth.row, birth.first_parent_row, birth.second_parent_row, birth.trace.cut}),
            (std::vector<int>{1, 1, 2, 2}));

  // Now the smaller survival is the first parent's; the ID keeps rising.
  grid.SelectRow(3);
  for (int value : {1, 2, 0, 0}) random.Push(value);
  GenerateOrganism(population, 0);
  EXPECT_EQ(Row(grid, 3), (std::vector<std::string>{"2", "8", "9", "9999", "0"}));
  EXPECT_EQ(grid.SelectedRow(), 3);
  grid.RemoveObserver(&log);
}

TEST(GenerateOrganismTest, LoneOrganismBreedsWithItselfAndIdsRestartWithANewPool) {
  StringGrid grid(kOrganismColumnCount, 1);
  LcgRandom random(1);
  Population population(grid, random);
  for (int pool = 0; pool < 2; ++pool) {
    population.NewGenePool(2);
    // A copy: the birth writes over the cell.
    // NOLINTNEXTLINE(performance-unnecessary-copy-initialization)
    const std::string dna = grid.Cell(kDnaColumn, 1);
    GenerateOrganism(population, 0);
    EXPECT_EQ(Row(grid, 1), (std::vector<std::string>{"2", "1", "1", dna, "0"}));
  }
}

// A birth whose strings are used again, after long and short DNA and a mutated child,
// records and writes what a fresh one would.
TEST(GenerateOrganismTest, ABirthUsedAgainEqualsAFreshOne) {
  StringGrid fresh_grid(kOrganismColumnCount, 1);
  StringGrid reused_grid(kOrganismColumnCount, 1);
  LcgRandom fresh_random(3);
  LcgRandom reused_random(3);
  Population fresh(fresh_grid, fresh_random);
  Population reused(reused_grid, reused_random);
  for (StringGrid* grid : {&fresh_grid, &reused_grid}) {
    grid->SetRowCount(4);
    const char* const dna[] = {"12", "1234567890123456789", "5"};
    for (int row = 1; row <= 3; ++row) grid->SetCell(kDnaColumn, row, dna[row - 1]);
  }
  Birth scratch;
  for (int step = 0; step < 300; ++step) {
    const int creativity = step % 2 == 0 ? 99 : 0;
    const Birth birth = GenerateOrganism(fresh, creativity);
    GenerateOrganismInto(reused, creativity, scratch);
    ASSERT_EQ(std::vector<std::string>({scratch.id, scratch.first_parent_id,
                                        scratch.second_parent_id, scratch.dna, scratch.survival}),
              std::vector<std::string>({birth.id, birth.first_parent_id, birth.second_parent_id,
                                        birth.dna, birth.survival}))
        << "step " << step;
    ASSERT_EQ(scratch.trace.mutations.size(), birth.trace.mutations.size()) << "step " << step;
    ASSERT_EQ(Row(reused_grid, scratch.row), Row(fresh_grid, birth.row)) << "step " << step;
    fresh_grid.SelectRow(1 + step % 3);
    reused_grid.SelectRow(1 + step % 3);
  }
}

TEST(FeedOrganismTest, AddsTheBonusAndTellsWhetherTheSameRowCameUp) {
  StringGrid grid(kOrganismColumnCount, 3);
  grid.SetCell(kSurvivalColumn, 1, "3");
  grid.SetCell(kSurvivalColumn, 2, "x");
  ScriptedRandom random({1, 1, 0});
  Population population(grid, random);
  EXPECT_FALSE(FeedOrganism(population, 5));
  EXPECT_EQ(grid.Cell(kSurvivalColumn, 1), "8");
  EXPECT_TRUE(FeedOrganism(population, -7));
  EXPECT_EQ(grid.Cell(kSurvivalColumn, 2), "-7");
  grid.SetCell(kSurvivalColumn, 2, "2147483647");
  FeedOrganism(population, 1);
  EXPECT_EQ(grid.Cell(kSurvivalColumn, 2), "2147483647");
}

TEST(EvolutionTest, TableWithoutOrganismsIsLeftAlone) {
  StringGrid grid(kOrganismColumnCount, 1);
  grid.SetCell(kSurvivalColumn, 0, "Survival");
  ScriptedRandom random;  // any draw fails the test
  Population population(grid, random);
  EXPECT_FALSE(FeedOrganism(population, 5));
  EXPECT_EQ(GenerateOrganism(population, 50).row, 0);
  EXPECT_EQ(Row(grid, 0), (std::vector<std::string>{"", "", "", "", "Survival"}));
  EXPECT_EQ(population.counter(), 0);
}

}  // namespace
}  // namespace vantrel

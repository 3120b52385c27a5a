#include "population/population.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>

#include "population/integer_text.h"
#include "population/lenient_number.h"
#include "tests/support/fakes.h"

namespace vantrel {
namespace {

TEST(NewGenePoolTest, FillsFoundersFromThirteenDrawsEach) {
  StringGrid grid(5, 2);
  testing::ScriptedRandom random;
  for (int i = 0; i < 26; ++i) random.Push(i % 10);
  Population population(grid, random);
  population.SetUpColumns();
  population.NewGenePool(3);
  EXPECT_EQ(grid.RowCount(), 3);
  EXPECT_EQ(grid.Cell(kDnaColumn, 1), "0123456789012");
  EXPECT_EQ(grid.Cell(kDnaColumn, 2), "3456789012345");
  EXPECT_EQ(random.requests(), std::vector<int>(26, 10));
  for (int row = 1; row <= 2; ++row) {
    EXPECT_EQ(grid.Cell(kIdColumn, row), std::to_string(row));
    EXPECT_EQ(grid.Cell(kP1Column, row), "0");
    EXPECT_EQ(grid.Cell(kP2Column, row), "0");
    EXPECT_EQ(grid.Cell(kSurvivalColumn, row), "0");
  }
  EXPECT_EQ(grid.Cell(kSurvivalColumn, 0), "Survival");
  EXPECT_EQ(population.counter(), 2);
}

TEST(NewGenePoolTest, DefaultSizeGivesNineOrganismsAndRestartsIds) {
  StringGrid grid(5, 2);
  LcgRandom random(1);
  Population population(grid, random);
  population.SetUpColumns();
  population.NewGenePool(10);
  population.NewId();
  population.NewGenePool(10);
  EXPECT_EQ(grid.RowCount(), 10);
  for (int row = 1; row < 10; ++row) {
    EXPECT_EQ(grid.Cell(kIdColumn, row), std::to_string(row));
    const std::string& dna = grid.Cell(kDnaColumn, row);
    EXPECT_EQ(dna.size(), 13u);
    EXPECT_TRUE(std::all_of(dna.begin(), dna.end(), [](char c) { return c >= '0' && c <= '9'; }));
  }
  EXPECT_EQ(population.counter(), 9);
}

TEST(NewGenePoolTest, SmallestPopulationHasOneOrganism) {
  StringGrid grid(5, 2);
  LcgRandom random(5);
  Population population(grid, random);
  population.NewGenePool(2);
  EXPECT_EQ(grid.RowCount(), 2);
  EXPECT_EQ(grid.Cell(kIdColumn, 1), "1");
}

TEST(NewGenePoolTest, ShrinkingKeepsTheSelectionOnTheLastRowAndClearsOldCells) {
  StringGrid grid(5, 2);
  LcgRandom random(9);
  Population population(grid, random);
  population.NewGenePool(50);
  grid.SelectRow(30);
  population.NewGenePool(10);
  EXPECT_EQ(grid.SelectedRow(), 9);
  // Rows that fell outside were cleared (but for their IDs) before the shrink.
  EXPECT_EQ(grid.Cell(kDnaColumn, 30), "");
  EXPECT_EQ(grid.Cell(kIdColumn, 30), "30");
}

TEST(NewGenePoolTest, KeepsAnotherColumnCountAndStillWritesFiveCells) {
  StringGrid grid(3, 4);
  LcgRandom random(3);
  Population population(grid, random);
  population.NewGenePool(4);
  EXPECT_EQ(grid.ColCount(), 3);
  EXPECT_EQ(grid.Cell(kSurvivalColumn, 1), "0");
  EXPECT_EQ(grid.Cell(kDnaColumn, 3).size(), 13u);
}

TEST(SelectRandomRowTest, DrawsBelowTheOrganismCount) {
  StringGrid grid(5, 6);
  testing::ScriptedRandom random({4, 0});
  Population population(grid, random);
  population.SelectRandomRow();
  EXPECT_EQ(grid.SelectedRow(), 5);
  population.SelectRandomRow();
  EXPECT_EQ(grid.SelectedRow(), 1);
  EXPECT_EQ(random.requests(), (std::vector<int>{5, 5}));
}

TEST(LenientNumberTest, ReadsWholeNumbersOnly) {
  EXPECT_EQ(ParseIntOr("42", 0), 42);
  EXPECT_EQ(ParseIntOr("-7", 0), -7);
  EXPECT_EQ(ParseIntOr("+7", 0), 7);
  EXPECT_EQ(ParseIntOr("", 2), 2);
  EXPECT_EQ(ParseIntOr("1.5", 2), 2);
  EXPECT_EQ(ParseIntOr("12a", 2), 2);
  EXPECT_EQ(ParseIntOr("-", 2), 2);
  EXPECT_EQ(ParseIntOr("99999999999", 2), 2);
  // Either side of the nine digits read without from_chars.
  EXPECT_EQ(ParseIntOr("999999999", 2), 999999999);
  EXPECT_EQ(ParseIntOr("+000000012", 2), 12);
  EXPECT_EQ(ParseIntOr("2147483647", 2), INT_MAX);
  EXPECT_EQ(ParseIntOr("2147483648", 2), 2);
  EXPECT_EQ(ParseIntOr("1 2", 2), 2);
  EXPECT_EQ(ParseIntOr("\xD9", 2), 2);  // a byte above ASCII, as char is signed
  EXPECT_EQ(ParseIntOr("1/", 2), 2);    // the characters next to the digits
  EXPECT_EQ(ParseIntOr(":1", 2), 2);
}

// The table's numbers read back as written, at every length and at both ends of the range.
TEST(IntegerTextTest, WritesWhatToStringWritesAndReadsBack) {
  for (long long value :
       {0LL, 7LL, -7LL, 10LL, -10LL, 99LL, 100LL, -101LL, 12345LL, 1000000LL, LLONG_MAX, LLONG_MIN,
        static_cast<long long>(INT_MAX), static_cast<long long>(INT_MIN)}) {
    EXPECT_EQ(IntegerText(value), std::to_string(value));
  }
  for (int value = -2000; value <= 2000; value += 7) {
    EXPECT_EQ(ParseIntOr(IntegerText(value), 0), value);
  }
  // Either side of each power of ten: the digits are written two at a time.
  for (long long power = 1; power <= LLONG_MAX / 10; power *= 10) {
    for (const long long value : {power - 1, power, power + 1, -power, -power * 10 + 1}) {
      EXPECT_EQ(IntegerText(value), std::to_string(value)) << value;
    }
  }
}

}  // namespace
}  // namespace vantrel

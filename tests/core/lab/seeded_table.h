#ifndef VANTREL_TESTS_CORE_LAB_SEEDED_TABLE_H_
#define VANTREL_TESTS_CORE_LAB_SEEDED_TABLE_H_

#include <cstdint>

#include "population/population.h"
#include "population/random_source.h"
#include "population/string_grid.h"

namespace vantrel::testing {

// A population of its own from a fixed seed.
struct SeededTable {
  SeededTable(std::uint32_t seed, int rows) : random(seed), population(grid, random) {
    population.SetUpColumns();
    population.NewGenePool(rows);
  }
  StringGrid grid{kOrganismColumnCount, 2};
  LcgRandom random;
  Population population;
};

}  // namespace vantrel::testing

#endif  // VANTREL_TESTS_CORE_LAB_SEEDED_TABLE_H_

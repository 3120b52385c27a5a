#ifndef VANTREL_POPULATION_POPULATION_H_
#define VANTREL_POPULATION_POPULATION_H_

#include <string>

#include "population/random_source.h"
#include "population/string_grid.h"

namespace vantrel {

// Columns of the organism table.
enum OrganismColumn : int {
  kIdColumn = 0,
  kP1Column = 1,
  kP2Column = 2,
  kDnaColumn = 3,
  kSurvivalColumn = 4,
  kOrganismColumnCount = 5,
};

// The population: the organism table, the organism counter and the random source. Every
// operation reads and writes the table's cells as text.
class Population {
 public:
  Population(StringGrid& grid, RandomSource& random) : grid_(grid), random_(random) {}

  StringGrid& grid() { return grid_; }
  const StringGrid& grid() const { return grid_; }
  RandomSource& random() { return random_; }

  // The organism counter: the ID last given out (0 after a new gene pool).
  int counter() const { return counter_; }
  // Gives out the next ID.
  int NewId() { return ++counter_; }
  // Puts the counter back, as when a step is undone or a saved state restored.
  void set_counter(int counter) { counter_ = counter; }

  // Five columns with the titles "ID", "P1", "P2", "DNA", "Survival" in row 0.
  void SetUpColumns();

  // Replaces the table by row_count - 1 random founders with IDs from 1. Keeps the column
  // count and the selected row (unless the table shrinks below it). Draws nothing.
  void NewGenePool(int row_count);

  // Gives every organism row whose ID cell is empty the next ID, as a newborn would get
  // (a load keeps the ID column, so rows beyond the old table come without one).
  void NameUnnamedRows();

  // Selects row k + 1 for a draw k below the number of organism rows. Defined here: every
  // step makes one or more of these, and a call costs more than the work.
  void SelectRandomRow() {
    if (grid_.HasBodyRows()) grid_.SelectRow(random_.Draw(grid_.RowCount() - 1) + 1);
  }

  // Texts of the selected row's cells.
  const std::string& SelectedDna() const;
  const std::string& SelectedSurvival() const;

 private:
  StringGrid& grid_;
  RandomSource& random_;
  int counter_ = 0;
};

}  // namespace vantrel

#endif  // VANTREL_POPULATION_POPULATION_H_

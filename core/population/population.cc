#include "population/population.h"

#include <array>

#include "organism/dna.h"
#include "population/integer_text.h"

namespace vantrel {

void Population::SetUpColumns() {
  static constexpr std::array<const char*, kOrganismColumnCount> kTitles = {"ID", "P1", "P2", "DNA",
                                                                            "Survival"};
  grid_.SetColCount(kOrganismColumnCount);
  for (int col = 0; col < kOrganismColumnCount; ++col) grid_.SetCell(col, 0, kTitles[col]);
}

void Population::NewGenePool(int row_count) {
  counter_ = 0;
  const StringGrid::UpdateScope batch(grid_);
  for (int row = 1; row < grid_.RowCount(); ++row) {
    for (int col = 1; col < grid_.ColCount(); ++col) grid_.SetCell(col, row, std::string());
  }
  grid_.SetRowCount(row_count);
  for (int row = 1; row < grid_.RowCount(); ++row) {
    grid_.SetCell(kIdColumn, row, IntegerText(NewId()));
    grid_.SetCell(kP1Column, row, "0");
    grid_.SetCell(kP2Column, row, "0");
    std::string dna(kDnaLength, '0');
    for (char& digit : dna) digit = static_cast<char>('0' + random_.Draw(10));
    grid_.SetCell(kDnaColumn, row, std::move(dna));
    grid_.SetCell(kSurvivalColumn, row, "0");
  }
}

void Population::NameUnnamedRows() {
  for (int row = 1; row < grid_.RowCount(); ++row) {
    if (grid_.Cell(kIdColumn, row).empty()) grid_.SetCell(kIdColumn, row, IntegerText(NewId()));
  }
}

const std::string& Population::SelectedDna() const {
  return grid_.Cell(kDnaColumn, grid_.SelectedRow());
}

const std::string& Population::SelectedSurvival() const {
  return grid_.Cell(kSurvivalColumn, grid_.SelectedRow());
}

}  // namespace vantrel

#include "population/evolution.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <utility>

#include "organism/dna.h"
#include "population/lenient_number.h"

namespace vantrel {

namespace {

constexpr int kDigitBase = 10;
constexpr int kPercent = 100;

// The cells of a parent, copied because the child may be written over that very row.
struct Parent {
  std::string id;
  int survival;
  std::string dna;
};

Parent ReadSelected(const Population& population) {
  const StringGrid& grid = population.grid();
  const int row = grid.SelectedRow();
  return {grid.Cell(kIdColumn, row), ParseIntOr(grid.Cell(kSurvivalColumn, row), 0),
          grid.Cell(kDnaColumn, row)};
}

// Characters `position` (1-based) to `position + count - 1` of `text`, as far as it reaches.
std::string_view Part(std::string_view text, int position, int count) {
  const auto start = static_cast<std::size_t>(position - 1);
  if (count <= 0 || start >= text.size()) return {};
  return text.substr(start, static_cast<std::size_t>(count));
}

}  // namespace

std::string BreedGenome(std::string_view first, std::string_view second, int creativity,
                        RandomSource& random) {
  const int cut = random.Draw(kDnaLength);
  std::string child(Part(first, 1, cut - 1));
  child += Part(second, std::max(cut, 1), kDnaLength);

  const int chance = std::min(creativity, kMaxCreativity);
  while (random.Draw(kPercent) < chance) {
    const auto position = static_cast<std::size_t>(random.Draw(kDnaLength));
    const char digit = static_cast<char>('0' + random.Draw(kDigitBase));
    if (position < child.size()) child[position] = digit;
  }
  return child;
}

void GenerateOrganism(Population& population, int creativity) {
  StringGrid& grid = population.grid();
  if (!grid.HasBodyRows()) return;
  const int victim = grid.SelectedRow();
  population.SelectRandomRow();
  const Parent a = ReadSelected(population);
  population.SelectRandomRow();
  const Parent b = ReadSelected(population);
  grid.SelectRow(victim);

  grid.SetCell(kIdColumn, victim, std::to_string(population.NewId()));
  grid.SetCell(kP1Column, victim, a.id);
  grid.SetCell(kP2Column, victim, b.id);
  grid.SetCell(kDnaColumn, victim, BreedGenome(a.dna, b.dna, creativity, population.random()));
  grid.SetCell(kSurvivalColumn, victim, std::to_string(std::min(a.survival, b.survival)));
}

bool FeedOrganism(Population& population, int bonus) {
  StringGrid& grid = population.grid();
  if (!grid.HasBodyRows()) return false;
  const int fed = grid.SelectedRow();
  const long long score =
      static_cast<long long>(ParseIntOr(population.SelectedSurvival(), 0)) + bonus;
  grid.SetCell(kSurvivalColumn, fed,
               std::to_string(std::clamp<long long>(score, INT_MIN, INT_MAX)));
  population.SelectRandomRow();
  return grid.SelectedRow() == fed;
}

}  // namespace vantrel

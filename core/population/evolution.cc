#include "population/evolution.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <utility>

#include "organism/dna.h"
#include "population/integer_text.h"
#include "population/lenient_number.h"

namespace vantrel {

namespace {

constexpr int kDigitBase = 10;
constexpr int kPercent = 100;

// The cells of a parent. The ID is copied because the child may be written over that very
// row; the DNA is only read while the child is bred, before anything is written.
struct Parent {
  std::string id;
  int survival;
  std::string_view dna;
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
                        RandomSource& random, BreedTrace* trace) {
  std::string child;
  BreedGenomeInto(first, second, creativity, random, trace, child);
  return child;
}

void BreedGenomeInto(std::string_view first, std::string_view second, int creativity,
                     RandomSource& random, BreedTrace* trace, std::string& child) {
  const int cut = random.Draw(kDnaLength);
  if (trace != nullptr) *trace = BreedTrace{cut, {}};
  child.reserve(kDnaLength);  // at most one allocation where a DNA string does not fit in place
  child.assign(Part(first, 1, cut - 1));
  child += Part(second, std::max(cut, 1), kDnaLength);

  const int chance = std::min(creativity, kMaxCreativity);
  while (random.Draw(kPercent) < chance) {
    const auto position = static_cast<std::size_t>(random.Draw(kDnaLength));
    const char digit = static_cast<char>('0' + random.Draw(kDigitBase));
    if (position < child.size()) child[position] = digit;
    if (trace != nullptr) trace->mutations.push_back({static_cast<int>(position), digit});
  }
}

Birth GenerateOrganism(Population& population, int creativity) {
  Birth birth;
  GenerateOrganismInto(population, creativity, birth);
  return birth;
}

void GenerateOrganismInto(Population& population, int creativity, Birth& birth) {
  StringGrid& grid = population.grid();
  if (!grid.HasBodyRows()) {
    birth = Birth{};
    return;
  }
  birth.row = grid.SelectedRow();
  population.SelectRandomRow();
  birth.first_parent_row = grid.SelectedRow();
  const Parent a = ReadSelected(population);
  population.SelectRandomRow();
  birth.second_parent_row = grid.SelectedRow();
  const Parent b = ReadSelected(population);
  grid.SelectRow(birth.row);

  birth.id = IntegerText(population.NewId());
  birth.first_parent_id = a.id;
  birth.second_parent_id = b.id;
  BreedGenomeInto(a.dna, b.dna, creativity, population.random(), &birth.trace, birth.dna);
  birth.survival = IntegerText(std::min(a.survival, b.survival));
  grid.SetCell(kIdColumn, birth.row, birth.id);
  grid.SetCell(kP1Column, birth.row, a.id);
  grid.SetCell(kP2Column, birth.row, b.id);
  // Written in place: in WebAssembly a DNA string is too long to be kept inside its
  // std::string, and a copy would allocate.
  grid.AssignCell(kDnaColumn, birth.row, birth.dna);
  grid.SetCell(kSurvivalColumn, birth.row, birth.survival);
}

bool FeedOrganism(Population& population, int bonus) {
  StringGrid& grid = population.grid();
  if (!grid.HasBodyRows()) return false;
  const int fed = grid.SelectedRow();
  const long long score =
      static_cast<long long>(ParseIntOr(population.SelectedSurvival(), 0)) + bonus;
  grid.SetCell(kSurvivalColumn, fed, IntegerText(std::clamp<long long>(score, INT_MIN, INT_MAX)));
  population.SelectRandomRow();
  return grid.SelectedRow() == fed;
}

}  // namespace vantrel

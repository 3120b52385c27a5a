#ifndef VANTREL_POPULATION_EVOLUTION_H_
#define VANTREL_POPULATION_EVOLUTION_H_

#include <string>
#include <string_view>

#include "population/population.h"
#include "population/random_source.h"

namespace vantrel {

// The highest creativity the mutation loop honours. A pass continues while a draw below 100
// is smaller than the creativity, so from 100 on it would never stop; 99 is the largest
// value that keeps every smaller one exactly as it is, draw for draw.
inline constexpr int kMaxCreativity = 99;

// A child of two DNA strings: a crossover at a random cut, then random point mutations whose
// chance per pass is `creativity` percent (capped at kMaxCreativity). Draws, in order: the
// cut below 13, then per pass a test below 100, a position below 13 and a digit below 10.
// The child keeps the crossover's length; a position past its end changes nothing.
std::string BreedGenome(std::string_view first, std::string_view second, int creativity,
                        RandomSource& random);

// Replaces the organism of the selected row by a child of two random rows (either may be
// the selected row itself). Both parents are read in full before the row is written; the
// selection visits the parents and ends on the same row as before. Does nothing on a table
// without organism rows.
void GenerateOrganism(Population& population, int creativity);

// Adds `bonus` to the selected organism's survival score (a score that is not a whole
// number counts as 0; the sum stops at the ends of int), then selects a random row.
// Returns true when that is the row just fed, which the selection does not announce.
// Does nothing, and returns false, on a table without organism rows.
bool FeedOrganism(Population& population, int bonus);

}  // namespace vantrel

#endif  // VANTREL_POPULATION_EVOLUTION_H_

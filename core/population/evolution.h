#ifndef VANTREL_POPULATION_EVOLUTION_H_
#define VANTREL_POPULATION_EVOLUTION_H_

#include <string>
#include <string_view>
#include <vector>

#include "population/population.h"
#include "population/random_source.h"

namespace vantrel {

// The highest creativity the mutation loop honours. A pass continues while a draw below 100
// is smaller than the creativity, so from 100 on it would never stop; 99 is the largest
// value that keeps every smaller one exactly as it is, draw for draw.
inline constexpr int kMaxCreativity = 99;

// One point mutation as drawn while breeding: `position` is the index (from 0) the draw
// gave, which may lie past the end of a short child, and `digit` the character written.
struct Mutation {
  int position;
  char digit;
  friend bool operator==(const Mutation&, const Mutation&) = default;
};

// How a child was made: the cut as drawn (the child holds first[0, cut - 1) followed by
// second from index max(cut, 1) - 1 on) and the mutations in the order they were applied.
struct BreedTrace {
  int cut = 0;
  std::vector<Mutation> mutations;
};

// One shot: the victim's row, the rows and IDs of the parents and the child written over
// the victim. `row` is 0 when the table had no organism row and nothing happened.
struct Birth {
  int row = 0;
  int first_parent_row = 0;
  int second_parent_row = 0;
  std::string first_parent_id;
  std::string second_parent_id;
  std::string id;
  std::string dna;
  std::string survival;
  BreedTrace trace;
};

// A child of two DNA strings: a crossover at a random cut, then random point mutations whose
// chance per pass is `creativity` percent (capped at kMaxCreativity). Draws, in order: the
// cut below 13, then per pass a test below 100, a position below 13 and a digit below 10.
// The child keeps the crossover's length; a position past its end changes nothing. When
// `trace` is given it receives the cut and every mutation; the draws are the same either way.
std::string BreedGenome(std::string_view first, std::string_view second, int creativity,
                        RandomSource& random, BreedTrace* trace = nullptr);
// BreedGenome into `child`, whose storage is kept: a caller that breeds over and over
// allocates nothing (neither `first` nor `second` may view `child`).
void BreedGenomeInto(std::string_view first, std::string_view second, int creativity,
                     RandomSource& random, BreedTrace* trace, std::string& child);

// Replaces the organism of the selected row by a child of two random rows (either may be
// the selected row itself). Both parents are read in full before the row is written; the
// selection visits the parents and ends on the same row as before. Does nothing on a table
// without organism rows. Returns what happened, for the history's record.
Birth GenerateOrganism(Population& population, int creativity);
// GenerateOrganism into `birth`, whose strings keep their storage from one birth to the
// next: the automatic judge breeds hundreds of thousands of times.
void GenerateOrganismInto(Population& population, int creativity, Birth& birth);

// Adds `bonus` to the selected organism's survival score (a score that is not a whole
// number counts as 0; the sum stops at the ends of int), then selects a random row.
// Returns true when that is the row just fed, which the selection does not announce.
// Does nothing, and returns false, on a table without organism rows.
bool FeedOrganism(Population& population, int bonus);

}  // namespace vantrel

#endif  // VANTREL_POPULATION_EVOLUTION_H_

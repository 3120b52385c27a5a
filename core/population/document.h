#ifndef VANTREL_POPULATION_DOCUMENT_H_
#define VANTREL_POPULATION_DOCUMENT_H_

#include "population/population.h"
#include "population/random_source.h"
#include "population/string_grid.h"

namespace vantrel {

// Everything the program knows about the population it shows: the organism table, the
// population that breeds in it and the random source it draws from. The program has one,
// owned by its composition root and handed to the windows by reference; the history and
// the lab notebook that follow the population hang off it too.
class Document {
 public:
  explicit Document(RandomSource& random)
      : grid_(kOrganismColumnCount, 2), population_(grid_, random) {}

  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;

  StringGrid& grid() { return grid_; }
  const StringGrid& grid() const { return grid_; }
  Population& population() { return population_; }
  const Population& population() const { return population_; }
  RandomSource& random() { return population_.random(); }

 private:
  StringGrid grid_;
  Population population_;
};

}  // namespace vantrel

#endif  // VANTREL_POPULATION_DOCUMENT_H_

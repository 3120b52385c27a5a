#ifndef VANTREL_TESTS_CORE_HISTORY_TEST_WORLD_H_
#define VANTREL_TESTS_CORE_HISTORY_TEST_WORLD_H_

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "history/history.h"
#include "population/clock.h"
#include "population/document.h"
#include "population/evolution.h"

namespace vantrel::testing {

class FakeClock final : public Clock {
 public:
  std::int64_t UnixMilliseconds() const override { return ms_ += 1000; }

 private:
  mutable std::int64_t ms_ = 1'800'000'000'000;
};

// Every cell the grid has ever held (up to a bound past its size) and the state around them.
struct FullState {
  std::vector<std::string> cells;
  GridState state;
  friend bool operator==(const FullState&, const FullState&) = default;
};

FullState Capture(Document& document, int extent_rows, int extent_cols);

// A document with a fixed seed and its history, and the actions the main window makes.
struct World {
  explicit World(std::uint32_t seed, int organisms = 10);

  void NewGenePool(int start);
  void Feed(int bonus);
  Birth Shoot(int creativity);
  // Loads a random table file's lines through the table file reader.
  void Load(std::mt19937& dice);

  FullState State() { return Capture(document, 64, 10); }

  LcgRandom random;
  Document document;
  FakeClock clock;
  Parameters parameters;
  History history;
};

// The table as a table file would hold it.
std::string TableText(const StringGrid& grid);

// One random step: a new gene pool, a load, a feed or a shot.
void PlayRandomStep(World& world, std::mt19937& dice);
// What happens between steps without being one: an idea's draws, a click on a row.
void BetweenSteps(World& world, std::mt19937& dice);
// Plays `count` random steps with things between them.
void PlayRandomSteps(World& world, std::mt19937& dice, int count);

}  // namespace vantrel::testing

#endif  // VANTREL_TESTS_CORE_HISTORY_TEST_WORLD_H_

#ifndef VANTREL_LAB_POPULATION_STATS_H_
#define VANTREL_LAB_POPULATION_STATS_H_

#include <array>
#include <string>
#include <unordered_map>
#include <vector>

#include "organism/dna.h"
#include "population/string_grid.h"

namespace vantrel {

// The diversity of a population, kept up to date as the table changes (a changed DNA cell
// costs one row's update, a reset recounts all rows): how many distinct DNA strings there
// are and the mean Shannon entropy of the digits per DNA position.
class PopulationStats final : public GridObserver {
 public:
  explicit PopulationStats(StringGrid& grid);
  ~PopulationStats() override;

  PopulationStats(const PopulationStats&) = delete;
  PopulationStats& operator=(const PopulationStats&) = delete;

  int organisms() const { return static_cast<int>(dna_.size()); }
  int DistinctDna() const { return static_cast<int>(distinct_.size()); }
  // The entropy of the digits at each of the 13 positions, averaged, in bits: 0 when every
  // organism has the same DNA, at most log2(10) (about 3.32). A character that is not a
  // digit, or a position past the end of a short string, counts as an eleventh symbol.
  double MeanEntropyBits() const;

  void GridCellChanged(int col, int row) override;
  void GridReset() override;

 private:
  static constexpr int kSymbols = 11;
  void Add(const std::string& dna, int sign);

  StringGrid& grid_;
  std::vector<std::string> dna_;  // one per organism row
  std::unordered_map<std::string, int> distinct_;
  std::array<std::array<int, kSymbols>, kDnaLength> counts_{};
  // Per position, the sum of c * log2(c) over its symbol counts c.
  std::array<double, kDnaLength> count_log_sums_{};
  // c * log2(c) for every count c up to the number of organisms, worked out once per reset
  // so that a click costs no logarithms.
  std::vector<double> count_logs_;
};

}  // namespace vantrel

#endif  // VANTREL_LAB_POPULATION_STATS_H_

#ifndef VANTREL_LAB_POPULATION_STATS_H_
#define VANTREL_LAB_POPULATION_STATS_H_

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
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

  int organisms() const { return static_cast<int>(keys_.size()); }
  int DistinctDna() const { return static_cast<int>(distinct_keys_ + odd_counts_.size()); }
  // The entropy of the digits at each of the 13 positions, averaged, in bits: 0 when every
  // organism has the same DNA, at most log2(10) (about 3.32). A character that is not a
  // digit, or a position past the end of a short string, counts as an eleventh symbol.
  double MeanEntropyBits() const;

  void GridCellChanged(int col, int row) override;
  void GridReset() override;

 private:
  static constexpr int kSymbols = 11;
  // A DNA string of digits only, up to 15 of them, is one number: its length in the top four
  // bits over the digits' value, so that "01" and "1" differ. kOddKey marks any other text,
  // which is kept and counted as text.
  static constexpr std::uint64_t kOddKey = ~std::uint64_t{0};
  static std::uint64_t KeyOf(std::string_view dna);

  // Counts organism row `row`, whose DNA is `dna`, in (sign +1) or out (-1); without `dna`
  // its digits are read back from its key.
  void Add(int row, int sign, const std::string* dna = nullptr);
  void AddSymbols(std::string_view dna, int sign);
  void AddSymbols(std::uint64_t key, int sign);
  // How many organisms have DNA `key`: as the last reset counted plus the changes since.
  int KeyCount(std::uint64_t key) const;

  StringGrid& grid_;
  std::vector<std::uint64_t> keys_;                 // one per organism row
  std::unordered_map<int, std::string> odd_texts_;  // by organism row, for kOddKey
  // A reset counts the digit keys by sorting them, much cheaper for a big table than
  // filling a map; the changes after it go to a map of their own.
  std::vector<std::pair<std::uint64_t, int>> reset_counts_;  // sorted by key
  std::unordered_map<std::uint64_t, int> changed_counts_;
  std::size_t distinct_keys_ = 0;
  std::unordered_map<std::string, int> odd_counts_;
  std::array<std::array<int, kSymbols>, kDnaLength> counts_{};
  // Per position, the sum of c * log2(c) over its symbol counts c.
  std::array<double, kDnaLength> count_log_sums_{};
  // c * log2(c) for every count c up to the number of organisms, worked out once per reset
  // so that a click costs no logarithms.
  std::vector<double> count_logs_;
};

}  // namespace vantrel

#endif  // VANTREL_LAB_POPULATION_STATS_H_

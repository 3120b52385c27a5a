#include "lab/population_stats.h"

#include <algorithm>
#include <cmath>

#include "population/population.h"

namespace vantrel {

namespace {

int SymbolAt(const std::string& dna, int index) {
  if (index >= static_cast<int>(dna.size())) return 10;
  const char c = dna[index];
  return c >= '0' && c <= '9' ? c - '0' : 10;
}

}  // namespace

PopulationStats::PopulationStats(StringGrid& grid) : grid_(grid) {
  grid_.AddObserver(this);
  GridReset();
}

PopulationStats::~PopulationStats() { grid_.RemoveObserver(this); }

double PopulationStats::MeanEntropyBits() const {
  const int n = organisms();
  if (n == 0) return 0.0;
  // H = log2(n) - (sum of c log2 c) / n at each position.
  double count_log = 0.0;
  for (double position_sum : count_log_sums_) count_log += position_sum;
  return std::max(0.0, std::log2(n) - count_log / n / kDnaLength);
}

void PopulationStats::Add(const std::string& dna, int sign) {
  if (sign > 0) {
    ++distinct_[dna];
  } else if (auto it = distinct_.find(dna); it != distinct_.end() && --it->second == 0) {
    distinct_.erase(it);
  }
  for (int i = 0; i < kDnaLength; ++i) {
    int& count = counts_[i][SymbolAt(dna, i)];
    count_log_sums_[i] -= count_logs_[count];
    count += sign;
    count_log_sums_[i] += count_logs_[count];
  }
}

void PopulationStats::GridCellChanged(int col, int row) {
  if (col != kDnaColumn || row < 1 || row > organisms()) return;
  std::string& kept = dna_[row - 1];
  const std::string& now = grid_.Cell(kDnaColumn, row);
  if (kept == now) return;
  Add(kept, -1);
  kept = now;
  Add(kept, +1);
}

void PopulationStats::GridReset() {
  dna_.clear();
  distinct_.clear();
  counts_ = {};
  count_log_sums_ = {};
  const std::size_t known = count_logs_.size();
  count_logs_.resize(static_cast<std::size_t>(grid_.RowCount()));
  for (std::size_t c = known; c < count_logs_.size(); ++c) {
    count_logs_[c] = c > 1 ? static_cast<double>(c) * std::log2(static_cast<double>(c)) : 0.0;
  }
  for (int row = 1; row < grid_.RowCount(); ++row) {
    dna_.push_back(grid_.Cell(kDnaColumn, row));
    Add(dna_.back(), +1);
  }
}

}  // namespace vantrel

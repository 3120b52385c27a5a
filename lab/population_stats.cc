#include "lab/population_stats.h"

#include <cmath>

#include "population/population.h"

namespace vantrel {

namespace {

double CountLog(int count) { return count > 1 ? count * std::log2(count) : 0.0; }

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
  double sum = 0.0;
  for (double count_log : count_log_sums_) sum += std::log2(n) - count_log / n;
  return std::max(0.0, sum / kDnaLength);
}

void PopulationStats::Add(const std::string& dna, int sign) {
  if (sign > 0) {
    ++distinct_[dna];
  } else if (auto it = distinct_.find(dna); it != distinct_.end() && --it->second == 0) {
    distinct_.erase(it);
  }
  for (int i = 0; i < kDnaLength; ++i) {
    int& count = counts_[i][SymbolAt(dna, i)];
    count_log_sums_[i] -= CountLog(count);
    count += sign;
    count_log_sums_[i] += CountLog(count);
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
  for (int row = 1; row < grid_.RowCount(); ++row) {
    dna_.push_back(grid_.Cell(kDnaColumn, row));
    Add(dna_.back(), +1);
  }
}

}  // namespace vantrel

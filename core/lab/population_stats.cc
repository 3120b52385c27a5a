#include "lab/population_stats.h"

#include <algorithm>
#include <cmath>

#include "population/population.h"

namespace vantrel {

namespace {

constexpr int kNoDigit = 10;
constexpr std::size_t kMaxKeyDigits = 15;
constexpr unsigned kLengthShift = 60;
constexpr std::uint64_t kValueMask = (std::uint64_t{1} << kLengthShift) - 1;
constexpr int kDecimal = 10;

int SymbolAt(std::string_view dna, int index) {
  if (index >= static_cast<int>(dna.size())) return kNoDigit;
  const char c = dna[index];
  return c >= '0' && c <= '9' ? c - '0' : kNoDigit;
}

}  // namespace

PopulationStats::PopulationStats(StringGrid& grid)
    : GridObserver({.column = kDnaColumn, .selection = false}), grid_(grid) {
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

std::uint64_t PopulationStats::KeyOf(std::string_view dna) {
  if (dna.size() > kMaxKeyDigits) return kOddKey;
  std::uint64_t value = 0;
  for (const char c : dna) {
    if (c < '0' || c > '9') return kOddKey;
    value = value * kDecimal + static_cast<std::uint64_t>(c - '0');
  }
  return (std::uint64_t{dna.size()} << kLengthShift) | value;
}

void PopulationStats::AddSymbols(std::string_view dna, int sign) {
  for (int i = 0; i < kDnaLength; ++i) {
    int& count = counts_[i][SymbolAt(dna, i)];
    count_log_sums_[i] -= count_logs_[count];
    count += sign;
    count_log_sums_[i] += count_logs_[count];
  }
}

void PopulationStats::AddSymbols(std::uint64_t key, int sign) {
  // The digits come out last first; positions past the string's end count as no digit.
  const auto length = static_cast<int>(key >> kLengthShift);
  std::uint64_t value = key & kValueMask;
  // Digits past the positions counted change nothing here.
  for (int extra = length - kDnaLength; extra > 0; --extra) value /= kDecimal;
  for (int i = kDnaLength - 1; i >= 0; --i) {
    int symbol = kNoDigit;
    if (i < length) {
      symbol = static_cast<int>(value % kDecimal);
      value /= kDecimal;
    }
    int& count = counts_[i][symbol];
    count_log_sums_[i] -= count_logs_[count];
    count += sign;
    count_log_sums_[i] += count_logs_[count];
  }
}

int PopulationStats::KeyCount(std::uint64_t key) const {
  int count = 0;
  const auto at = std::lower_bound(reset_counts_.begin(), reset_counts_.end(),
                                   std::pair<std::uint64_t, int>{key, 0});
  if (at != reset_counts_.end() && at->first == key) count = at->second;
  if (auto it = changed_counts_.find(key); it != changed_counts_.end()) count += it->second;
  return count;
}

void PopulationStats::Add(int row, int sign, const std::string* dna) {
  const std::uint64_t key = keys_[row - 1];
  if (key != kOddKey) {
    const int before = KeyCount(key);
    if (before + sign == 0) --distinct_keys_;
    if (before == 0 && sign > 0) ++distinct_keys_;
    if (auto it = changed_counts_.try_emplace(key, 0).first; (it->second += sign) == 0) {
      changed_counts_.erase(it);
    }
    // Reading the text is cheaper than taking the key apart digit by digit.
    if (dna != nullptr) {
      AddSymbols(std::string_view(*dna), sign);
    } else {
      AddSymbols(key, sign);
    }
    return;
  }
  const std::string& text = odd_texts_[row];
  if (sign > 0) {
    ++odd_counts_[text];
  } else if (auto it = odd_counts_.find(text); it != odd_counts_.end() && --it->second == 0) {
    odd_counts_.erase(it);
  }
  AddSymbols(text, sign);
}

void PopulationStats::GridCellChanged(int /*col*/, int row) {
  if (row < 1 || row > organisms()) return;  // only DNA cells reach it
  const std::string& now = grid_.Cell(kDnaColumn, row);
  const std::uint64_t key = KeyOf(now);
  std::uint64_t& kept = keys_[row - 1];
  if (key == kept && (key != kOddKey || odd_texts_[row] == now)) return;
  Add(row, -1);
  if (kept == kOddKey) odd_texts_.erase(row);
  kept = key;
  if (key == kOddKey) odd_texts_[row] = now;
  Add(row, +1, &now);
}

void PopulationStats::GridReset() {
  keys_.clear();
  odd_texts_.clear();
  reset_counts_.clear();
  changed_counts_.clear();
  odd_counts_.clear();
  counts_ = {};
  count_log_sums_ = {};
  const std::size_t known = count_logs_.size();
  count_logs_.resize(static_cast<std::size_t>(grid_.RowCount()));
  for (std::size_t c = known; c < count_logs_.size(); ++c) {
    count_logs_[c] = c > 1 ? static_cast<double>(c) * std::log2(static_cast<double>(c)) : 0.0;
  }
  keys_.reserve(count_logs_.size());
  for (int row = 1; row < grid_.RowCount(); ++row) {
    const std::string& dna = grid_.Cell(kDnaColumn, row);
    keys_.push_back(KeyOf(dna));
    // Odd texts are counted here; digit keys by the sort below, cheaper than a map.
    if (keys_.back() == kOddKey) {
      odd_texts_[row] = dna;
      Add(row, +1, &dna);
    } else {
      AddSymbols(std::string_view(dna), +1);
    }
  }
  std::vector<std::uint64_t> sorted = keys_;
  std::sort(sorted.begin(), sorted.end());
  for (const std::uint64_t key : sorted) {
    if (key == kOddKey) break;  // the largest key: the odd texts come last
    if (reset_counts_.empty() || reset_counts_.back().first != key) {
      reset_counts_.emplace_back(key, 0);
    }
    ++reset_counts_.back().second;
  }
  distinct_keys_ = reset_counts_.size();
}

}  // namespace vantrel

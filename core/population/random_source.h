#ifndef VANTREL_POPULATION_RANDOM_SOURCE_H_
#define VANTREL_POPULATION_RANDOM_SOURCE_H_

#include <cstdint>

namespace vantrel {

// The program's one source of chance. Everything random (founders, parents, crossover,
// mutation, ideas) draws from the same instance so that a seed fixes a whole run.
class RandomSource {
 public:
  virtual ~RandomSource() = default;

  // Starts the sequence anew from `seed`.
  virtual void Seed(std::uint32_t seed) = 0;

  // A whole number from 0 to n - 1, each equally likely. Returns 0 when n < 1.
  virtual int Draw(int n) = 0;

  // The generator's whole state; RestoreState puts it back, so that undoing a step also
  // rewinds its draws and the same draws come again.
  virtual std::uint64_t State() const = 0;
  virtual void RestoreState(std::uint64_t state) = 0;
};

// 32-bit linear congruential generator: seed = seed * 134775813 + 1 (mod 2^32), and a draw
// below n is the upper half of the 64-bit product seed * n. The seed advances before the draw.
class LcgRandom final : public RandomSource {
 public:
  explicit LcgRandom(std::uint32_t seed = 0) : seed_(seed) {}

  void Seed(std::uint32_t seed) override { seed_ = seed; }
  std::uint32_t seed() const { return seed_; }

  // Defined here: a caller that holds an LcgRandom itself (an automatic run's coin) gets
  // the draw inlined rather than called through the interface.
  int Draw(int n) override {
    seed_ = seed_ * 134775813u + 1u;
    if (n < 1) return 0;
    const std::uint64_t product = std::uint64_t{seed_} * static_cast<std::uint32_t>(n);
    return static_cast<int>(product >> 32);
  }

  std::uint64_t State() const override { return seed_; }
  void RestoreState(std::uint64_t state) override { seed_ = static_cast<std::uint32_t>(state); }

 private:
  std::uint32_t seed_;
};

}  // namespace vantrel

#endif  // VANTREL_POPULATION_RANDOM_SOURCE_H_

#include "lab/learner.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "lab/organism_wording.h"
#include "language/catalogue.h"
#include "language/numbers.h"

namespace vantrel {

namespace {

// A double's bits and back (std::bit_cast is missing from the WebAssembly build's libc++).
std::uint64_t BitsOf(double value) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}
double DoubleOf(std::uint64_t bits) {
  double value = 0;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

constexpr std::string_view kContext = "Learner";
constexpr double kLearningRate = 0.5;
constexpr double kRegularisation = 0.002;  // L2, per click
constexpr double kLimit = 40;              // weights and logits stay within ±kLimit
constexpr std::uint32_t kRecentMask = (1u << kLearnerRecentClicks) - 1;
constexpr std::uint8_t kFormat = 1;

constexpr std::array<int, kAspectCount> kOffsets = {0, 10, 14, 19, 24, 29, 34};

double Clamp(double x) { return x < -kLimit ? -kLimit : (x > kLimit ? kLimit : x); }

void PutBits(std::string& out, std::uint64_t bits, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((bits >> (8 * i)) & 0xFF));
}

std::uint64_t GetBits(std::string_view bytes, std::size_t& at, int count) {
  std::uint64_t bits = 0;
  for (int i = 0; i < count; ++i) {
    bits |= std::uint64_t{static_cast<unsigned char>(bytes[at++])} << (8 * i);
  }
  return bits;
}

}  // namespace

int FeatureOffset(Aspect aspect) { return kOffsets[static_cast<int>(aspect)]; }

double Logistic(double x) {
  const double a = Clamp(x < 0 ? -x : x);
  // e^-a as (e^-(a/64))^64; the inner one by its Taylor series to the 12th power.
  const double t = a / 64;
  double term = 1;
  double sum = 1;
  for (int k = 1; k <= 12; ++k) {
    term = term * -t / k;
    sum = sum + term;
  }
  for (int i = 0; i < 6; ++i) sum = sum * sum;
  return x >= 0 ? 1 / (1 + sum) : sum / (1 + sum);
}

double Learner::Logit(const OrganismWords& words) const {
  double z = bias_;
  if (!words.visible) return z;
  for (int a = 0; a < kAspectCount; ++a) z = z + weights_[kOffsets[a] + words.word[a]];
  return z;
}

double Learner::ChanceKept(const OrganismWords& words) const { return Logistic(Logit(words)); }

void Learner::Learn(const OrganismWords& words, bool kept) {
  const double chance = ChanceKept(words);
  const bool right = (chance >= 0.5) == kept;
  recent_ = ((recent_ << 1) | (right ? 1u : 0u)) & kRecentMask;
  ++clicks_;
  const double step = kLearningRate * ((kept ? 1.0 : 0.0) - chance);
  const double shrink = 1 - kLearningRate * kRegularisation;
  for (double& weight : weights_) weight = weight * shrink;
  bias_ = Clamp(bias_ + step);
  if (!words.visible) return;
  for (int a = 0; a < kAspectCount; ++a) {
    double& weight = weights_[kOffsets[a] + words.word[a]];
    weight = Clamp(weight + step);
  }
}

int Learner::recent_clicks() const { return std::min(clicks_, kLearnerRecentClicks); }

int Learner::recent_right() const { return std::popcount(recent_); }

std::string Learner::AccuracyText() const {
  const int count = recent_clicks();
  if (count == 0) return {};
  return Arg(TrN(kContext, "Predicted %1 of your last click", "Predicted %1 of your last %n clicks",
                 count),
             {GroupedNumber(recent_right())});
}

std::vector<LearnedTrait> Learner::Strongest(int count, int min_strength) const {
  std::vector<LearnedTrait> traits;
  for (const Aspect aspect : kAspects) {
    for (int word = 0; word < WordCount(aspect); ++word) {
      const double weight = weights_[FeatureOffset(aspect) + word];
      const double away = Logistic(weight) - 0.5;
      const int strength = static_cast<int>(std::lround((away < 0 ? -away : away) * 200));
      if (strength < min_strength || strength == 0) continue;
      traits.push_back({aspect, word, weight, weight > 0, strength, {}});
    }
  }
  // Strongest first; equal ones in the order of the aspects and words.
  std::stable_sort(traits.begin(), traits.end(), [](const LearnedTrait& a, const LearnedTrait& b) {
    return a.strength > b.strength;
  });
  if (static_cast<int>(traits.size()) > count) traits.resize(std::max(count, 0));
  for (LearnedTrait& trait : traits) {
    trait.text =
        Arg(Tr(kContext, trait.keeps ? "keeps %1, strength %2%" : "shoots %1, strength %2%"),
            {ShownWord(trait.aspect, trait.word), GroupedNumber(trait.strength)});
  }
  return traits;
}

std::string Learner::Encode() const {
  std::string out;
  out.reserve(1 + 8 * (kLearnerFeatureCount + 1) + 4 + 4);
  out.push_back(static_cast<char>(kFormat));
  for (const double weight : weights_) PutBits(out, BitsOf(weight), 8);
  PutBits(out, BitsOf(bias_), 8);
  PutBits(out, static_cast<std::uint32_t>(clicks_), 4);
  PutBits(out, recent_, 4);
  return out;
}

std::optional<Learner> Learner::Decode(std::string_view bytes) {
  constexpr std::size_t kSize = 1 + 8 * (kLearnerFeatureCount + 1) + 4 + 4;
  if (bytes.size() != kSize || static_cast<std::uint8_t>(bytes[0]) != kFormat) return std::nullopt;
  Learner learner;
  std::size_t at = 1;
  // A weight that is no number or beyond the limits is not what Learn makes.
  const auto read = [&bytes, &at](double& value) {
    value = DoubleOf(GetBits(bytes, at, 8));
    return value >= -kLimit && value <= kLimit;
  };
  for (double& weight : learner.weights_) {
    if (!read(weight)) return std::nullopt;
  }
  if (!read(learner.bias_)) return std::nullopt;
  const auto clicks = static_cast<std::int32_t>(GetBits(bytes, at, 4));
  learner.recent_ = static_cast<std::uint32_t>(GetBits(bytes, at, 4));
  if (clicks < 0 || (learner.recent_ & ~kRecentMask) != 0) return std::nullopt;
  learner.clicks_ = clicks;
  return learner;
}

std::string WhatYouSelectForHeading() { return Tr(kContext, "What you select for"); }

std::string JudgeLikeMeText() { return Tr(kContext, "Judge like me"); }

}  // namespace vantrel

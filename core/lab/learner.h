#ifndef VANTREL_LAB_LEARNER_H_
#define VANTREL_LAB_LEARNER_H_

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lab/goal_words.h"

namespace vantrel {

// One weight per word of every aspect (colour 10, intensity 4, shape 5, size 5, pen width 5,
// line style 5, spokes 2).
inline constexpr int kLearnerFeatureCount = 36;
// How many of the latest clicks the learner's record of its predictions covers.
inline constexpr int kLearnerRecentClicks = 20;

// A trait the learner weighs, as the notebook shows it under "What you select for".
struct LearnedTrait {
  Aspect aspect = Aspect::kColour;
  int word = 0;
  double weight = 0;  // in log-odds of being kept; above 0 the user keeps it
  bool keeps = false;
  // How far the trait alone moves the chance of being kept from even: 0 to 100.
  int strength = 0;
  // In the current language: "keeps red, strength 64%", "shoots square, strength 30%".
  std::string text;
};

// What the user selects for, learned from the user's own clicks: a logistic regression of
// "kept" (fed) against "rejected" (shot) over the words the organism shown meets, one weight
// per word and one for the bias, updated online by one step of gradient descent per click
// with L2 regularisation. Everything is plain double arithmetic (+, -, *, / in a fixed
// order, no library function), so the same clicks give the same bytes on every machine and
// in WebAssembly. Before each click it notes what it would have predicted.
class Learner {
 public:
  // The chance, 0 to 1, that the user keeps an organism meeting `words`.
  double ChanceKept(const OrganismWords& words) const;
  double ChanceKeptDna(std::string_view dna) const { return ChanceKept(WordsOfDna(dna)); }
  // Whether it would feed (true) or shoot an organism meeting `words`.
  bool PredictsKept(const OrganismWords& words) const { return ChanceKept(words) >= 0.5; }

  // One click of the user on an organism meeting `words`: notes whether the prediction was
  // right, then learns from it.
  void Learn(const OrganismWords& words, bool kept);
  // Forgets everything.
  void Reset() { *this = Learner(); }

  // Clicks learned from since the start or the last reset.
  int clicks() const { return clicks_; }
  // Of the latest clicks (at most kLearnerRecentClicks), how many and how many predicted.
  int recent_clicks() const;
  int recent_right() const;
  // In the current language: "Predicted 14 of your last 20 clicks"; empty before a click.
  std::string AccuracyText() const;

  // The traits weighed most, strongest first: at most `count`, each with a strength of at
  // least `min_strength`.
  std::vector<LearnedTrait> Strongest(int count = 4, int min_strength = 10) const;

  const std::array<double, kLearnerFeatureCount>& weights() const { return weights_; }
  double bias() const { return bias_; }

  // The whole state as bytes (doubles by their bits) and back; nothing from bytes that are
  // not a whole state.
  std::string Encode() const;
  static std::optional<Learner> Decode(std::string_view bytes);

  friend bool operator==(const Learner&, const Learner&) = default;

 private:
  double Logit(const OrganismWords& words) const;

  std::array<double, kLearnerFeatureCount> weights_{};
  double bias_ = 0;
  int clicks_ = 0;
  // One bit per click predicted right, the latest in the lowest bit.
  std::uint32_t recent_ = 0;
};

// The first feature of each aspect among the learner's weights.
int FeatureOffset(Aspect aspect);
// 1 / (1 + e^-x) from +, -, *, / alone (a polynomial and repeated squaring), the same on
// every machine; within 1e-12 of the true value.
double Logistic(double x);

// The texts the faces show for the learner (in the current language).
std::string WhatYouSelectForHeading();  // "What you select for"
std::string JudgeLikeMeText();          // "Judge like me"

}  // namespace vantrel

#endif  // VANTREL_LAB_LEARNER_H_

#ifndef VANTREL_POPULATION_PARAMETERS_H_
#define VANTREL_POPULATION_PARAMETERS_H_

#include <algorithm>

namespace vantrel {

// One of the three numbers that steer a run.
enum class Parameter { kPopulation, kCreativity, kBonus };

// The smallest and largest start population: the table needs its title row and at least one
// organism, and a thousand founders is as many as the boxes offer.
inline constexpr int kMinStartOrganisms = 2;
inline constexpr int kMaxStartOrganisms = 1000;

// The three numbers that steer a run: the start population, the amount of creativity (the
// chance of a mutation, in percent) and the survival bonus. Creativity and bonus have no
// limits; a creativity of 100 or more is honoured as the mutation loop's own cap.
struct Parameters {
  int start_organisms = 10;
  int creativity = 10;
  int bonus = 1;

  int Get(Parameter which) const { return this->*Member(which); }
  void Set(Parameter which, int value) { this->*Member(which) = value; }

  friend bool operator==(const Parameters&, const Parameters&) = default;

 private:
  static constexpr int Parameters::*Member(Parameter which) {
    switch (which) {
      case Parameter::kPopulation:
        return &Parameters::start_organisms;
      case Parameter::kCreativity:
        return &Parameters::creativity;
      case Parameter::kBonus:
        break;
    }
    return &Parameters::bonus;
  }
};

// `value` as the parameter takes it: the start population forced into its limits, the
// others as they are.
inline int CapParameter(Parameter which, int value) {
  if (which == Parameter::kPopulation) {
    return std::clamp(value, kMinStartOrganisms, kMaxStartOrganisms);
  }
  return value;
}

// `parameters` with every value capped.
inline Parameters Capped(const Parameters& parameters) {
  return {CapParameter(Parameter::kPopulation, parameters.start_organisms),
          CapParameter(Parameter::kCreativity, parameters.creativity),
          CapParameter(Parameter::kBonus, parameters.bonus)};
}

// The values every program run starts with.
inline constexpr Parameters kStartParameters{};

}  // namespace vantrel

#endif  // VANTREL_POPULATION_PARAMETERS_H_

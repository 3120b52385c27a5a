#include "lab/plot_axes.h"

#include <algorithm>
#include <cmath>

namespace vantrel {

namespace {

// `x` rounded to 1, 2, 5 or 10 times its power of ten: up to the next when `ceiling`,
// else to the nearest.
double RoundNumber(double x, bool ceiling) {
  const double power = std::pow(10.0, std::floor(std::log10(x)));
  const double q = x / power;
  double m = 10;
  if (ceiling) {
    m = q <= 1 ? 1 : q <= 2 ? 2 : q <= 5 ? 5 : 10;
  } else {
    m = q < 1.5 ? 1 : q < 3 ? 2 : q < 7 ? 5 : 10;
  }
  return m * power;
}

}  // namespace

double NiceCeiling(double value) {
  if (value <= 1) return 1;
  const double power = std::pow(10.0, std::floor(std::log10(value)));
  for (const double step : {1.0, 1.5, 2.0, 3.0, 4.0, 5.0, 6.0, 8.0, 10.0}) {
    if (step * power >= value) return step * power;
  }
  return 10 * power;
}

double TickInterval(double max, int most_ticks, bool whole) {
  const double power =
      std::pow(10.0, std::floor(std::log10(std::max(max, 1e-9) / std::max(1, most_ticks))));
  double interval = 10 * power;
  for (const double step : {1.0, 2.0, 5.0, 10.0}) {
    if (max / (step * power) <= most_ticks) {
      interval = step * power;
      break;
    }
  }
  return whole ? std::max(1.0, std::ceil(interval)) : interval;
}

ValueAxis RoundAxis(double most) {
  // Five ticks: the range rounded up, a quarter of it rounded to a step, and the top the
  // first step at or past `most`.
  constexpr int kTicks = 5;
  if (!(most > 0)) most = 1;
  const double step = RoundNumber(RoundNumber(most, true) / (kTicks - 1), false);
  const double steps = std::ceil(most / step);
  return {steps * step, static_cast<int>(steps) + 1};
}

}  // namespace vantrel

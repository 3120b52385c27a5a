#ifndef VANTREL_LAB_PLOT_AXES_H_
#define VANTREL_LAB_PLOT_AXES_H_

namespace vantrel {

// The value axes of the notebook's plots, from 0 up, as both faces draw them: round
// maxima that grow now and then rather than with every click, and round distances
// between ticks.

// The diversity plot's top: log2(10) = 3.32 bits is ten equally common digits at every
// position.
inline constexpr double kMostBits = 3.5;

// The smallest round number (1, 1.5, 2, 3, 4, 5, 6 or 8 times a power of ten) that is at
// least `value`, and at least 1.
double NiceCeiling(double value);

// A round distance between ticks (1, 2 or 5 times a power of ten) that puts at most
// `most_ticks` ticks after 0 on an axis from 0 to `max`; at least 1 when `whole`, for an
// axis that counts whole things (never two ticks alike).
double TickInterval(double max, int most_ticks, bool whole = false);

// An axis from 0 to `max` with `ticks` labelled ticks, 0 and `max` among them.
struct ValueAxis {
  double max = 0;
  int ticks = 0;
  double Step() const { return ticks > 1 ? max / (ticks - 1) : max; }
  bool operator==(const ValueAxis&) const = default;
};

// The axis that holds `most` with about five ticks, each a round step (1, 2, 5 or 10
// times a power of ten) apart: the bars and boxes of finished runs.
ValueAxis RoundAxis(double most);

}  // namespace vantrel

#endif  // VANTREL_LAB_PLOT_AXES_H_

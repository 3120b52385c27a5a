#ifndef VANTREL_WEB_PINNED_CLOCK_H_
#define VANTREL_WEB_PINNED_CLOCK_H_

#include <cmath>
#include <cstdint>

#include "population/clock.h"

namespace vantrel {

// A clock that always reads one moment, so that a replay or a test of the page starts
// from the seed it chose, and keeps that moment for the times the engine notes.
class PinnedClock final : public Clock {
 public:
  // `unix_milliseconds` as JavaScript's Date holds it: a number that is no time (NaN, or
  // beyond Date's range of 8.64e15 ms either side of 1970) pins 1970-01-01 00:00 UTC.
  explicit PinnedClock(double unix_milliseconds)
      : milliseconds_(std::isfinite(unix_milliseconds) && std::fabs(unix_milliseconds) <= kDateLimit
                          ? static_cast<std::int64_t>(unix_milliseconds)
                          : 0) {}

  std::int64_t UnixMilliseconds() const override { return milliseconds_; }

 private:
  static constexpr double kDateLimit = 8.64e15;
  std::int64_t milliseconds_;
};

}  // namespace vantrel

#endif  // VANTREL_WEB_PINNED_CLOCK_H_

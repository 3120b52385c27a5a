#include "population/clock.h"

#include <chrono>

namespace vantrel {

std::uint32_t SystemClock::MillisecondsSinceMidnightUtc() const {
  using namespace std::chrono;
  const auto now = time_point_cast<milliseconds>(system_clock::now());
  const auto since_midnight = now - floor<days>(now);
  return static_cast<std::uint32_t>(since_midnight.count());
}

}  // namespace vantrel

#include "population/clock.h"

#include <chrono>

namespace vantrel {

std::uint32_t SystemClock::MillisecondsSinceMidnightUtc() const {
  const auto now =
      std::chrono::time_point_cast<std::chrono::milliseconds>(std::chrono::system_clock::now());
  const auto since_midnight = now - std::chrono::floor<std::chrono::days>(now);
  return static_cast<std::uint32_t>(since_midnight.count());
}

}  // namespace vantrel

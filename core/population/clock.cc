#include "population/clock.h"

#include <chrono>

namespace vantrel {

std::int64_t SystemClock::UnixMilliseconds() const {
  using std::chrono::duration_cast;
  using std::chrono::milliseconds;
  return duration_cast<milliseconds>(std::chrono::system_clock::now().time_since_epoch()).count();
}

}  // namespace vantrel

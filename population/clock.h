#ifndef VANTREL_POPULATION_CLOCK_H_
#define VANTREL_POPULATION_CLOCK_H_

#include <cstdint>

namespace vantrel {

// Time of day, injected so that tests can fix the seed the program starts from.
class Clock {
 public:
  virtual ~Clock() = default;

  // Milliseconds since midnight UTC: ((h * 60 + m) * 60 + s) * 1000 + ms.
  virtual std::uint32_t MillisecondsSinceMidnightUtc() const = 0;
};

class SystemClock final : public Clock {
 public:
  std::uint32_t MillisecondsSinceMidnightUtc() const override;
};

}  // namespace vantrel

#endif  // VANTREL_POPULATION_CLOCK_H_

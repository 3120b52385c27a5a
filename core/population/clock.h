#ifndef VANTREL_POPULATION_CLOCK_H_
#define VANTREL_POPULATION_CLOCK_H_

#include <cstdint>

namespace vantrel {

// Date and time, injected so that tests fix the seed the program starts from and the
// times the record and the journal keep.
class Clock {
 public:
  virtual ~Clock() = default;

  // Milliseconds since 1970-01-01 00:00 UTC.
  virtual std::int64_t UnixMilliseconds() const = 0;

  // Milliseconds since midnight UTC: ((h * 60 + m) * 60 + s) * 1000 + ms.
  std::uint32_t MillisecondsSinceMidnightUtc() const {
    constexpr std::int64_t kDay = 86'400'000;
    return static_cast<std::uint32_t>((UnixMilliseconds() % kDay + kDay) % kDay);
  }
};

class SystemClock final : public Clock {
 public:
  std::int64_t UnixMilliseconds() const override;
};

}  // namespace vantrel

#endif  // VANTREL_POPULATION_CLOCK_H_

#ifndef VANTREL_HISTORY_WALL_CLOCK_H_
#define VANTREL_HISTORY_WALL_CLOCK_H_

#include <cstdint>

namespace vantrel {

// Date and time, for the record's birth times and the journal's run names; injected so
// that tests get fixed times.
class WallClock {
 public:
  virtual ~WallClock() = default;
  // Milliseconds since 1970-01-01 00:00 UTC.
  virtual std::int64_t UnixMilliseconds() const = 0;
};

class SystemWallClock final : public WallClock {
 public:
  std::int64_t UnixMilliseconds() const override;
};

}  // namespace vantrel

#endif  // VANTREL_HISTORY_WALL_CLOCK_H_

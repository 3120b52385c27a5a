#ifndef VANTREL_TESTS_WEB_NOON_H_
#define VANTREL_TESTS_WEB_NOON_H_

namespace vantrel::testing {

// 12:00:00.345 on the clock's first day, in milliseconds: the time a pinned clock shows,
// with milliseconds that a rounding to whole seconds would lose.
inline constexpr double kNoon = 12 * 3600 * 1000 + 345;

}  // namespace vantrel::testing

#endif  // VANTREL_TESTS_WEB_NOON_H_

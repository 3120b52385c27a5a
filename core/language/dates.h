#ifndef VANTREL_LANGUAGE_DATES_H_
#define VANTREL_LANGUAGE_DATES_H_

#include <cstdint>
#include <string>

namespace vantrel {

// A moment as the current language writes a date and time where the program shows one, by
// both faces (the desktop and, through the WebAssembly module, the page), in the local time
// of the machine (the browser's time zone on the page): "2026-12-08 21:36:32" in English,
// "08-12-2026 21:36:32" in Dutch, "08.12.2026 21:36:32" in German. `unix_ms` is milliseconds since
// 1970-01-01 UTC; "" for a moment the machine cannot place.
std::string LocalDateTime(std::int64_t unix_ms);

}  // namespace vantrel

#endif  // VANTREL_LANGUAGE_DATES_H_

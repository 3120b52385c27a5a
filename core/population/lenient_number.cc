#include "population/lenient_number.h"

#include <charconv>

namespace vantrel {

int ParseIntOr(std::string_view text, int fallback) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return fallback;
  // Nine digits or fewer cannot overflow an int: read directly, as the table's numbers
  // nearly always are, they cost a fraction of from_chars in WebAssembly.
  constexpr std::size_t kSafeDigits = 9;
  constexpr unsigned kDecimal = 10;
  if (text.size() <= kSafeDigits) {
    // One pass without a branch per character; unsigned, so that a non-digit's wild value
    // wraps harmlessly before it is thrown away.
    unsigned value = 0;
    bool all_digits = true;
    for (const char c : text) {
      const unsigned digit = static_cast<unsigned char>(c) - static_cast<unsigned>('0');
      all_digits = all_digits && digit < kDecimal;
      value = value * kDecimal + digit;
    }
    if (all_digits) return static_cast<int>(value);
  }
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return fallback;
  return value;
}

}  // namespace vantrel

#include "population/lenient_number.h"

#include <algorithm>
#include <charconv>

namespace vantrel {

int ParseIntOr(std::string_view text, int fallback) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return fallback;
  // Nine digits or fewer cannot overflow an int: read directly, as the table's numbers
  // nearly always are, they cost a fraction of from_chars in WebAssembly.
  constexpr std::size_t kSafeDigits = 9;
  constexpr int kDecimal = 10;
  if (text.size() <= kSafeDigits &&
      std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    int digits = 0;
    for (const char c : text) digits = digits * kDecimal + (c - '0');
    return digits;
  }
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return fallback;
  return value;
}

}  // namespace vantrel

#include "population/lenient_number.h"

#include <charconv>

namespace vantrel {

int ParseIntOr(std::string_view text, int fallback) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return fallback;
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return fallback;
  return value;
}

}  // namespace vantrel

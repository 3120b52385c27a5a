#include "lab/decimal_text.h"

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace vantrel {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The number of digits at the front of `text`.
std::size_t DigitRun(std::string_view text) {
  std::size_t n = 0;
  while (n < text.size() && IsDigit(text[n])) ++n;
  return n;
}

bool IsWellFormed(std::string_view text) {
  if (!text.empty() && text.front() == '-') text.remove_prefix(1);
  std::size_t whole = DigitRun(text);
  text.remove_prefix(whole);
  std::size_t fraction = 0;
  if (!text.empty() && text.front() == '.') {
    text.remove_prefix(1);
    fraction = DigitRun(text);
    text.remove_prefix(fraction);
  }
  if (whole + fraction == 0) return false;
  if (text.empty()) return true;
  if (text.front() != 'e' && text.front() != 'E') return false;
  text.remove_prefix(1);
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
  const std::size_t exponent = DigitRun(text);
  return exponent > 0 && exponent == text.size();
}

// strtod reads the decimal point of the C library's current locale, which a GUI program
// may have set to a comma.
std::string WithLocalePoint(std::string_view text) {
  std::string local(text);
  const std::lconv* conventions = std::localeconv();
  const std::string_view point = conventions != nullptr && conventions->decimal_point != nullptr
                                     ? conventions->decimal_point
                                     : ".";
  if (point == ".") return local;
  const std::size_t at = local.find('.');
  if (at != std::string::npos) local.replace(at, 1, point);
  return local;
}

}  // namespace

std::optional<double> ParseDecimal(std::string_view text) {
  if (!IsWellFormed(text)) return std::nullopt;
  const std::string local = WithLocalePoint(text);
  errno = 0;
  char* end = nullptr;
  const double value = std::strtod(local.c_str(), &end);
  if (end != local.c_str() + local.size()) return std::nullopt;
  // ERANGE also marks exact subnormal results, which std::from_chars keeps.
  if (errno == ERANGE && (value == 0 || std::isinf(value))) {
    // A zero written with an exponent is zero, not an underflow.
    if (text.find_first_of("123456789") != std::string_view::npos) return std::nullopt;
  }
  return value;
}

std::string ShortestDecimal(double value) {
  if (std::isnan(value)) return std::signbit(value) ? "-nan" : "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  const std::string sign = std::signbit(value) ? "-" : "";
  if (value == 0) return sign + "0";

  // The fewest significant digits that read back as `value`; printf rounds them correctly.
  std::string digits;
  std::string exponent_text;
  int exponent = 0;
  for (int precision = 1; precision <= 17; ++precision) {
    char text[40];
    std::snprintf(text, sizeof text, "%.*e", precision - 1, std::fabs(value));
    digits.clear();
    const char* p = text;
    // The point between the digits may be any locale's: keep the digits only.
    for (; *p != 'e'; ++p) {
      if (IsDigit(*p)) digits += *p;
    }
    // printf's exponent has its sign and at least two digits, as std::to_chars writes it.
    exponent_text = p;
    exponent = std::atoi(p + 1);
    const std::string written =
        digits.substr(0, 1) + "." + digits.substr(1) + "e" + std::to_string(exponent);
    if (ParseDecimal(written) == std::fabs(value)) break;
  }

  std::string scientific = digits.substr(0, 1);
  if (digits.size() > 1) scientific += "." + digits.substr(1);
  scientific += exponent_text;

  const int count = static_cast<int>(digits.size());
  std::string fixed;
  if (exponent < 0) {
    fixed = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  } else if (count <= exponent + 1) {
    // A whole number is written with all its digits, exact rather than padded with zeros.
    char whole[320];
    std::snprintf(whole, sizeof whole, "%.0f", std::fabs(value));
    fixed = whole;
  } else {
    fixed = digits.substr(0, exponent + 1) + "." + digits.substr(exponent + 1);
  }
  return sign + (fixed.size() <= scientific.size() ? fixed : scientific);
}

}  // namespace vantrel

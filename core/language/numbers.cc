#include "language/numbers.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "language/catalogue.h"

namespace vantrel {

namespace {

bool UsesDecimalComma(Language language) {
  return language == Language::kDutch || language == Language::kGerman;
}

std::string Group(std::string_view digits, char separator) {
  std::string grouped;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += separator;
    grouped += digits[i];
  }
  return grouped;
}

bool IsPlainNumber(std::string_view text) {
  if (!text.empty() && text.front() == '-') text.remove_prefix(1);
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
  const auto all_digits = [](std::string_view part) {
    for (const char c : part) {
      if (std::isdigit(static_cast<unsigned char>(c)) == 0) return false;
    }
    return true;
  };
  return !whole.empty() && all_digits(whole) && all_digits(fraction) &&
         (point == std::string_view::npos || !fraction.empty());
}

// `number`'s magnitude as printf writes it in `format` ("%.*e" or "%.*f") with `precision`,
// in the C library's current locale.
std::string Printed(const char* format, int precision, double number) {
  const int size = std::snprintf(nullptr, 0, format, precision, std::fabs(number));
  std::string text(static_cast<std::size_t>(size) + 1, '\0');
  std::snprintf(text.data(), text.size(), format, precision, std::fabs(number));
  text.pop_back();
  return text;
}

// The plain text of a finite `number` with `decimals` places, a tie away from zero. printf
// rounds a tie to even, so the digits are taken exactly (a double's binary fraction has as
// many decimal places as it has binary ones) and rounded here.
std::string FixedPlain(double number, int decimals) {
  int exponent = 0;
  std::frexp(number, &exponent);
  const int exact = std::max(decimals + 1, 53 - exponent);
  std::string digits = Printed("%.*f", exact, number);
  // The point as any locale writes it (a desktop may have set a comma).
  const std::size_t point = digits.find_first_not_of("0123456789");
  digits[point] = '.';
  const bool up = digits[point + 1 + static_cast<std::size_t>(decimals)] >= '5';
  digits.resize(point + 1 + static_cast<std::size_t>(decimals));
  if (up) {
    std::size_t at = digits.size();
    while (at-- > 0) {
      if (digits[at] == '.') continue;
      if (digits[at] != '9') {
        ++digits[at];
        break;
      }
      digits[at] = '0';
    }
    if (at == std::string::npos) digits.insert(0, "1");
  }
  if (decimals == 0) digits.pop_back();
  return number < 0 ? "-" + digits : digits;
}

}  // namespace

std::string LocalDecimal(double number) {
  if (std::isnan(number)) return "NaN";
  if (std::isinf(number)) return number < 0 ? "-Infinity" : "Infinity";
  // Whole numbers, the most common (counts, clicks), need no search for their digits.
  if (std::fabs(number) < 0x1p53 && number == std::trunc(number)) {
    return LocalNumber(std::to_string(static_cast<long long>(number)));
  }
  // The fewest significant digits that read back as `number`, then as many places as they
  // reach below the point.
  for (int precision = 0;; ++precision) {
    const std::string scientific = Printed("%.*e", precision, number);
    if (precision == 16 || std::strtod(scientific.c_str(), nullptr) == std::fabs(number)) {
      const int exponent = std::atoi(scientific.c_str() + scientific.find('e') + 1);
      return LocalDecimal(number, std::max(precision - exponent, 0));
    }
  }
}

std::string LocalDecimal(double number, int decimals) {
  if (!std::isfinite(number)) return LocalDecimal(number);
  decimals = std::clamp(decimals, 0, 400);
  return LocalNumber(FixedPlain(number, decimals));
}

std::string GroupedNumber(long long number) {
  const char separator = UsesDecimalComma(CurrentLanguage()) ? '.' : ',';
  const std::string digits = std::to_string(number);
  if (number < 0) return "-" + Group(std::string_view(digits).substr(1), separator);
  return Group(digits, separator);
}

std::string LocalNumber(std::string_view plain) {
  if (!UsesDecimalComma(CurrentLanguage()) || !IsPlainNumber(plain)) return std::string(plain);
  std::string result;
  if (plain.front() == '-') {
    result += '-';
    plain.remove_prefix(1);
  }
  const std::size_t point = plain.find('.');
  result += Group(plain.substr(0, point), '.');
  if (point != std::string_view::npos) result += "," + std::string(plain.substr(point + 1));
  return result;
}

}  // namespace vantrel

#include "language/numbers.h"

#include <cctype>

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

}  // namespace

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

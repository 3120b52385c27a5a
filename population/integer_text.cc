#include "population/integer_text.h"

namespace vantrel {

std::string IntegerText(long long value) {
  constexpr int kDecimal = 10;
  constexpr int kMostCharacters = 20;  // a sign and 19 digits
  char text[kMostCharacters];
  char* const end = text + kMostCharacters;
  char* first = end;
  // The magnitude as unsigned: negating the smallest long long would overflow.
  unsigned long long magnitude = static_cast<unsigned long long>(value);
  if (value < 0) magnitude = 0ULL - magnitude;
  do {
    *--first = static_cast<char>('0' + magnitude % kDecimal);
    magnitude /= kDecimal;
  } while (magnitude != 0);
  if (value < 0) *--first = '-';
  return {first, static_cast<std::size_t>(end - first)};
}

}  // namespace vantrel

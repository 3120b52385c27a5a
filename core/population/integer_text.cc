#include "population/integer_text.h"

namespace vantrel {

std::string IntegerText(long long value) {
  constexpr unsigned kHundred = 100;
  constexpr int kMostCharacters = 20;  // a sign and 19 digits
  // "00" to "99": two digits a division, as the IDs and scores a step writes have several.
  static constexpr char kPairs[] =
      "00010203040506070809101112131415161718192021222324"
      "25262728293031323334353637383940414243444546474849"
      "50515253545556575859606162636465666768697071727374"
      "75767778798081828384858687888990919293949596979899";
  char text[kMostCharacters];
  char* const end = text + kMostCharacters;
  char* first = end;
  // The magnitude as unsigned: negating the smallest long long would overflow.
  unsigned long long magnitude = static_cast<unsigned long long>(value);
  if (value < 0) magnitude = 0ULL - magnitude;
  while (magnitude >= kHundred) {
    const auto pair = static_cast<unsigned>(magnitude % kHundred) * 2;
    magnitude /= kHundred;
    *--first = kPairs[pair + 1];
    *--first = kPairs[pair];
  }
  if (magnitude >= 10) {
    const auto pair = static_cast<unsigned>(magnitude) * 2;
    *--first = kPairs[pair + 1];
    *--first = kPairs[pair];
  } else {
    *--first = static_cast<char>('0' + magnitude);
  }
  if (value < 0) *--first = '-';
  return {first, static_cast<std::size_t>(end - first)};
}

}  // namespace vantrel

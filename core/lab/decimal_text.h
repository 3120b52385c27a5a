#ifndef VANTREL_LAB_DECIMAL_TEXT_H_
#define VANTREL_LAB_DECIMAL_TEXT_H_

#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

// Decimal numbers as the lab's command line and CSV write them, the same in every locale
// and with every C++ library (some lack floating-point std::from_chars and std::to_chars).

// Reads [-]digits[.digits][(e|E)[+|-]digits] with at least one digit before the exponent,
// as std::from_chars does in its general format (no leading '+', space or hexadecimal),
// except that infinity and NaN are refused. Rounds correctly; nothing when the text is
// malformed or its value overflows or underflows to zero.
std::optional<double> ParseDecimal(std::string_view text);

// The shortest text that reads back as `value`, fixed or scientific (e.g. "0.1", "1e-04",
// "1e+20") whichever is shorter, fixed on a tie: the characters std::to_chars(value) gives.
std::string ShortestDecimal(double value);

}  // namespace vantrel

#endif  // VANTREL_LAB_DECIMAL_TEXT_H_

#ifndef VANTREL_LANGUAGE_NUMBERS_H_
#define VANTREL_LANGUAGE_NUMBERS_H_

#include <string>
#include <string_view>

namespace vantrel {

// Numbers as the current language writes them where the program shows them (counters,
// statistics, plot axes; never table cells, health or files).

// A whole number with its thousands grouped: "1,234,567" in English, "1.234.567" in Dutch
// and German.
std::string GroupedNumber(long long number);
// A number written plainly ("-1234.5", "12") in the current language: unchanged in
// English, "-1.234,5" in Dutch and German. Text that is not a plain number stays as it is.
std::string LocalNumber(std::string_view plain);
// `number` in its shortest plain form that reads back as the same double ("2.5", "1234",
// never an exponent) in the current language, as LocalNumber writes it.
std::string LocalDecimal(double number);
// `number` with `decimals` places (at most 400), a tie rounded away from zero as a browser's
// numbers round ("0.3" for 0.25 with one place), in the current language.
std::string LocalDecimal(double number, int decimals);

}  // namespace vantrel

#endif  // VANTREL_LANGUAGE_NUMBERS_H_
